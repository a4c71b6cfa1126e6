#include "AppSettings.h"
#include "platform/Translate.h"

#include "Profile.h"

namespace halvo {

namespace {

// The keys in the order they are read and written.
struct Key {
    const char* name;
    bool AppSettings::*flag;
};
constexpr Key Keys[] = {{"Setting_AutoStartup", &AppSettings::AutoStartup},
                        {"Setting_AutoSave", &AppSettings::AutoSave},
                        {"Setting_Remind", &AppSettings::Remind}};
constexpr const char* Section = "setting";

} // namespace

AppSettings LoadSettings(const std::string& settingsFile) {
    AppSettings settings;
    for (const auto& key : Keys)
        settings.*key.flag = ReadProfileInteger(settingsFile, Section, key.name) != 0;
    return settings;
}

bool StoreSettings(const AppSettings& settings, const std::string& settingsFile, std::string& error) {
    for (const auto& key : Keys) {
        if (!WriteProfileKey(settingsFile, Section, key.name, settings.*key.flag ? "1" : "0")) {
            error = FillIn(Translate("Schedule", "Unable to write to %1"), {settingsFile});
            return false;
        }
    }
    return true;
}

} // namespace halvo
