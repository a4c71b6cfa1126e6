#include "Win32TestSupport.h"

#include <shellapi.h>

#include <cstdlib>

namespace halvo::test {

namespace {

// Helpers join this job; when the test program ends, however it ends, the system ends them too.
HANDLE helperJob() {
    static const HANDLE job = [] {
        const HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (created)
            SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}

std::string quotedArgument(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string HelperPath() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    std::string self = Narrow(path);
    return self.substr(0, self.find_last_of('\\') + 1) + "halvo_win32_helper.exe";
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    static int serial = 0;
    m_path = Narrow(base) + "halvo Zeitpläne " + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++serial) + "\\";
    CreateDirectoryW(Widen(m_path).c_str(), nullptr);
}

TempFolder::~TempFolder() {
    // SHFileOperation wants the path ended by two zeros.
    std::wstring from = Widen(m_path.substr(0, m_path.size() - 1));
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

std::string ReadFileBytes(const std::string& path) {
    const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file =
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

HelperProcess::HelperProcess(const std::string& arguments, const std::string& executable) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE childInput = nullptr;
    HANDLE childOutput = nullptr;
    if (!CreatePipe(&childInput, &m_input, &inheritable, 0))
        return;
    if (!CreatePipe(&m_output, &childOutput, &inheritable, 0)) {
        CloseHandle(childInput);
        return;
    }
    // Our ends stay with us.
    SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring commandLine = Widen(quotedArgument(executable) + " " + arguments);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(Widen(executable).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
        AssignProcessToJobObject(helperJob(), info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        m_process = info.hProcess;
        m_id = info.dwProcessId;
    }
    CloseHandle(childInput);
    CloseHandle(childOutput);
}

HelperProcess::~HelperProcess() {
    if (m_input)
        CloseHandle(m_input); // end of input: the helper ends by itself
    if (m_process) {
        if (WaitForSingleObject(m_process, 3000) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process, 99);
            WaitForSingleObject(m_process, 3000);
        }
        CloseHandle(m_process);
    }
    if (m_output)
        CloseHandle(m_output);
}

std::string HelperProcess::command(const std::string& line, DWORD timeoutMs) {
    const std::string text = line + "\n";
    DWORD written = 0;
    if (!m_process || !WriteFile(m_input, text.data(), DWORD(text.size()), &written, nullptr))
        return {};
    // Pipes cannot be waited on with a deadline, so look for data and sleep a little in between.
    std::string reply;
    WaitUntil(
        [&] {
            DWORD available = 0;
            if (!PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr))
                return true; // the helper is gone
            if (available > 0) {
                std::string chunk(available, '\0');
                DWORD got = 0;
                ReadFile(m_output, chunk.data(), available, &got, nullptr);
                m_pending.append(chunk.data(), got);
            }
            const auto end = m_pending.find('\n');
            if (end == std::string::npos)
                return false;
            reply = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            return true;
        },
        timeoutMs);
    return reply;
}

HWND HelperProcess::window(const std::string& verb, const std::string& title) {
    const std::string reply = command(verb + " " + title);
    if (reply.rfind("ok ", 0) != 0)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(reply.c_str() + 3, nullptr, 16)));
}

DWORD HelperProcess::waitForExit(DWORD timeoutMs) {
    if (!m_process)
        return STILL_ACTIVE;
    WaitForSingleObject(m_process, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process, &code);
    return code;
}

} // namespace halvo::test
