// A test peer that opens X11 windows on request, so a test can lay out windows of several processes in a
// chosen stacking order. Reads commands from stdin, one a line, and answers each on stdout:
//
//   open <visible|hidden> <owner window id or 0> <net|wm> <_NET_WM_PID value or 0> <title...>
//       creates a top-level window with that title (net: _NET_WM_NAME in UTF-8, and a different WM_NAME
//       that must not be used; wm: only WM_NAME, in Latin-1), transient for the owner when one is given,
//       maps it when visible and waits until it is viewable; answers the window id in decimal.
//   open popup ... the same, for an override-redirect window (a menu or tooltip), mapped.
//   machine <host name|->
//       WM_CLIENT_MACHINE of the windows opened after it ("-": none); answers "ok". Until then it is this
//       machine's host name, as ordinary clients set it.
//   pid      answers the helper's process id.
//
// The helper ends when stdin closes. Any failure is answered with a line starting "error".

#include <xcb/xcb.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Titles come in UTF-8; WM_NAME of type STRING is Latin-1.
std::string utf8ToLatin1(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < text.size()) {
            out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else {
            out += '?';
        }
    }
    return out;
}

bool waitViewable(xcb_connection_t* c, xcb_window_t window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (viewable)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace

int main() {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::cout << "error: no X display" << std::endl;
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    xcb_screen_t* screen = screens.data;
    const xcb_atom_t netWmName = internAtom(c, "_NET_WM_NAME");
    const xcb_atom_t netWmPid = internAtom(c, "_NET_WM_PID");
    const xcb_atom_t utf8String = internAtom(c, "UTF8_STRING");

    char host[HOST_NAME_MAX + 1] = {};
    ::gethostname(host, sizeof host - 1);
    std::string machine = host;

    std::string line;
    int offset = 0;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "pid") {
            std::cout << ::getpid() << std::endl;
            continue;
        }
        if (command == "machine") {
            in >> machine;
            if (machine == "-")
                machine.clear();
            std::cout << "ok" << std::endl;
            continue;
        }
        if (command != "open") {
            std::cout << "error: unknown command " << command << std::endl;
            continue;
        }
        std::string visibility, naming;
        std::uint32_t owner = 0, pid = 0;
        in >> visibility >> owner >> naming >> pid;
        std::string title;
        std::getline(in >> std::ws, title);

        const xcb_window_t window = xcb_generate_id(c);
        const std::uint32_t values[] = {screen->white_pixel, visibility == "popup" ? 1u : 0u};
        offset = (offset + 20) % 200;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, static_cast<std::int16_t>(offset),
                          static_cast<std::int16_t>(offset), 200, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        if (naming == "net") {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmName, utf8String, 8,
                                static_cast<std::uint32_t>(title.size()), title.data());
            const std::string decoy = "WM_NAME must not be used";
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                                static_cast<std::uint32_t>(decoy.size()), decoy.data());
        } else {
            const std::string latin1 = utf8ToLatin1(title);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                                static_cast<std::uint32_t>(latin1.size()), latin1.data());
        }
        if (!machine.empty())
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING,
                                8, static_cast<std::uint32_t>(machine.size()), machine.data());
        if (pid != 0)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmPid, XCB_ATOM_CARDINAL, 32, 1, &pid);
        if (owner != 0)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW,
                                32, 1, &owner);
        const bool mapped = visibility == "visible" || visibility == "popup";
        if (mapped)
            xcb_map_window(c, window);
        xcb_flush(c);
        if (mapped && !waitViewable(c, window)) {
            std::cout << "error: window " << window << " did not become viewable" << std::endl;
            continue;
        }
        std::cout << window << std::endl;
    }
    xcb_disconnect(c);
    return 0;
}
