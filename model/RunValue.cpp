#include "RunValue.h"

#include "platform/Platform.h"
#include "platform/Translate.h"

namespace halvo {

namespace {

std::string ownCommand() {
    return "\"" + platform().files().executablePath() + "\"";
}

std::string faultOf(AutoStart::Outcome outcome) {
    switch (outcome) {
    case AutoStart::Outcome::Done:
        return {};
    case AutoStart::Outcome::NotACommand:
        return FillIn(Translate("RunValue", "Invalid data type for '%1'"), {RunValueName});
    case AutoStart::Outcome::NotWritten:
        break;
    }
    return FillIn(Translate("RunValue", "Failed to set data for '%1'"), {RunValueName});
}

} // namespace

std::string EnsureRunValue() {
    return faultOf(platform().autoStart().ensureEntry(ownCommand()));
}

std::string WriteRunValue() {
    return faultOf(platform().autoStart().writeEntry(ownCommand()));
}

void DeleteRunValue() {
    platform().autoStart().removeEntry();
}

} // namespace halvo
