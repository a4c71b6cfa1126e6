#pragma once

// Where the schedule file and the settings file live. Beside the executable when that folder is writable
// (a portable copy), else in the user's configuration folder (an installed copy cannot write beside
// itself). Every reader and writer asks here, so the two files always stay together.

#include <string>

namespace halvo {

std::string DataFolder();       // ends with the path separator
std::string ScheduleFilePath(); // DataFolder() + "sch.cks"
std::string SettingsFilePath(); // DataFolder() + "setting.ini"

} // namespace halvo
