// A small program the Windows backend's tests start as a real child process.
//
//   halvo_win32_helper windows      reads commands from standard input, one a line, and answers each with
//                                    one line on standard output:
//                                      open TITLE    a visible top-level window   -> "ok HWND"
//                                      hidden TITLE  a window never shown         -> "ok HWND"
//                                      popup TITLE   a visible popup owned by the last window -> "ok HWND"
//                                      ping          -> "ok 0"
//                                      exit          ends with exit code 3
//                                    End of input ends it with exit code 4.
//   halvo_win32_helper args FILE ARG...   writes the ARGs, one a line in UTF-8, to FILE (whole or not at all)
//   halvo_win32_helper wait         waits for the end of its input and ends with exit code 5
//
// Exit code 0 therefore only ever comes from TerminateProcess(..., 0).

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT CommandMessage = WM_APP + 1;
constexpr wchar_t WindowClass[] = L"HalvoTestWindow";

std::string narrow(const std::wstring& text) {
    if (text.empty())
        return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring widen(const std::string& text) {
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

void answer(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

// Reads standard input on its own thread and hands each line to the window thread, which must keep
// pumping messages: other processes' calls on our windows are answered there.
DWORD WINAPI readCommands(void* parameter) {
    const DWORD windowThread = DWORD(reinterpret_cast<UINT_PTR>(parameter));
    std::string pending;
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &got, nullptr) && got > 0) {
        pending.append(chunk, got);
        for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            PostThreadMessageW(windowThread, CommandMessage, 0,
                               reinterpret_cast<LPARAM>(new std::string(line)));
        }
    }
    PostThreadMessageW(windowThread, WM_QUIT, 4, 0);
    return 0;
}

int runWindows() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = WindowClass;
    RegisterClassW(&windowClass);

    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists before the reader posts
    const HANDLE reader = CreateThread(nullptr, 0, readCommands,
                                       reinterpret_cast<void*>(UINT_PTR(GetCurrentThreadId())), 0, nullptr);
    if (!reader)
        return 6;
    CloseHandle(reader);

    HWND last = nullptr;
    int offset = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd || message.message != CommandMessage) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        const std::string* line = reinterpret_cast<const std::string*>(message.lParam);
        const std::string command = line->substr(0, line->find(' '));
        const std::string argument =
            line->find(' ') == std::string::npos ? "" : line->substr(line->find(' ') + 1);
        delete line;
        if (command == "exit")
            return 3;
        if (command == "ping") {
            answer("ok 0");
            continue;
        }
        const bool popup = command == "popup";
        if (!popup && command != "open" && command != "hidden") {
            answer("error unknown command");
            continue;
        }
        offset = (offset + 20) % 200;
        // A new window goes to the top of the z-order, so the order of creation decides the order in
        // which the enumeration hands the windows out.
        const HWND window =
            CreateWindowExW(0, WindowClass, widen(argument).c_str(),
                            popup ? WS_POPUP | WS_CAPTION : WS_OVERLAPPEDWINDOW, 40 + offset, 40 + offset,
                            240, 120, popup ? last : nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window) {
            answer("error " + std::to_string(GetLastError()));
            continue;
        }
        if (command != "hidden")
            ShowWindow(window, SW_SHOWNOACTIVATE);
        if (!popup)
            last = window;
        char text[64];
        std::snprintf(text, sizeof text, "ok %llx", static_cast<unsigned long long>(UINT_PTR(window)));
        answer(text);
    }
    return int(message.wParam);
}

int writeArguments(const std::vector<std::wstring>& arguments) {
    if (arguments.size() < 3)
        return 7;
    std::string text;
    for (std::size_t i = 3; i < arguments.size(); ++i)
        text += narrow(arguments[i]) + "\n";
    const std::wstring target = arguments[2];
    const std::wstring temporary = target + L".part";
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 8;
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 9 : 10;
}

} // namespace

int main() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(argv, argv + count);
    LocalFree(argv);
    const std::wstring mode = arguments.size() > 1 ? arguments[1] : L"";
    if (mode == L"windows")
        return runWindows();
    if (mode == L"args")
        return writeArguments(arguments);
    if (mode == L"wait") {
        char ignored[64];
        DWORD got = 0;
        while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), ignored, sizeof ignored, &got, nullptr) && got > 0) {
        }
        return 5;
    }
    return 2;
}
