#pragma once

// The three user settings, held by the main window and read and written by the pages directly.
// Stored in section "setting" of the settings file, one key each, "1" or "0".

#include <string>

namespace halvo {

struct AppSettings {
    bool AutoStartup = false;
    bool AutoSave = false;
    bool Remind = false;
};

// Reads the three keys in order; anything missing or not a number reads false, any other number true.
AppSettings LoadSettings(const std::string& settingsFile);

// Writes all three keys in order. Stops at the first key that cannot be written and returns false with
// error set to "Unable to write to <settingsFile>".
bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error);

} // namespace halvo
