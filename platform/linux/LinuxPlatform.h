#pragma once

// The real platform on a Linux desktop. Each Windows operation the program calls is carried out by the
// desktop's own means: logind and the screen saver over D-Bus, X11 windows, pidfd processes, programs
// started without a shell, the XDG autostart entry as the Run value, and plain files for the profiles.
// Handles (processes, tokens, keys) are numbers of this object's handle table.

#include "platform/Platform.h"

#include "DesktopSession.h"
#include "X11Windows.h"

#include <map>
#include <memory>
#include <mutex>

namespace halvo::linuxbackend {

class ProcessReference;

class LinuxPlatform : public Platform {
public:
    // displayName: the X display to use; empty for $DISPLAY. useResourceExtension: see X11Windows.
    explicit LinuxPlatform(std::string displayName = {}, bool useResourceExtension = true);
    ~LinuxPlatform() override;

    Handle GetCurrentProcess() override;
    std::uint32_t GetCurrentProcessId() override;
    bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) override;
    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) override;
    bool AdjustTokenPrivileges(Handle token, bool disableAllPrivileges, const TokenPrivileges* newState,
                               std::uint32_t bufferLength, TokenPrivileges* previousState,
                               std::uint32_t* returnLength) override;
    bool CloseHandle(Handle object) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::string LastErrorText() override { return m_lastErrorText; }
    std::intptr_t SendMessageTimeoutA(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                      std::uintptr_t* result) override;
    Handle GetModuleHandleA(const char* moduleName) override;
    ProcAddress GetProcAddress(Handle module, const char* procName) override;
    bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) override;
    bool IsPwrSuspendAllowed() override { return m_session.CanSuspend(); }
    bool IsPwrHibernateAllowed() override { return m_session.CanHibernate(); }
    bool EnumWindows(const EnumWindowsCallback& callback) override;
    bool IsWindow(Handle window) override;
    bool IsWindowVisible(Handle window) override;
    Handle GetParent(Handle window) override;
    int GetWindowTextA(Handle window, char* buffer, int maxCount) override;
    std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId) override;
    Handle OpenProcess(std::uint32_t desiredAccess, bool inheritHandle, std::uint32_t processId) override;
    bool TerminateProcess(Handle process, std::uint32_t exitCode) override;
    bool EnumProcessModules(Handle process, Handle* modules, std::uint32_t bytes,
                            std::uint32_t* needed) override;
    std::uint32_t GetModuleFileNameExA(Handle process, Handle module, char* fileName,
                                       std::uint32_t size) override;
    Handle ShellExecuteA(Handle window, const char* operation, const char* file, const char* parameters,
                         const char* directory, int showCommand) override;
    long RegCreateKeyExA(Handle key, const char* subKey, std::uint32_t reserved, const char* className,
                         std::uint32_t options, std::uint32_t desiredAccess, Handle* result,
                         std::uint32_t* disposition) override;
    long RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* type, unsigned char* data,
                          std::uint32_t* dataSize) override;
    long RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const unsigned char* data, std::uint32_t dataSize) override;
    long RegDeleteValueA(Handle key, const char* valueName) override;
    long RegCloseKey(Handle key) override;
    std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                           char* returned, std::uint32_t size, const char* fileName) override;
    bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                    const char* fileName) override;
    std::optional<std::string> AnsiToUtf8(const std::string& bytes) override;
    LocalTime GetLocalTime() override;
    std::string ExecutablePath() override;
    std::string ExecutableFolder() override;
    std::string UserConfigFolder() override;
    bool FileExists(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override;
    bool MakeFolder(const std::string& folder) override;
    bool ReadWholeFile(const std::string& path, std::string& data, std::string& error) override;
    bool WriteWholeFile(const std::string& path, const std::string& data, std::string& error) override;
    bool WriteBackupFile(const std::string& path, const std::string& data, const std::string& original,
                         std::string& error) override;
    bool RenameFile(const std::string& from, const std::string& to, std::string& error) override;
    std::string WriteProblem(const std::string& path) override;

private:
    enum class HandleKind { Process, Token, RunKey, OtherKey };
    struct HandleEntry {
        HandleKind kind = HandleKind::Token;
        std::uint32_t access = 0;
        std::shared_ptr<ProcessReference> process;
    };

    Handle addHandle(HandleEntry entry);
    bool findHandle(Handle handle, HandleKind kind, HandleEntry& entry);
    bool dropHandle(Handle handle, bool keys);
    // Whether logind accepted a request; keeps its refusal for LastErrorText.
    bool answered(bool accepted);

    DesktopSession m_session;
    X11Windows m_windows;
    std::string m_lastErrorText;
    std::mutex m_handlesMutex; // the handle table only; everything else runs on the caller's thread
    std::map<Handle, HandleEntry> m_handles;
    Handle m_nextHandle = 0x100;
};

} // namespace halvo::linuxbackend
