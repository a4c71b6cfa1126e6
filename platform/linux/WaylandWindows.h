#pragma once

// The window lists of Wayland desktops. A Wayland compositor tells no client about the windows of
// others, so each desktop is asked in its own way: KWin runs a small script of ours that calls us back
// over the session bus, sway answers on its IPC socket, and GNOME Shell only through the "Window Calls"
// extension. Every list holds the XWayland windows too.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvo::linuxbackend {

struct ListedWindow {
    std::string title;
    std::uint32_t processId = 0; // 0: the compositor did not say

    bool operator==(const ListedWindow&) const = default;
};

enum class Compositor {
    None, // not a Wayland session: the X server lists the windows
    KWin,
    Sway,
    GnomeShell,
    Other, // a compositor we cannot ask: only its XWayland windows are seen
};

// The desktop of this session: sway by its socket ($SWAYSOCK), KWin and GNOME Shell by who owns their
// name on the session bus, else by $XDG_CURRENT_DESKTOP. None without $WAYLAND_DISPLAY (and a session
// type other than wayland).
Compositor FindCompositor();

// The top-level windows of KWin that are normal, neither minimised nor kept out of the task bar, nor
// owned by another window; topmost first. Nothing when KWin could not be asked or did not answer in time.
class KWinWindowList {
public:
    KWinWindowList();
    ~KWinWindowList();
    KWinWindowList(const KWinWindowList&) = delete;
    KWinWindowList& operator=(const KWinWindowList&) = delete;

    std::optional<std::vector<ListedWindow>> list(std::chrono::milliseconds timeout);

private:
    struct Receiver;
    std::unique_ptr<Receiver> m_receiver;
};

// sway's views (XWayland ones too), most recently focused first; the scratchpad, sway's way of
// minimising, is left out. Nothing when the socket does not answer in time.
std::optional<std::vector<ListedWindow>> ListSwayWindows(const std::string& socketPath,
                                                         std::chrono::milliseconds timeout);

// The normal windows GNOME Shell's "Window Calls" extension lists, topmost first. Nothing when the
// extension is not there or not switched on.
std::optional<std::vector<ListedWindow>> ListGnomeShellWindows(std::chrono::milliseconds timeout);

} // namespace halvo::linuxbackend
