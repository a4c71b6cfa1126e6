#include "Settings.h"

#include "model/DataFolder.h"

namespace halvo {

void Settings::Load() {
    // What the program starts with: nothing changed.
    m_values = LoadSettings(SettingsFilePath());
    LoadedQuickActions quick = LoadQuickActions(SettingsFilePath());
    m_quick = std::move(quick.actions);
    m_quickDamaged = std::move(quick.damagedNumbers);
    m_quickHighest = quick.highestNumber;
    m_quickUnstored = false;
}

void Settings::Set(const AppSettings& values) {
    const AppSettings before = m_values;
    m_values = values;
    if (before != values)
        emit changed(before);
}

bool Settings::Apply(const AppSettings& values, std::string& error) {
    const AppSettings before = m_values;
    m_values = values;
    // Stored before anyone hears of it: the settings file comes first, as the schedule's store adds its
    // count to the same file.
    const bool stored = Store(error);
    if (before != values)
        emit changed(before);
    return stored;
}

bool Settings::Store(std::string& error) {
    return StoreSettings(m_values, SettingsFilePath(), error) &&
           (!m_quickUnstored || storeQuickActions(error));
}

bool Settings::SetQuickActions(std::vector<QuickAction> actions, std::string& error) {
    const bool same = actions == m_quick;
    m_quick = std::move(actions);
    m_quickUnstored = m_quickUnstored || !same;
    const bool stored = !m_quickUnstored || storeQuickActions(error);
    if (!same)
        emit quickActionsChanged();
    return stored;
}

bool Settings::storeQuickActions(std::string& error) {
    if (!StoreQuickActions(m_quick, m_quickHighest, SettingsFilePath(), error))
        return false;
    m_quickHighest = int(m_quick.size());
    m_quickDamaged.clear();
    m_quickUnstored = false;
    return true;
}

} // namespace halvo
