#pragma once

// The user's settings as the engine holds them: read from the settings file at the start, changed by the
// Option page and stored at once, and again at the end. Whoever depends on one hears of its change.

#include "model/AppSettings.h"

#include <QObject>

#include <string>

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
    // Writes the settings file; false, with error, when it could not be.
    bool Store(std::string& error) const;

signals:
    // Some value changed; before holds the values it replaced.
    void changed(const halvo::AppSettings& before);

private:
    AppSettings m_values;
};

} // namespace halvo
