#include "DataFolder.h"

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
            parts.push_back("The program folder " + programFolder +
                            " cannot be written to, so the settings and the schedule are kept in " +
                            DataFolder() + " instead.");
            // Not written: said again at the next start, which is better than never.
            WriteProfileKey(settings, NoticeSection, ReadOnlyFolderKey, programFolder);
        }
    }
    std::string data;
    std::string error;
    if (files.exists(settings) && !files.readWholeFile(settings, data, error))
        parts.push_back("The settings file " + settings + " cannot be read: " + error +
                        ". The settings start from their defaults.");
    if (const std::string problem = files.writeProblem(settings); !problem.empty())
        parts.push_back("The settings file " + settings + " cannot be written: " + problem +
                        ". Changes to the settings will not be kept.");
    if (scheduleStored) {
        const std::string schedule = ScheduleFilePath();
        if (const std::string problem = files.writeProblem(schedule); !problem.empty())
            parts.push_back("The schedule file " + schedule + " cannot be written: " + problem +
                            ". Changes to the schedule will not be kept.");
    }
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : "\n\n") + part;
    return text;
}

} // namespace halvo
