#pragma once

// The X11 side of the window calls: the top-level client windows, their visibility, owner, title and
// process. Window handles are X window ids. Without an X display (a Wayland-only desktop, a service)
// there are no windows and nothing fails.

#include <cstdint>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace halvo::linuxbackend {

class X11Windows {
public:
    // displayName empty: $DISPLAY. useResourceExtension false skips X-Resource, as on servers without it.
    explicit X11Windows(std::string displayName = {}, bool useResourceExtension = true);
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    // Top-level client windows in stacking order, topmost first: the window manager's
    // _NET_CLIENT_LIST_STACKING when one runs and keeps it, else the root's children that are not
    // override-redirect (menus and tooltips are nobody's top-level window).
    std::vector<std::uint32_t> TopLevelWindows();

    bool Exists(std::uint32_t window);
    bool Viewable(std::uint32_t window);
    // WM_TRANSIENT_FOR, the owner of a dialog; 0 when none (or the root, meaning the whole group).
    std::uint32_t Owner(std::uint32_t window);
    // _NET_WM_NAME (UTF-8), else WM_NAME (Latin-1, given back as UTF-8).
    std::string Title(std::uint32_t window);
    // The process of the local client that made the window (X-Resource): 0 for a client the server knows
    // no local process of (one connected over the network). Without X-Resource, _NET_WM_PID when the
    // window's WM_CLIENT_MACHINE is this machine's host name. 0 when unknown.
    std::uint32_t ProcessId(std::uint32_t window);

    // Switches the X server's own screen saver on, as its time-out would; false without a display.
    bool ActivateScreenSaver();

private:
    bool connected();
    void disconnect();
    std::uint32_t atom(int which) const { return m_atoms[which]; }
    std::string property(std::uint32_t window, std::uint32_t name, std::uint32_t* type);
    std::uint32_t cardinalProperty(std::uint32_t window, std::uint32_t name, std::uint32_t type);
    bool windowManagerKeepsStacking();
    bool onThisMachine(std::uint32_t window);

    std::string m_displayName;
    bool m_useResourceExtension;
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    bool m_hasResourceExtension = false;
    long long m_nextConnectAttemptMs = 0;
    std::vector<std::uint32_t> m_atoms;
};

} // namespace halvo::linuxbackend
