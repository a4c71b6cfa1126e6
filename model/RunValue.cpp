#include "RunValue.h"

#include "platform/Platform.h"

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
        return std::string("Invalid data type for '") + RunValueName + "'";
    case AutoStart::Outcome::NotWritten:
        break;
    }
    return std::string("Failed to set data for '") + RunValueName + "'";
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
