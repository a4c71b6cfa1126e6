#pragma once

// What the Windows backend's tests share: the real platform installed as the current one, temporary
// folders that are removed afterwards, and helper processes (TestHelper.cpp) driven over pipes. Every
// wait has a deadline, and every helper still running at the end is terminated, so no test can hang or
// leave a process behind.

#include "platform/Platform.h"
#include "platform/win32/RealWin32Api.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvo::test {

using win32::Narrow;
using win32::Widen;

// The helper program, built beside the test executable.
std::string HelperPath();

// A fresh folder under the user's temporary folder, with a name outside ASCII and a blank in it so that
// every path the tests use crosses the UTF-8/UTF-16 boundary; removed with its content at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; } // ends with a backslash
    std::string file(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

class HelperProcess {
public:
    // Starts executable (the helper by default) with the arguments, standard input and output as pipes.
    explicit HelperProcess(const std::string& arguments, const std::string& executable = HelperPath());
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    bool started() const { return m_process != nullptr; }
    DWORD id() const { return m_id; }
    HANDLE handle() const { return m_process; }

    // Sends one command line and returns the one line it answers (empty after the deadline).
    std::string command(const std::string& line, DWORD timeoutMs = 10000);
    // "open TITLE" and the like: the window's handle, or 0.
    HWND window(const std::string& verb, const std::string& title);

    // Waits for the process to end; its exit code, or STILL_ACTIVE when it is still running.
    DWORD waitForExit(DWORD timeoutMs);

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
    HANDLE m_input = nullptr;
    HANDLE m_output = nullptr;
    std::string m_pending;
};

// True under Wine, where the tests run in a prefix and on an X server of their own. On a user's Windows
// desktop the tests that close every program's windows must not run: they would end the user's programs.
bool RunningUnderWine();

// Calls condition every 20 ms until it is true or timeoutMs have passed.
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
}

// The real backend as the current platform for the length of a test, with its real layer of Windows calls.
class RealPlatformTest : public ::testing::Test {
protected:
    RealWin32Api real;
    Win32Platform backend{real};
    ScopedPlatform guard{backend};
};

} // namespace halvo::test
