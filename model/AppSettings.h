#pragma once

// The user settings, held by the engine and changed by the Option page. Stored in section "setting" of the
// settings file, one key each, "1" or "0".

#include <string>

namespace halvo {

struct AppSettings {
    bool AutoStartup = false;
    bool AutoSave = false;
    bool Remind = false;
    // Hold off automatic sleep while an action waits; on unless the file says otherwise.
    bool KeepAwake = true;
    // Wake the computer from sleep for the schedule and armed moments.
    bool WakeForSchedule = false;
};

// Reads the keys in order; a key missing or not a number reads as its default (false for the first
// three, as files of every earlier version hold them; KeepAwake true), any other number true.
AppSettings LoadSettings(const std::string& settingsFile);

// Writes all keys in order. Stops at the first key that cannot be written and returns false with
// error set to "Unable to write to <settingsFile>".
bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error);

} // namespace halvo
