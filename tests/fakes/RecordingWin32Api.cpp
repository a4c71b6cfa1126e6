#include "tests/fakes/RecordingWin32Api.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace halvo::win32 {

std::string hex(std::uint64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(value));
    return buffer;
}

std::string quoted(const char* text) {
    return text ? "\"" + std::string(text) + "\"" : "null";
}

namespace {

std::string dec(std::uint64_t value) {
    return std::to_string(value);
}

std::string boolText(bool value) {
    return value ? "true" : "false";
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The profile calls' answers on a file's text (null or empty for a missing file).
std::uint32_t profileStringInto(const std::string* fileText, const char* section, const char* key,
                                const char* defaultValue, char* returned, std::uint32_t size) {
    if (!returned || size == 0)
        return 0;
    std::string value = defaultValue ? defaultValue : "";
    if (fileText && section && key) {
        if (auto found = ini::GetValue(*fileText, section, key))
            value = *found;
    }
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(returned, value.data(), n);
    returned[n] = '\0';
    return std::uint32_t(n);
}

std::string writtenProfileString(const std::string& fileText, const char* section, const char* key,
                                 const char* value) {
    if (!section)
        return fileText;
    if (!key)
        return ini::RemoveSection(fileText, section);
    if (!value)
        return ini::RemoveKey(fileText, section, key);
    return ini::SetValue(fileText, section, key, value);
}

} // namespace

void RecordingWin32Api::addProcess(std::uint32_t id, std::set<std::uint32_t> access,
                                   std::string moduleFileName) {
    processes[id] = FakeProcess{id, std::move(access), std::move(moduleFileName)};
}

void RecordingWin32Api::addWindow(Handle handle, std::string title, std::uint32_t processId, bool visible,
                                  Handle parent) {
    windows.push_back(FakeWindow{handle, std::move(title), true, visible, parent, processId});
}

std::vector<std::string> RecordingWin32Api::callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0)
            out.push_back(c);
    return out;
}

Handle RecordingWin32Api::newHandle() {
    const Handle h = m_nextHandle++;
    openHandles.insert(h);
    return h;
}

const FakeWindow* RecordingWin32Api::findWindow(Handle window) const {
    for (const auto& w : windows)
        if (w.handle == window)
            return &w;
    return nullptr;
}

// The pseudo handle the platform gives for the own process.
Handle RecordingWin32Api::GetCurrentProcess() {
    record("GetCurrentProcess()");
    return static_cast<Handle>(-1);
}

std::uint32_t RecordingWin32Api::GetCurrentProcessId() {
    return currentProcessId;
}

bool RecordingWin32Api::OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) {
    record("OpenProcessToken(" + (process == static_cast<Handle>(-1) ? std::string("-1") : dec(process)) +
           ", " + hex(desiredAccess) + ")");
    if (!tokenOpens) {
        if (token)
            *token = 0;
        return false;
    }
    if (token)
        *token = newHandle();
    return true;
}

bool RecordingWin32Api::LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) {
    record("LookupPrivilegeValueA(" + quoted(systemName) + ", " + quoted(name) + ")");
    if (!privilegeLookupSucceeds)
        return false;
    if (luid)
        *luid = Luid{19, 0}; // SE_SHUTDOWN_PRIVILEGE on Windows
    return true;
}

bool RecordingWin32Api::AdjustTokenPrivileges(Handle token, bool disableAllPrivileges,
                                              const TokenPrivileges* newState, std::uint32_t bufferLength,
                                              TokenPrivileges* previousState, std::uint32_t* returnLength) {
    std::string state = "null";
    if (newState)
        state = "{" + dec(newState->privilegeCount) + ", {" + dec(newState->luid.lowPart) + ", " +
                std::to_string(newState->luid.highPart) + "}, " + dec(newState->attributes) + "}";
    record("AdjustTokenPrivileges(" + dec(token) + ", " + boolText(disableAllPrivileges) + ", " + state +
           ", " + dec(bufferLength) + ", " + (previousState ? "buffer" : "null") + ", " +
           (returnLength ? "length" : "null") + ")");
    if (returnLength)
        *returnLength = 16;
    return true;
}

bool RecordingWin32Api::CloseHandle(Handle object) {
    record("CloseHandle(" + dec(object) + ")");
    const bool known = openHandles.erase(object) > 0;
    m_processHandles.erase(object);
    m_snapshots.erase(object);
    waitableTimers.erase(object);
    return known;
}

bool RecordingWin32Api::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    record("ExitWindowsEx(" + dec(flags) + ", " + dec(reason) + ")");
    return exitRefusal.empty();
}

std::string RecordingWin32Api::LastErrorText() {
    record("LastErrorText()");
    return exitRefusal.empty() ? launchRefusal : exitRefusal;
}

std::intptr_t RecordingWin32Api::SendMessageTimeoutA(Handle window, std::uint32_t message,
                                                     std::uintptr_t wParam, std::intptr_t lParam,
                                                     std::uint32_t flags, std::uint32_t timeoutMs,
                                                     std::uintptr_t* result) {
    record("SendMessageTimeoutA(" + hex(window) + ", " + hex(message) + ", " + hex(wParam) + ", " +
           std::to_string(lParam) + ", " + hex(flags) + ", " + dec(timeoutMs) + ")");
    if (result)
        *result = 0;
    return 1;
}

Handle RecordingWin32Api::GetModuleHandleA(const char* moduleName) {
    record("GetModuleHandleA(" + quoted(moduleName) + ")");
    if (user32Present && moduleName && lower(moduleName) == "user32.dll")
        return 0x7700;
    return 0;
}

ProcAddress RecordingWin32Api::GetProcAddress(Handle module, const char* procName) {
    record("GetProcAddress(" + dec(module) + ", " + quoted(procName) + ")");
    if (module == 0x7700 && lockWorkStationPresent && procName && std::string(procName) == "LockWorkStation")
        return [this]() -> long {
            record("LockWorkStation()");
            return exitRefusal.empty() ? 1 : 0;
        };
    return {};
}

bool RecordingWin32Api::SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) {
    const auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
    record("SetSuspendState(" + flag(hibernate) + ", " + flag(force) + ", " + flag(wakeupEventsDisabled) +
           ")");
    return exitRefusal.empty();
}

bool RecordingWin32Api::IsPwrSuspendAllowed() {
    record("IsPwrSuspendAllowed()");
    return suspendAllowed;
}

bool RecordingWin32Api::IsPwrHibernateAllowed() {
    record("IsPwrHibernateAllowed()");
    return hibernateAllowed;
}

bool RecordingWin32Api::EnumWindows(const EnumWindowsCallback& callback) {
    record("EnumWindows()");
    // A copy, so a callback that changes the script cannot disturb the walk.
    const auto handles = [this] {
        std::vector<Handle> h;
        for (const auto& w : windows)
            h.push_back(w.handle);
        return h;
    }();
    for (Handle h : handles)
        if (!callback(h))
            break;
    return true;
}

bool RecordingWin32Api::IsWindow(Handle window) {
    record("IsWindow(" + dec(window) + ")");
    const auto* w = findWindow(window);
    return w && w->exists;
}

bool RecordingWin32Api::IsWindowVisible(Handle window) {
    record("IsWindowVisible(" + dec(window) + ")");
    const auto* w = findWindow(window);
    return w && w->exists && w->visible;
}

Handle RecordingWin32Api::GetParent(Handle window) {
    record("GetParent(" + dec(window) + ")");
    const auto* w = findWindow(window);
    return w ? w->parent : 0;
}

int RecordingWin32Api::GetWindowTextA(Handle window, char* buffer, int maxCount) {
    record("GetWindowTextA(" + dec(window) + ", " + std::to_string(maxCount) + ")");
    const auto* w = findWindow(window);
    if (!w || !buffer || maxCount <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(w->title.size(), std::size_t(maxCount - 1));
    std::memcpy(buffer, w->title.data(), n);
    buffer[n] = '\0';
    return int(n);
}

std::uint32_t RecordingWin32Api::GetWindowThreadProcessId(Handle window, std::uint32_t* processId) {
    record("GetWindowThreadProcessId(" + dec(window) + ")");
    const auto* w = findWindow(window);
    if (processId)
        *processId = w ? w->processId : 0;
    return w ? 1 : 0;
}

Handle RecordingWin32Api::OpenProcess(std::uint32_t desiredAccess, bool inheritHandle,
                                      std::uint32_t processId) {
    record("OpenProcess(" + hex(desiredAccess) + ", " + boolText(inheritHandle) + ", " + dec(processId) +
           ")");
    const auto it = processes.find(processId);
    if (it == processes.end() || !it->second.grantedAccess.count(desiredAccess)) {
        lastError = it == processes.end() ? win::ERROR_INVALID_PARAMETER : win::ERROR_ACCESS_DENIED;
        return 0;
    }
    const Handle h = newHandle();
    m_processHandles[h] = processId;
    return h;
}

bool RecordingWin32Api::TerminateProcess(Handle process, std::uint32_t exitCode) {
    record("TerminateProcess(" + dec(process) + ", " + dec(exitCode) + ")");
    const auto it = m_processHandles.find(process);
    if (it == m_processHandles.end())
        return false;
    terminatedProcessIds.push_back(it->second);
    return true;
}

bool RecordingWin32Api::EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                                           std::uint32_t* needed) {
    record("EnumProcessModules(" + dec(process) + ", " + dec(bytes) + ")");
    const auto it = m_processHandles.find(process);
    if (it == m_processHandles.end())
        return false;
    const auto& p = processes[it->second];
    if (p.moduleFileName.empty())
        return false;
    if (modules && bytes >= sizeof(Handle))
        modules[0] = 0x400000;
    if (needed)
        *needed = sizeof(Handle);
    return true;
}

std::uint32_t RecordingWin32Api::GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                                      std::uint32_t size) {
    record("GetModuleFileNameExA(" + dec(process) + ", " + dec(module) + ", " + dec(size) + ")");
    const auto it = m_processHandles.find(process);
    if (it == m_processHandles.end() || !fileName || size == 0)
        return 0;
    const auto& name = processes[it->second].moduleFileName;
    const std::size_t n = std::min<std::size_t>(name.size(), size - 1);
    std::memcpy(fileName, name.data(), n);
    fileName[n] = '\0';
    return std::uint32_t(n);
}

Handle RecordingWin32Api::ShellExecuteA(Handle window, const char* operation, const char* file,
                                        const char* parameters, const char* directory, int showCommand) {
    record("ShellExecuteA(" + dec(window) + ", " + quoted(operation) + ", " + quoted(file) + ", " +
           quoted(parameters) + ", " + quoted(directory) + ", " + std::to_string(showCommand) + ")");
    return launchRefusal.empty() ? 42 : 2; // above 32: success
}

long RecordingWin32Api::RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t reserved,
                                        const char* className, std::uint32_t options,
                                        std::uint32_t desiredAccess, Handle* result,
                                        std::uint32_t* disposition) {
    record("RegCreateKeyExA(" + hex(key) + ", " + quoted(subKey) + ", " + dec(reserved) + ", " +
           quoted(className) + ", " + dec(options) + ", " + hex(desiredAccess) + ")");
    if (!registryKeyOpens || key != win::HKEY_CURRENT_USER || !subKey) {
        if (result)
            *result = 0;
        return win::ERROR_ACCESS_DENIED;
    }
    std::string path = subKey;
    if (!path.empty() && path.front() == '\\')
        path.erase(0, 1);
    const bool existed = registry.count(lower(path)) > 0;
    registry[lower(path)];
    if (disposition)
        *disposition = existed ? 2 : 1; // REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY
    const Handle h = newHandle();
    m_keyHandles[h] = lower(path);
    if (result)
        *result = h;
    return win::ERROR_SUCCESS;
}

long RecordingWin32Api::RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type,
                                         unsigned char* data, std::uint32_t* dataSize) {
    record("RegQueryValueExA(" + dec(key) + ", " + quoted(valueName) + ")");
    const auto k = m_keyHandles.find(key);
    if (k == m_keyHandles.end())
        return 6; // ERROR_INVALID_HANDLE
    auto& values = registry[k->second];
    const auto v = values.find(lower(valueName ? valueName : ""));
    if (v == values.end())
        return win::ERROR_FILE_NOT_FOUND;
    if (type)
        *type = v->second.type;
    const auto size = std::uint32_t(v->second.data.size());
    if (!dataSize)
        return win::ERROR_SUCCESS;
    if (data && *dataSize < size) {
        *dataSize = size;
        return win::ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, v->second.data.data(), size);
    *dataSize = size;
    return win::ERROR_SUCCESS;
}

long RecordingWin32Api::RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                                       std::uint32_t type, const unsigned char* data,
                                       std::uint32_t dataSize) {
    const std::string bytes(reinterpret_cast<const char*>(data), dataSize);
    record("RegSetValueExA(" + dec(key) + ", " + quoted(valueName) + ", " + dec(reserved) + ", " + dec(type) +
           ", " + quoted(std::string(bytes.c_str()).c_str()) + ", " + dec(dataSize) + ")");
    const auto k = m_keyHandles.find(key);
    if (k == m_keyHandles.end())
        return 6;
    if (!registryWritesSucceed)
        return win::ERROR_ACCESS_DENIED;
    registry[k->second][lower(valueName ? valueName : "")] = FakeRegistryValue{type, bytes};
    return win::ERROR_SUCCESS;
}

long RecordingWin32Api::RegDeleteValueA(Handle key, const char* valueName) {
    record("RegDeleteValueA(" + dec(key) + ", " + quoted(valueName) + ")");
    const auto k = m_keyHandles.find(key);
    if (k == m_keyHandles.end())
        return 6;
    return registry[k->second].erase(lower(valueName ? valueName : "")) ? win::ERROR_SUCCESS
                                                                        : win::ERROR_FILE_NOT_FOUND;
}

long RecordingWin32Api::RegCloseKey(Handle key) {
    record("RegCloseKey(" + dec(key) + ")");
    openHandles.erase(key);
    return m_keyHandles.erase(key) ? win::ERROR_SUCCESS : 6;
}

std::uint32_t RecordingWin32Api::GetPrivateProfileStringA(const char* section, const char* key,
                                                          const char* defaultValue, char* returned,
                                                          std::uint32_t size, const char* fileName) {
    record("GetPrivateProfileStringA(" + quoted(section) + ", " + quoted(key) + ", " + quoted(defaultValue) +
           ", " + dec(size) + ", " + quoted(fileName) + ")");
    return profileStringInto(readable(fileName ? fileName : ""), section, key, defaultValue, returned, size);
}

bool RecordingWin32Api::WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                                   const char* fileName) {
    record("WritePrivateProfileStringA(" + quoted(section) + ", " + quoted(key) + ", " + quoted(value) +
           ", " + quoted(fileName) + ")");
    const std::string path = fileName ? fileName : "";
    if (!writable(path))
        return false;
    std::string& text = storedFiles[path];
    text = writtenProfileString(text, section, key, value);
    return true;
}

std::optional<std::string> RecordingWin32Api::AnsiToUtf8(const std::string& bytes) {
    return ansiToUtf8 ? ansiToUtf8(bytes) : std::nullopt;
}

LocalTime RecordingWin32Api::GetLocalTime() {
    return now;
}

bool RecordingWin32Api::RegisterClassExA(const char* className, Handle instance, WindowProcedure procedure) {
    record("RegisterClassExA(" + quoted(className) + ", " + dec(instance) + ")");
    if (!classRegisters || !className || m_classes.count(className))
        return false;
    m_classes[className] = std::move(procedure);
    return true;
}

bool RecordingWin32Api::UnregisterClassA(const char* className, Handle instance) {
    record("UnregisterClassA(" + quoted(className) + ", " + dec(instance) + ")");
    return className && m_classes.erase(className) > 0;
}

Handle RecordingWin32Api::CreateWindowExA(std::uint32_t exStyle, const char* className,
                                          const char* windowName, std::uint32_t style, int x, int y,
                                          int width, int height, Handle parent, Handle menu,
                                          Handle instance) {
    record("CreateWindowExA(" + hex(exStyle) + ", " + quoted(className) + ", " + quoted(windowName) + ", " +
           hex(style) + ", " + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(width) +
           ", " + std::to_string(height) + ", " + dec(parent) + ", " + dec(menu) + ", " + dec(instance) +
           ")");
    if (!windowCreates || !className || !m_classes.count(className))
        return 0;
    const Handle window = newHandle();
    ownWindows[window] = className;
    return window;
}

bool RecordingWin32Api::DestroyWindow(Handle window) {
    record("DestroyWindow(" + dec(window) + ")");
    openHandles.erase(window);
    const bool message = m_messageWindows.erase(window) > 0;
    return ownWindows.erase(window) > 0 || message;
}

std::intptr_t RecordingWin32Api::DefWindowProcA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                                std::intptr_t) {
    // lParam left out: for some messages it is a pointer, which would make the line differ run by run.
    record("DefWindowProcA(" + dec(window) + ", " + hex(message) + ", " + hex(wParam) + ")");
    return 0;
}

std::intptr_t RecordingWin32Api::deliver(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    const auto found = ownWindows.find(window);
    if (found == ownWindows.end())
        return 0;
    // A copy: the procedure may destroy its window and unregister its class.
    const WindowProcedure procedure = m_classes.at(found->second);
    return procedure(window, message, wParam, lParam);
}

std::string RecordingWin32Api::ExecutablePath() {
    return executablePath;
}

std::string RecordingWin32Api::ExecutableFolder() {
    return executableFolder;
}

std::string RecordingWin32Api::UserConfigFolder() {
    return userConfigFolder;
}

bool RecordingWin32Api::FileExists(const std::string& path) {
    return holds(path);
}

bool RecordingWin32Api::FolderWritable(const std::string& folder) {
    return folderIsWritable(folder);
}

bool RecordingWin32Api::MakeFolder(const std::string& folder) {
    return folderIsWritable(folder);
}

bool RecordingWin32Api::ReadWholeFile(const std::string& path, std::string& data, std::string& error) {
    return read(path, data, error);
}

bool RecordingWin32Api::WriteWholeFile(const std::string& path, const std::string& data, std::string& error) {
    return write(path, data, error);
}

// Through WriteWholeFile, so a subclass that keeps its files elsewhere keeps the copies there too.
bool RecordingWin32Api::WriteBackupFile(const std::string& path, const std::string& data, const std::string&,
                                        std::string& error) {
    return WriteWholeFile(path, data, error);
}

bool RecordingWin32Api::RenameFile(const std::string& from, const std::string& to, std::string& error) {
    return rename(from, to, error);
}

std::string RecordingWin32Api::WriteProblem(const std::string& path) {
    return whyNotWritable(path);
}

// ---- Activity

void RecordingWin32Api::signalWait(Handle wait) {
    const auto it = waits.find(wait);
    if (it != waits.end())
        it->second(false);
}

void RecordingWin32Api::dispatchMessages() {
    while (!postedMessages.empty()) {
        const PostedMessage m = postedMessages.front();
        postedMessages.erase(postedMessages.begin());
        const auto it = m_messageWindows.find(m.window);
        if (it != m_messageWindows.end())
            it->second(m.window, m.message, m.wParam, m.lParam);
    }
}

bool RecordingWin32Api::GetLastInputInfo(std::uint32_t* tick) {
    record("GetLastInputInfo()");
    if (!lastInputTick)
        return false;
    *tick = *lastInputTick;
    return true;
}

std::uint32_t RecordingWin32Api::GetTickCount() {
    return tickCount;
}

bool RecordingWin32Api::GetSystemTimes(std::uint64_t* idleTime, std::uint64_t* kernelTime,
                                       std::uint64_t* userTime) {
    record("GetSystemTimes()");
    if (!systemTimes)
        return false;
    *idleTime = systemTimes->idle;
    *kernelTime = systemTimes->kernel;
    *userTime = systemTimes->user;
    return true;
}

std::uint32_t RecordingWin32Api::GetIfTable2(Handle* table) {
    record("GetIfTable2()");
    *table = ifTableError ? 0 : newHandle();
    return ifTableError;
}

std::vector<InterfaceRow> RecordingWin32Api::MibIfTableRows(Handle table) {
    return openHandles.count(table) ? interfaceRows : std::vector<InterfaceRow>{};
}

void RecordingWin32Api::FreeMibTable(Handle memory) {
    record("FreeMibTable(" + dec(memory) + ")");
    openHandles.erase(memory);
}

bool RecordingWin32Api::GetSystemPowerStatus(SystemPowerStatus* status) {
    record("GetSystemPowerStatus()");
    if (!powerStatus)
        return false;
    *status = *powerStatus;
    return true;
}

Handle RecordingWin32Api::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
    record("CreateToolhelp32Snapshot(" + hex(flags) + ", " + dec(processId) + ")");
    if (!snapshotSucceeds)
        return win::INVALID_HANDLE_VALUE;
    const Handle h = newHandle();
    m_snapshots[h] = 0;
    return h;
}

bool RecordingWin32Api::Process32FirstW(Handle snapshot, ProcessEntry* entry) {
    record("Process32FirstW(" + dec(snapshot) + ")");
    const auto it = m_snapshots.find(snapshot);
    if (it == m_snapshots.end())
        return false;
    it->second = 0;
    if (snapshotProcesses.empty())
        return false;
    *entry = {snapshotProcesses[0].processId, snapshotProcesses[0].exeFile};
    it->second = 1;
    return true;
}

bool RecordingWin32Api::Process32NextW(Handle snapshot, ProcessEntry* entry) {
    record("Process32NextW(" + dec(snapshot) + ")");
    const auto it = m_snapshots.find(snapshot);
    if (it == m_snapshots.end() || it->second >= snapshotProcesses.size())
        return false;
    const auto& p = snapshotProcesses[it->second++];
    *entry = {p.processId, p.exeFile};
    return true;
}

bool RecordingWin32Api::ProcessIdToSessionId(std::uint32_t processId, std::uint32_t* sessionId) {
    record("ProcessIdToSessionId(" + dec(processId) + ")");
    if (processId == currentProcessId) {
        *sessionId = 1;
        return true;
    }
    for (const auto& p : snapshotProcesses)
        if (p.processId == processId) {
            if (p.sessionId)
                *sessionId = *p.sessionId;
            return p.sessionId.has_value();
        }
    // A process that can be opened and is not listed is one of this session's.
    *sessionId = 1;
    return processes.count(processId) > 0;
}

// ASCII only: the tests' names need no more.
int RecordingWin32Api::CompareStringOrdinal(const std::string& first, const std::string& second,
                                            bool ignoreCase) {
    const auto a = ignoreCase ? lower(first) : first;
    const auto b = ignoreCase ? lower(second) : second;
    return a < b ? 1 : a == b ? win::CSTR_EQUAL : 3;
}

bool RecordingWin32Api::RegisterWaitForSingleObject(Handle* waitObject, Handle object, WaitCallback callback,
                                                    std::uint32_t milliseconds, std::uint32_t flags) {
    record("RegisterWaitForSingleObject(" + dec(object) + ", " + hex(milliseconds) + ", " + hex(flags) + ")");
    if (!waitRegisters || !openHandles.count(object)) {
        lastError = 6; // ERROR_INVALID_HANDLE
        return false;
    }
    *waitObject = newHandle();
    waits[*waitObject] = std::move(callback);
    return true;
}

bool RecordingWin32Api::UnregisterWaitEx(Handle waitHandle, Handle completionEvent) {
    record("UnregisterWaitEx(" + dec(waitHandle) + ", " +
           (completionEvent == win::INVALID_HANDLE_VALUE ? std::string("-1") : dec(completionEvent)) + ")");
    openHandles.erase(waitHandle);
    return waits.erase(waitHandle) > 0;
}

Handle RecordingWin32Api::CreateMessageWindow(WindowProcedure procedure) {
    record("CreateMessageWindow()");
    if (!messageWindowCreated) {
        lastError = 1400; // ERROR_INVALID_WINDOW_HANDLE
        return 0;
    }
    const Handle h = newHandle();
    m_messageWindows[h] = std::move(procedure);
    return h;
}

bool RecordingWin32Api::PostMessageW(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    record("PostMessageW(" + dec(window) + ", " + hex(message) + ", " + dec(wParam) + ", " +
           std::to_string(lParam) + ")");
    if (!m_messageWindows.count(window))
        return false;
    postedMessages.push_back({window, message, wParam, lParam});
    return true;
}

std::uint32_t RecordingWin32Api::GetLastError() {
    record("GetLastError()");
    return lastError;
}

std::string RecordingWin32Api::FormatMessageW(std::uint32_t messageId) {
    record("FormatMessageW(" + dec(messageId) + ")");
    switch (messageId) {
    case 5:
        return "Access is denied.";
    case 87:
        return "The parameter is incorrect.";
    default:
        return "System error " + dec(messageId);
    }
}

std::uint32_t RecordingWin32Api::SetThreadExecutionState(std::uint32_t flags) {
    record("SetThreadExecutionState(" + hex(flags) + ")");
    return std::exchange(executionState, flags);
}

Handle RecordingWin32Api::CreateWaitableTimerW(bool manualReset, const char* timerName) {
    record("CreateWaitableTimerW(null, " + boolText(manualReset) + ", " + quoted(timerName) + ")");
    if (!timerCreates) {
        lastError = win::ERROR_ACCESS_DENIED;
        return 0;
    }
    const Handle timer = newHandle();
    waitableTimers[timer] = std::nullopt;
    return timer;
}

bool RecordingWin32Api::SetWaitableTimer(Handle timer, std::int64_t dueTime, std::int32_t periodMs,
                                         bool resume) {
    record("SetWaitableTimer(" + dec(timer) + ", " + std::to_string(dueTime) + ", " +
           std::to_string(periodMs) + ", " + boolText(resume) + ")");
    const auto found = waitableTimers.find(timer);
    if (!timerSets || found == waitableTimers.end()) {
        lastError = win::ERROR_INVALID_PARAMETER;
        return false;
    }
    found->second = dueTime;
    // The timer is set all the same; the system only says it cannot wake the computer by it.
    lastError = resume && !resumeSupported ? std::uint32_t(win::ERROR_NOT_SUPPORTED) : 0;
    return true;
}

bool RecordingWin32Api::CancelWaitableTimer(Handle timer) {
    record("CancelWaitableTimer(" + dec(timer) + ")");
    const auto found = waitableTimers.find(timer);
    if (found == waitableTimers.end())
        return false;
    found->second.reset();
    return true;
}

namespace {
std::uint32_t readIndex(const std::optional<std::uint32_t>& index, std::uint32_t* value) {
    if (!index)
        return 2; // ERROR_FILE_NOT_FOUND: no such setting in the scheme
    *value = *index;
    return 0;
}
} // namespace

std::uint32_t RecordingWin32Api::PowerReadACValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                       std::uint32_t* value) {
    record("PowerReadACValueIndex(" + quoted(subgroupGuid) + ", " + quoted(settingGuid) + ")");
    return readIndex(wakeTimersAc, value);
}

std::uint32_t RecordingWin32Api::PowerReadDCValueIndex(const char* subgroupGuid, const char* settingGuid,
                                                       std::uint32_t* value) {
    record("PowerReadDCValueIndex(" + quoted(subgroupGuid) + ", " + quoted(settingGuid) + ")");
    return readIndex(wakeTimersDc, value);
}

} // namespace halvo::win32
