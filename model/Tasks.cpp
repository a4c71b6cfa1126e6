#include "Tasks.h"

#include "ProcessRoutines.h"
#include "platform/Platform.h"

namespace halvo {

void TShutDownTask::Run() {
    EnableShutdownPrivilege();
    platform().ExitWindowsEx(win::EWX_SHUTDOWN | win::EWX_FORCE, 0);
}

void TTurnOffTask::Run() {
    EnableShutdownPrivilege();
    platform().ExitWindowsEx(win::EWX_POWEROFF | win::EWX_FORCE, 0);
}

void TCloseProgramTask::Run() {
    Platform& p = platform();
    // Ending ourselves would stop the schedule with us.
    if (ProcessId == p.GetCurrentProcessId())
        return;
    // A process id outlives the program it was picked for: after a restart it may name any other
    // process. Only end the process while it still shows the window the user picked.
    bool stillOwnsWindow = false;
    for (const auto& entry : CollectTopLevelWindows()) {
        if (entry.title != WindowText)
            continue;
        std::uint32_t owner = 0;
        p.GetWindowThreadProcessId(entry.window, &owner);
        if (owner == ProcessId) {
            stillOwnsWindow = true;
            break;
        }
    }
    if (stillOwnsWindow)
        TerminateProcessById(ProcessId);
}

void TScreenSaverTask::Run() {
    // A plain send waits for every window; one hung window would freeze the program's timers for good.
    std::uintptr_t result = 0;
    platform().SendMessageTimeoutA(win::HWND_BROADCAST, win::WM_SYSCOMMAND, win::SC_SCREENSAVE, 0,
                                   win::SMTO_ABORTIFHUNG, 500, &result);
}

void TLogOffTask::Run() {
    EnableShutdownPrivilege();
    platform().ExitWindowsEx(win::EWX_LOGOFF, 0);
}

void TDisconnectNetTask::Run() {
    ui().ShowMessage("TDisconnectNetTask");
}

void TCloseAllProgramTask::Run() {
    CloseAllPrograms();
}

namespace {

bool isTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

CommandLineParts SplitCommandLine(const std::string& commandLine) {
    std::size_t begin = 0;
    std::size_t end = commandLine.size();
    while (begin < end && isTrimmed(commandLine[begin]))
        ++begin;
    while (end > begin && isTrimmed(commandLine[end - 1]))
        --end;
    const std::string text = commandLine.substr(begin, end - begin);

    CommandLineParts parts;
    if (!text.empty() && text.front() == '"') {
        // A quoted program may hold blanks ("C:\Program Files\..."): it runs to the closing quote.
        const std::size_t close = text.find('"', 1);
        if (close != std::string::npos) {
            parts.file = text.substr(1, close - 1);
            std::size_t rest = close + 1;
            if (rest < text.size() && text[rest] == ' ')
                ++rest;
            if (rest < text.size()) {
                parts.parameters = text.substr(rest);
                parts.hasParameters = true;
            }
            return parts;
        }
    }
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) {
        parts.file = text;
        return parts;
    }
    parts.file = text.substr(0, blank);
    parts.parameters = text.substr(blank + 1);
    parts.hasParameters = true;
    return parts;
}

void TExecuteTask::Run() {
    const CommandLineParts parts = SplitCommandLine(CommandLine);
    platform().ShellExecuteA(0, nullptr, parts.file.c_str(),
                             parts.hasParameters ? parts.parameters.c_str() : nullptr, nullptr,
                             win::SW_SHOWNORMAL);
}

void TRestartTask::Run() {
    EnableShutdownPrivilege();
    platform().ExitWindowsEx(win::EWX_REBOOT, 0);
}

void TMessageTask::Run() {
    std::string text;
    for (const auto& line : Lines) {
        text += line;
        text += "\r\n";
    }
    Popup->SetMessageText(text);
    Popup->Show();
}

void TLockWorkStationTask::Run() {
    EnableShutdownPrivilege();
    Platform& p = platform();
    const Handle user32 = p.GetModuleHandleA("USER32.DLL");
    if (!user32)
        return;
    const ProcAddress lockWorkStation = p.GetProcAddress(user32, "LockWorkStation");
    if (lockWorkStation)
        lockWorkStation();
}

std::unique_ptr<TTask> TaskFromCode(int code) {
    switch (code) {
    case 1:
        return std::make_unique<TShutDownTask>();
    case 2:
        return std::make_unique<TTurnOffTask>();
    case 3:
        return std::make_unique<TCloseProgramTask>();
    case 4:
        return std::make_unique<TScreenSaverTask>();
    case 5:
        return std::make_unique<TLogOffTask>();
    case 6:
        return std::make_unique<TDisconnectNetTask>();
    case 7:
        return std::make_unique<TCloseAllProgramTask>();
    case 8:
        return std::make_unique<TExecuteTask>();
    case 9:
        return std::make_unique<TRestartTask>();
    case 10:
        return std::make_unique<TMessageTask>();
    case 11:
        return std::make_unique<TLockWorkStationTask>();
    default:
        return nullptr;
    }
}

namespace {

// Task codes by list index: the one table between the two numberings.
constexpr int CodeOfListIndex[10] = {1, 2, 9, 5, 11, 4, 7, 3, 8, 10};

} // namespace

std::unique_ptr<TTask> TaskFromListIndex(int index) {
    if (index < 0 || index > 9)
        return nullptr;
    return TaskFromCode(CodeOfListIndex[index]);
}

int ListIndexOfCode(int code) {
    for (int i = 0; i < 10; ++i)
        if (CodeOfListIndex[i] == code)
            return i;
    return -1;
}

std::unique_ptr<TTask> CopyTask(const TTask* source) {
    if (!source)
        return nullptr;
    auto copy = TaskFromCode(source->Code);
    if (auto* from = dynamic_cast<const TExecuteTask*>(source))
        static_cast<TExecuteTask&>(*copy).CommandLine = from->CommandLine;
    else if (auto* from = dynamic_cast<const TCloseProgramTask*>(source)) {
        auto& to = static_cast<TCloseProgramTask&>(*copy);
        to.WindowText = from->WindowText;
        to.ProcessId = from->ProcessId;
    } else if (auto* from = dynamic_cast<const TMessageTask*>(source))
        static_cast<TMessageTask&>(*copy).Lines = from->Lines;
    return copy;
}

} // namespace halvo
