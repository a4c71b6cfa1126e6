#include "AppSettings.h"
#include "platform/Translate.h"

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
constexpr const char* BarKey = "Setting_CountdownBar";

} // namespace

AppSettings LoadSettings(const std::string& settingsFile) {
    AppSettings settings;
    for (const auto& key : Keys)
        settings.*key.flag = ReadProfileNumber(settingsFile, Section, key.name).value_or(key.byDefault) != 0;
    const long long bar = ReadProfileInteger(settingsFile, Section, BarKey);
    if (bar == int(AppSettings::Bar::Top) || bar == int(AppSettings::Bar::Bottom))
        settings.CountdownBar = AppSettings::Bar(bar);
    return settings;
}

bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error) {
    for (const auto& key : Keys) {
        if (!WriteProfileKey(settingsFile, Section, key.name, settings.*key.flag ? "1" : "0")) {
            error = FillIn(Translate("Schedule", "Unable to write to %1"), {settingsFile});
            return false;
        }
    }
    // Written once it is wanted, or to turn off one that was: a file of a program that never showed the bar
    // stays as it was.
    const bool wanted = settings.CountdownBar != AppSettings::Bar::None;
    if ((wanted || ReadProfileInteger(settingsFile, Section, BarKey) != 0) &&
        !WriteProfileKey(settingsFile, Section, BarKey, std::to_string(int(settings.CountdownBar)))) {
        error = FillIn(Translate("Schedule", "Unable to write to %1"), {settingsFile});
        return false;
    }
    return true;
}

} // namespace halvo
