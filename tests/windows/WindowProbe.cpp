// Finds a top-level window by its text, as Windows programs see it, for the tests driven from outside:
//   halvo_window_probe TEXT SECONDS
// waits up to SECONDS for a visible window whose text is exactly TEXT and prints
// "<left> <top> <width> <height>" of it; exit code 1 when none came.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: halvo_window_probe TEXT SECONDS\n", stderr);
        return 2;
    }
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(_wtoi(argv[2])) * 1000;
    do {
        HWND window = FindWindowW(nullptr, argv[1]);
        if (window && IsWindowVisible(window)) {
            RECT rect{};
            GetWindowRect(window, &rect);
            std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top);
            return 0;
        }
        Sleep(100);
    } while (GetTickCount64() < deadline);
    return 1;
}
