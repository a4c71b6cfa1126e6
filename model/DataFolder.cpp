#include "DataFolder.h"
#include "platform/Translate.h"

#include "Profile.h"
#include "platform/Platform.h"

#include <vector>

namespace halvo {

namespace {

// The program folder the user was last told about, kept in the settings file it speaks of.
constexpr const char* NoticeSection = "notice";
constexpr const char* ReadOnlyFolderKey = "ReadOnlyProgramFolder";

} // namespace

std::string DataFolder() {
    Files& files = platform().files();
    const std::string beside = files.executableFolder();
    if (files.folderWritable(beside))
        return beside;
    const std::string config = files.userConfigFolder();
    files.makeFolder(config);
    return config;
}

std::string ScheduleFilePath() {
    return DataFolder() + "sch.cks";
}

std::string SettingsFilePath() {
    return DataFolder() + "setting.ini";
}

std::string StoredFilesNotice(bool scheduleStored) {
    Files& files = platform().files();
    std::vector<std::string> parts;
    const std::string settings = SettingsFilePath();
    const std::string programFolder = files.executableFolder();
    if (!files.folderWritable(programFolder)) {
        const std::string told =
            platform().profiles().readKey(settings, NoticeSection, ReadOnlyFolderKey, 4095);
        if (programFolder != told) {
            parts.push_back(
                FillIn(Translate("Schedule", "The program folder %1 cannot be written to, so the settings "
                                             "and the schedule are kept in %2 instead."),
                       {programFolder, DataFolder()}));
            // Not written: said again at the next start, which is better than never.
            WriteProfileKey(settings, NoticeSection, ReadOnlyFolderKey, programFolder);
        }
    }
    std::string data;
    std::string error;
    if (files.exists(settings) && !files.readWholeFile(settings, data, error))
        parts.push_back(FillIn(
            Translate("Schedule",
                      "The settings file %1 cannot be read: %2. The settings start from their defaults."),
            {settings, error}));
    if (const std::string problem = files.writeProblem(settings); !problem.empty())
        parts.push_back(FillIn(
            Translate(
                "Schedule",
                "The settings file %1 cannot be written: %2. Changes to the settings will not be kept."),
            {settings, problem}));
    if (scheduleStored) {
        const std::string schedule = ScheduleFilePath();
        if (const std::string problem = files.writeProblem(schedule); !problem.empty())
            parts.push_back(
                FillIn(Translate("Schedule", "The schedule file %1 cannot be written: %2. Changes to the "
                                             "schedule will not be kept."),
                       {schedule, problem}));
    }
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : "\n\n") + part;
    return text;
}

} // namespace halvo
