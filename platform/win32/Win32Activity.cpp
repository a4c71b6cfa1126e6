#include "Win32Activity.h"

#include "platform/Translate.h"

#include <set>

namespace halvo {

namespace {

constexpr std::uint8_t AcOffline = 0;
constexpr std::uint8_t AcOnline = 1;
constexpr std::uint8_t NoSystemBattery = 128;
constexpr std::uint8_t Unknown = 255;

// What the pool thread posts when a watched process has ended: the process id and the watch's number, so
// that a message for a watch stopped meanwhile finds nothing to do.
constexpr std::uint32_t ProcessEndedMessage = win::WM_APP + 0x21;

std::string withoutFolder(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

Win32Activity::Win32Activity(Win32Api& api) : m_api(api) {}

Win32Activity::~Win32Activity() {
    for (const auto& [processId, watch] : m_watches)
        release(watch);
    m_watches.clear();
    if (m_window)
        m_api.DestroyWindow(m_window);
}

std::string Win32Activity::lastErrorText() {
    return m_api.FormatMessageW(m_api.GetLastError());
}

void Win32Activity::userIdle(std::function<void(Reading<std::int64_t>)> answer) {
    std::uint32_t lastInput = 0;
    if (!m_api.GetLastInputInfo(&lastInput)) {
        answer({std::nullopt, lastErrorText()});
        return;
    }
    // Both are tick counts that wrap after 49.7 days: their difference modulo 2^32 is right across a wrap.
    // One that looks negative is input stamped a moment after the clock was read.
    const std::uint32_t idle = m_api.GetTickCount() - lastInput;
    answer({idle >= 0x80000000u ? 0 : std::int64_t(idle), {}});
}

void Win32Activity::processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) {
    std::uint64_t idle = 0, kernel = 0, user = 0;
    if (!m_api.GetSystemTimes(&idle, &kernel, &user)) {
        answer({std::nullopt, lastErrorText()});
        return;
    }
    const std::uint64_t total = kernel + user;
    answer({ProcessorTimes{total > idle ? total - idle : 0, total}, {}});
}

void Win32Activity::networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) {
    Handle table = 0;
    if (const std::uint32_t error = m_api.GetIfTable2(&table)) {
        answer({std::nullopt, m_api.FormatMessageW(error)});
        return;
    }
    const std::vector<InterfaceRow> rows = m_api.MibIfTableRows(table);
    m_api.FreeMibTable(table);
    std::vector<InterfaceBytes> interfaces;
    std::set<std::string> names;
    for (const auto& row : rows) {
        // A filter interface counts the traffic of the adapter it sits on a second time.
        if (row.type == win::IF_TYPE_SOFTWARE_LOOPBACK || row.filterInterface)
            continue;
        // The name keys the counters from one reading to the next, so it must be unique.
        std::string name = row.alias.empty() ? "interface" : row.alias;
        if (row.alias.empty() || names.count(name))
            name += " #" + std::to_string(row.interfaceIndex);
        names.insert(name);
        interfaces.push_back({name, row.inOctets, row.outOctets});
    }
    answer({std::move(interfaces), {}});
}

void Win32Activity::powerSource(std::function<void(Reading<PowerSource>)> answer) {
    SystemPowerStatus status;
    if (!m_api.GetSystemPowerStatus(&status)) {
        answer({std::nullopt, lastErrorText()});
        return;
    }
    // 255, unknown, has the no-battery bit set as well: it is told apart first.
    if (status.batteryFlag == Unknown)
        answer({std::nullopt, Translate("Activity", "The system does not know the battery's state")});
    else if (status.batteryFlag & NoSystemBattery)
        answer({std::nullopt, Translate("Activity", "This computer has no battery")});
    else if (status.batteryLifePercent > 100)
        answer({std::nullopt, Translate("Activity", "The system does not know the battery's charge")});
    else if (status.acLineStatus != AcOffline && status.acLineStatus != AcOnline)
        answer({std::nullopt,
                Translate("Activity", "The system does not know whether the computer runs on battery")});
    else
        answer({PowerSource{status.acLineStatus == AcOffline, double(status.batteryLifePercent)}, {}});
}

std::vector<std::uint32_t> Win32Activity::processesRunning(const std::string& name) {
    std::vector<std::uint32_t> found;
    const std::string wanted = withoutFolder(name);
    if (wanted.empty())
        return found;
    const Handle snapshot = m_api.CreateToolhelp32Snapshot(win::TH32CS_SNAPPROCESS, 0);
    if (snapshot == win::INVALID_HANDLE_VALUE || snapshot == 0)
        return found;
    // This user's processes are those of this session: other users, and the services, have their own.
    std::uint32_t ownSession = 0;
    const bool sessionKnown = m_api.ProcessIdToSessionId(m_api.GetCurrentProcessId(), &ownSession);
    const std::string wantedExe = wanted + ".exe";
    const auto matches = [&](const std::string& exeFile) {
        const std::string file = withoutFolder(exeFile);
        return m_api.CompareStringOrdinal(file, wanted, true) == win::CSTR_EQUAL ||
               m_api.CompareStringOrdinal(file, wantedExe, true) == win::CSTR_EQUAL;
    };
    ProcessEntry entry;
    for (bool more = m_api.Process32FirstW(snapshot, &entry); more;
         more = m_api.Process32NextW(snapshot, &entry)) {
        if (!matches(entry.exeFile))
            continue;
        std::uint32_t session = 0;
        if (sessionKnown && (!m_api.ProcessIdToSessionId(entry.processId, &session) || session != ownSession))
            continue;
        found.push_back(entry.processId);
    }
    m_api.CloseHandle(snapshot);
    return found;
}

bool Win32Activity::watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) {
    stopWatching(processId);
    if (!m_window) {
        m_window = m_api.CreateMessageWindow(
            [this](Handle, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
                return onMessage(message, wParam, lParam);
            });
        if (!m_window) {
            failure = lastErrorText();
            return false;
        }
    }
    const Handle process =
        m_api.OpenProcess(win::SYNCHRONIZE | win::PROCESS_QUERY_LIMITED_INFORMATION, false, processId);
    if (!process) {
        const std::uint32_t error = m_api.GetLastError();
        failure = error == win::ERROR_INVALID_PARAMETER
                      ? FillIn(Translate("Activity", "There is no process with the id %1"),
                               {std::to_string(processId)})
                      : m_api.FormatMessageW(error);
        return false;
    }
    // Another session's process is another user's (or a service's), which this user's actions do not wait
    // for.
    std::uint32_t ownSession = 0, session = 0;
    if (m_api.ProcessIdToSessionId(m_api.GetCurrentProcessId(), &ownSession) &&
        m_api.ProcessIdToSessionId(processId, &session) && session != ownSession) {
        m_api.CloseHandle(process);
        failure = FillIn(Translate("Activity", "The process %1 belongs to another user"),
                         {std::to_string(processId)});
        return false;
    }
    const std::uint64_t number = m_nextNumber++;
    // Runs on a pool thread: it only posts, and touches nothing of this object.
    Win32Api* api = &m_api;
    const Handle window = m_window;
    WaitCallback callback = [api, window, processId, number](bool) {
        api->PostMessageW(window, ProcessEndedMessage, processId, std::intptr_t(number));
    };
    Handle wait = 0;
    if (!m_api.RegisterWaitForSingleObject(&wait, process, std::move(callback), win::INFINITE,
                                           win::WT_EXECUTEONLYONCE)) {
        failure = lastErrorText();
        m_api.CloseHandle(process);
        return false;
    }
    m_watches[processId] = Watch{process, wait, number, std::move(ended)};
    return true;
}

void Win32Activity::stopWatching(std::uint32_t processId) {
    const auto it = m_watches.find(processId);
    if (it == m_watches.end())
        return;
    release(it->second);
    m_watches.erase(it);
}

void Win32Activity::release(const Watch& watch) {
    // Waits for a callback that runs right now, so none runs after the handle is closed.
    m_api.UnregisterWaitEx(watch.wait, win::INVALID_HANDLE_VALUE);
    m_api.CloseHandle(watch.process);
}

std::intptr_t Win32Activity::onMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message != ProcessEndedMessage)
        return 0;
    const auto it = m_watches.find(std::uint32_t(wParam));
    if (it == m_watches.end() || it->second.number != std::uint64_t(lParam))
        return 0;
    // Out of the list before the call: ended may watch again or stop other watches.
    std::function<void()> ended = std::move(it->second.ended);
    release(it->second);
    m_watches.erase(it);
    if (ended)
        ended();
    return 0;
}

} // namespace halvo
