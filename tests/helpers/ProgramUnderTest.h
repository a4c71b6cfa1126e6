#pragma once

// The program as main() puts it together for the window tests: the engine, started, and the main window on
// it, against the fake platform. Its reminders are recorded and answered from the test's script.

#include "app/FormCtrl.h"
#include "core/Engine.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/EngineWorld.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QSignalBlocker>

#include <string>

namespace halvo {

struct EngineParts {
    RecordingReminders reminderService;
    Engine core{reminderService,
                {[](const std::string& text) { halvo::dialogs().Error(QString::fromStdString(text)); },
                 [](const std::string& text) { halvo::dialogs().Notice(QString::fromStdString(text)); }}};
    EngineParts() { core.Start(); }
};

struct Program : EngineParts, TFormCtrl {
    Program() : TFormCtrl(core) {}
    // One request line and its answer line, as the socket hands them over.
    std::string Request(const std::string& line) { return AnswerTo(core.commands(), line); }
    std::string StatusText() { return core.commands().StatusText(); }
    const AppSettings& Settings() { return core.settings().values(); }
    void setSetting(bool AppSettings::*flag, bool on);
};

inline void setFlag(Settings& settings, bool AppSettings::*flag, bool on) {
    AppSettings values = settings.values();
    values.*flag = on;
    settings.Set(values);
}

// The value alone, as a settings file read at the start would have it: nobody hears of the change.
inline void Program::setSetting(bool AppSettings::*flag, bool on) {
    const QSignalBlocker quiet(core.settings());
    setFlag(core.settings(), flag, on);
}

} // namespace halvo
