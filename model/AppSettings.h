#pragma once

// The user settings, held by the engine and changed by the Option page. Stored in section "setting" of the
// settings file, one key each: the flags "1" or "0", the countdown bar's edge as a number.

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
    // The countdown bar of an armed After or At action: none, along the screen's top or its bottom edge.
    enum class Bar { None = 0, Top = 1, Bottom = 2 };
    Bar CountdownBar = Bar::None;

    bool operator==(const AppSettings&) const = default;
};

// Reads the keys in order; a flag missing or not a number reads as its default (false for the first three,
// as files of every earlier version hold them; KeepAwake true), any other number true; a bar other than 1
// or 2 reads none.
AppSettings LoadSettings(const std::string& settingsFile);

// Writes the flags in order, then the bar when one is wanted or the file holds one. Stops at the first key
// that cannot be written and returns false with error set to "Unable to write to <settingsFile>".
bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error);

} // namespace halvo
