#include "Settings.h"

#include "model/DataFolder.h"

namespace halvo {

namespace {
bool same(const AppSettings& a, const AppSettings& b) {
    return a.AutoStartup == b.AutoStartup && a.AutoSave == b.AutoSave && a.Remind == b.Remind &&
           a.KeepAwake == b.KeepAwake && a.WakeForSchedule == b.WakeForSchedule;
}
} // namespace

void Settings::Load() {
    // What the program starts with: nothing changed.
    m_values = LoadSettings(SettingsFilePath());
}

void Settings::Set(const AppSettings& values) {
    const AppSettings before = m_values;
    m_values = values;
    if (!same(before, values))
        emit changed(before);
}

bool Settings::Apply(const AppSettings& values, std::string& error) {
    const AppSettings before = m_values;
    m_values = values;
    // Stored before anyone hears of it: the settings file comes first, as the schedule's store adds its
    // count to the same file.
    const bool stored = Store(error);
    if (!same(before, values))
        emit changed(before);
    return stored;
}

bool Settings::Store(std::string& error) const {
    return StoreSettings(m_values, SettingsFilePath(), error);
}

} // namespace halvo
