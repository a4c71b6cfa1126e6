#include "ProcessRoutines.h"
#include "platform/Translate.h"

#include "platform/UiServices.h"

namespace halvo {

std::vector<WindowEntry> CollectTopLevelWindows() {
    return platform().windows().visibleWindows();
}

void ForEachRunEnd(const std::vector<WindowEntry>& list,
                   const std::function<void(std::size_t, std::uint32_t)>& onRunEnd) {
    if (list.size() < 2)
        return;
    DesktopWindows& windows = platform().windows();
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        const std::uint32_t a = windows.processOf(list[i].window);
        const std::uint32_t b = windows.processOf(list[i + 1].window);
        if (a != b)
            onRunEnd(i, a);
    }
}

void CloseAllPrograms() {
    DesktopWindows& windows = platform().windows();
    const std::uint32_t self = windows.ownProcessId();
    // Our own windows come up in the list like any other; ending ourselves would stop the walk part-way
    // and the schedule with it.
    ForEachRunEnd(CollectTopLevelWindows(), [&](std::size_t, std::uint32_t processId) {
        if (processId != self)
            windows.endProcess(processId);
    });
    // Windows the desktop would not show us stay open: closing all programs but those without a word
    // would look like success.
    const std::string notice = windows.listingNotice();
    if (!notice.empty()) {
        auto popup = ui().CreateNotificationPopup();
        popup->SetMessageText(
            FillIn(Translate("Tasks", "Close all programs could not see every window.\n%1"), {notice}));
        popup->Show();
    }
}

} // namespace halvo
