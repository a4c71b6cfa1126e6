#include "ProcessRoutines.h"

#include <cstring>

namespace halvo {

void EnableShutdownPrivilege() {
    Platform& p = platform();
    // No step checks the one before: a failed step leaves the privilege as it was and the action is asked
    // for all the same, so the platform gives its own answer.
    Handle token = 0;
    p.OpenProcessToken(p.GetCurrentProcess(), win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY, &token);
    Luid luid;
    p.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid);
    TokenPrivileges newState;
    newState.privilegeCount = 1;
    newState.luid = luid;
    newState.attributes = win::SE_PRIVILEGE_ENABLED;
    TokenPrivileges previous;
    std::uint32_t returnLength = 0;
    p.AdjustTokenPrivileges(token, false, &newState, sizeof(TokenPrivileges), &previous, &returnLength);
    if (token)
        p.CloseHandle(token);
}

std::vector<WindowEntry> CollectTopLevelWindows() {
    Platform& p = platform();
    std::vector<WindowEntry> list;
    p.EnumWindows([&](Handle window) {
        if (!p.IsWindow(window) || !p.IsWindowVisible(window) || p.GetParent(window) != 0)
            return true;
        char title[101];
        std::memset(title, 0, sizeof title);
        p.GetWindowTextA(window, title, 101);
        if (title[0] != '\0')
            list.push_back(WindowEntry{std::string(title, strnlen(title, 100)), window});
        return true;
    });
    return list;
}

void ForEachRunEnd(const std::vector<WindowEntry>& list,
                   const std::function<void(std::size_t, std::uint32_t)>& onRunEnd) {
    if (list.size() < 2)
        return;
    Platform& p = platform();
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        p.GetWindowThreadProcessId(list[i].window, &a);
        p.GetWindowThreadProcessId(list[i + 1].window, &b);
        if (a != b)
            onRunEnd(i, a);
    }
}

void TerminateProcessById(std::uint32_t processId) {
    Platform& p = platform();
    const Handle process = p.OpenProcess(win::PROCESS_ALL_ACCESS_OLD, false, processId);
    if (process) {
        p.TerminateProcess(process, 0);
        p.CloseHandle(process);
    }
}

void CloseAllPrograms() {
    const std::uint32_t self = platform().GetCurrentProcessId();
    // Our own windows come up in the list like any other; ending ourselves would stop the walk part-way
    // and the schedule with it.
    ForEachRunEnd(CollectTopLevelWindows(), [self](std::size_t, std::uint32_t processId) {
        if (processId != self)
            TerminateProcessById(processId);
    });
}

} // namespace halvo
