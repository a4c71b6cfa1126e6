#include "AutoStart.h"

#include "toolkit/Dialogs.h"

namespace halvo {

namespace {

bool shown(const std::string& fault) {
    if (fault.empty())
        return false;
    dialogs().Error(QString::fromStdString(fault));
    return true;
}

} // namespace

void EnsureRunValueShowingFaults() {
    shown(EnsureRunValue());
}

bool WriteRunValueShowingFaults() {
    return !shown(WriteRunValue());
}

} // namespace halvo
