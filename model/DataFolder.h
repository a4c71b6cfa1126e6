#pragma once

// Where the schedule file and the settings file live. Beside the executable when that folder is writable
// (a portable copy), else in the user's configuration folder (an installed copy cannot write beside
// itself). Every reader and writer asks here, so the two files always stay together.

#include <string>

namespace halvo {

std::string DataFolder();       // ends with the path separator
std::string ScheduleFilePath(); // DataFolder() + "sch.cks"
std::string SettingsFilePath(); // DataFolder() + "setting.ini"

// What the user has to hear about the stored files at the start, empty when nothing: a settings file that
// cannot be read or written, a schedule file that cannot be written (when scheduleStored), and, once for
// each program folder, that the program folder is read-only and where the files are kept instead.
std::string StoredFilesNotice(bool scheduleStored);

} // namespace halvo
