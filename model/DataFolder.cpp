#include "DataFolder.h"

#include "platform/Platform.h"

namespace halvo {

std::string DataFolder() {
    Platform& p = platform();
    const std::string beside = p.ExecutableFolder();
    if (p.FolderWritable(beside))
        return beside;
    const std::string config = p.UserConfigFolder();
    p.MakeFolder(config);
    return config;
}

std::string ScheduleFilePath() {
    return DataFolder() + "sch.cks";
}

std::string SettingsFilePath() {
    return DataFolder() + "setting.ini";
}

} // namespace halvo
