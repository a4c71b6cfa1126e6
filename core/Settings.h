#pragma once

// The user's settings as the engine holds them: read from the settings file at the start, changed by the
// Option page and stored at once, and again at the end. Whoever depends on one hears of its change.

#include "model/AppSettings.h"
#include "model/QuickActions.h"

#include <QObject>

#include <string>
#include <vector>

namespace halvo {

class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject* parent = nullptr) : QObject(parent) {}

    const AppSettings& values() const { return m_values; }
    bool remind() const { return m_values.Remind; }
    bool autoSave() const { return m_values.AutoSave; }

    // From the settings file, at the start: nobody is told, as nothing changed.
    void Load();
    // Takes the values without storing them (a test, or a page that stores later).
    void Set(const AppSettings& values);
    // Takes the values and stores the file at once; false, with error, when it could not be written (the
    // values are taken all the same).
    bool Apply(const AppSettings& values, std::string& error);
    // Writes the settings file; false, with error, when it could not be. The quick actions are written
    // only once this run changed them, so a section that could not be read in part stays as it is.
    bool Store(std::string& error);

    // The saved quick actions, in the tray's order.
    const std::vector<QuickAction>& quickActions() const { return m_quick; }
    // The numbers of the stored entries that could not be read at the start and were left out.
    const std::vector<int>& damagedQuickActions() const { return m_quickDamaged; }
    // Takes the list and stores it at once; false, with error, when it could not be written (the list is
    // taken all the same, and written again with the next store).
    bool SetQuickActions(std::vector<QuickAction> actions, std::string& error);

signals:
    // Some value changed; before holds the values it replaced.
    void changed(const halvo::AppSettings& before);
    void quickActionsChanged();

private:
    bool storeQuickActions(std::string& error);

    AppSettings m_values;
    std::vector<QuickAction> m_quick;
    std::vector<int> m_quickDamaged;
    int m_quickHighest = 0; // the highest entry number in the file
    bool m_quickUnstored = false;
};

} // namespace halvo
