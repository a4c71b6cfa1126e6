#pragma once

// What the window tests share: the recording platform, user interface and dialogs installed for one test,
// and recorded calls as one text.

#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingUi.h"
#include "tests/helpers/RecordingDialogs.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace halvo {

// Where the program keeps its settings and its schedule on the recording platform: beside the program.
inline const std::string SettingsFile = "/opt/halvo/setting.ini";
inline const std::string ScheduleFile = "/opt/halvo/sch.cks";

// Recorded calls as one text, so a difference shows in full.
inline QString lines(const std::vector<std::string>& calls) {
    QStringList out;
    for (const auto& c : calls)
        out << QString::fromStdString(c);
    return out.join('\n');
}

// The recording platform (PlatformType: RecordingPlatform or one derived from it), user interface and
// dialogs, each installed for as long as the world lives.
template <typename PlatformType = RecordingPlatform> struct WindowTestWorld {
    PlatformType platform;
    ScopedPlatform platformGuard{platform};
    RecordingUi ui;
    ScopedUi uiGuard{ui};
    RecordingDialogs dialogs;
    ScopedDialogs dialogsGuard{dialogs};
};

} // namespace halvo
