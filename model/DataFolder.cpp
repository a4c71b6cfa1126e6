#include "DataFolder.h"

#include "platform/Platform.h"

namespace halvo {

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

} // namespace halvo
