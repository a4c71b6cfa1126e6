#include "AppSettings.h"

#include "Profile.h"

#include <optional>

namespace halvo {

namespace {

// The keys in the order they are read and written.
struct Key {
    const char* name;
    bool AppSettings::*flag;
    bool byDefault;
};
constexpr Key Keys[] = {{"Setting_AutoStartup", &AppSettings::AutoStartup, false},
                        {"Setting_AutoSave", &AppSettings::AutoSave, false},
                        {"Setting_Remind", &AppSettings::Remind, false},
                        {"Setting_KeepAwake", &AppSettings::KeepAwake, true},
                        {"Setting_WakeFromSleep", &AppSettings::WakeForSchedule, false}};
constexpr const char* Section = "setting";

} // namespace

AppSettings LoadSettings(const std::string& settingsFile) {
    AppSettings settings;
    for (const auto& key : Keys)
        settings.*key.flag = ReadProfileNumber(settingsFile, Section, key.name).value_or(key.byDefault) != 0;
    return settings;
}

bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error) {
    for (const auto& key : Keys) {
        if (!WriteProfileKey(settingsFile, Section, key.name, settings.*key.flag ? "1" : "0")) {
            error = "Unable to write to " + settingsFile;
            return false;
        }
    }
    return true;
}

} // namespace halvo
