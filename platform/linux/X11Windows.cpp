#include "X11Windows.h"

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

enum Atom {
    NetClientListStacking,
    NetSupportingWmCheck,
    NetWmName,
    NetWmPid,
    Utf8String,
    AtomCount,
};

const char* const kAtomNames[AtomCount] = {
    "_NET_CLIENT_LIST_STACKING", "_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "_NET_WM_PID", "UTF8_STRING",
};

// After a failed connection, a few seconds pass before the next attempt: a display that cannot be
// reached should not cost a connection timeout on every call.
constexpr long long kReconnectDelayMs = 5000;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

template <typename T> struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

std::string latin1ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

X11Windows::X11Windows(std::string displayName, bool useResourceExtension)
    : m_displayName(std::move(displayName)), m_useResourceExtension(useResourceExtension) {}

X11Windows::~X11Windows() {
    disconnect();
}

void X11Windows::disconnect() {
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}

bool X11Windows::connected() {
    if (m_connection && !xcb_connection_has_error(m_connection))
        return true;
    disconnect();
    if (nowMs() < m_nextConnectAttemptMs)
        return false;
    const char* name = m_displayName.empty() ? nullptr : m_displayName.c_str();
    if (!name && !std::getenv("DISPLAY"))
        return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        m_nextConnectAttemptMs = nowMs() + kReconnectDelayMs;
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(connection);
        m_nextConnectAttemptMs = nowMs() + kReconnectDelayMs;
        return false;
    }
    m_connection = connection;
    m_root = screens.data->root;

    xcb_intern_atom_cookie_t cookies[AtomCount];
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(kAtomNames[i])),
                                     kAtomNames[i]);
    m_atoms.assign(AtomCount, XCB_ATOM_NONE);
    for (int i = 0; i < AtomCount; ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookies[i], nullptr));
        if (reply)
            m_atoms[i] = reply->atom;
    }

    m_hasResourceExtension = false;
    if (m_useResourceExtension) {
        const xcb_query_extension_reply_t* extension = xcb_get_extension_data(m_connection, &xcb_res_id);
        if (extension && extension->present) {
            // Client ids (and with them process ids) came with version 1.2.
            Reply<xcb_res_query_version_reply_t> version(xcb_res_query_version_reply(
                m_connection, xcb_res_query_version(m_connection, 1, 2), nullptr));
            m_hasResourceExtension = version && (version->server_major > 1 ||
                                                 (version->server_major == 1 && version->server_minor >= 2));
        }
    }
    return true;
}

std::string X11Windows::property(std::uint32_t window, std::uint32_t name, std::uint32_t* type) {
    if (type)
        *type = XCB_ATOM_NONE;
    if (name == XCB_ATOM_NONE)
        return {};
    // 64 KiB is far beyond any title or window list that matters here.
    xcb_get_property_cookie_t cookie =
        xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 16384);
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, &error));
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    if (type)
        *type = reply->type;
    const int length = xcb_get_property_value_length(reply.get());
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(value, static_cast<std::size_t>(std::max(length, 0)));
}

std::uint32_t X11Windows::cardinalProperty(std::uint32_t window, std::uint32_t name, std::uint32_t type) {
    std::uint32_t actualType = XCB_ATOM_NONE;
    const std::string value = property(window, name, &actualType);
    if (actualType != type || value.size() < 4)
        return 0;
    std::uint32_t result = 0;
    std::memcpy(&result, value.data(), 4);
    return result;
}

bool X11Windows::windowManagerKeepsStacking() {
    // A window manager that has ended leaves its root properties behind; its check window, which
    // names itself, goes with it.
    const std::uint32_t check = cardinalProperty(m_root, atom(NetSupportingWmCheck), XCB_ATOM_WINDOW);
    return check != 0 && cardinalProperty(check, atom(NetSupportingWmCheck), XCB_ATOM_WINDOW) == check;
}

std::vector<std::uint32_t> X11Windows::TopLevelWindows() {
    std::vector<std::uint32_t> windows;
    if (!connected())
        return windows;
    if (windowManagerKeepsStacking()) {
        std::uint32_t type = XCB_ATOM_NONE;
        const std::string list = property(m_root, atom(NetClientListStacking), &type);
        if (type == XCB_ATOM_WINDOW) {
            windows.resize(list.size() / 4);
            std::memcpy(windows.data(), list.data(), windows.size() * 4);
            // The list runs from the bottom up.
            std::reverse(windows.begin(), windows.end());
            return windows;
        }
    }
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), &error));
    std::free(error);
    if (!tree)
        return windows;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    cookies.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        cookies.push_back(xcb_get_window_attributes(m_connection, children[i]));
    // The tree lists the children from the bottom up.
    for (int i = count - 1; i >= 0; --i) {
        Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(m_connection, cookies[static_cast<std::size_t>(i)], &error));
        std::free(error);
        error = nullptr;
        if (attributes && !attributes->override_redirect)
            windows.push_back(children[i]);
    }
    return windows;
}

bool X11Windows::Exists(std::uint32_t window) {
    if (window == 0 || !connected())
        return false;
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), &error));
    std::free(error);
    return attributes != nullptr;
}

bool X11Windows::Viewable(std::uint32_t window) {
    if (window == 0 || !connected())
        return false;
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), &error));
    std::free(error);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::uint32_t X11Windows::Owner(std::uint32_t window) {
    if (window == 0 || !connected())
        return 0;
    const std::uint32_t owner = cardinalProperty(window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW);
    return owner == m_root ? 0 : owner;
}

std::string X11Windows::Title(std::uint32_t window) {
    if (window == 0 || !connected())
        return {};
    std::uint32_t type = XCB_ATOM_NONE;
    std::string title = property(window, atom(NetWmName), &type);
    if (type == atom(Utf8String) && !title.empty())
        return title;
    title = property(window, XCB_ATOM_WM_NAME, &type);
    if (type == atom(Utf8String))
        return title;
    // STRING is Latin-1; COMPOUND_TEXT is read the same way, right for its Latin-1 part.
    return latin1ToUtf8(title);
}

bool X11Windows::ActivateScreenSaver() {
    if (!connected())
        return false;
    // Checked, so a connection the server has dropped answers false rather than nothing at all.
    xcb_generic_error_t* error = xcb_request_check(
        m_connection, xcb_force_screen_saver_checked(m_connection, XCB_SCREEN_SAVER_ACTIVE));
    const bool ok = !error && !xcb_connection_has_error(m_connection);
    std::free(error);
    return ok;
}

std::uint32_t X11Windows::ProcessId(std::uint32_t window) {
    if (window == 0 || !connected())
        return 0;
    if (m_hasResourceExtension) {
        // The server knows which local client made the window: a window cannot claim another's process. A
        // client it knows no process of came over the network, and whatever _NET_WM_PID it set counts on
        // its own machine: here that number may belong to anyone, so there is no process to name.
        xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
        xcb_generic_error_t* error = nullptr;
        Reply<xcb_res_query_client_ids_reply_t> reply(xcb_res_query_client_ids_reply(
            m_connection, xcb_res_query_client_ids(m_connection, 1, &spec), &error));
        std::free(error);
        if (!reply)
            return 0;
        for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem;
             xcb_res_client_id_value_next(&it)) {
            if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
                xcb_res_client_id_value_value_length(it.data) >= 1)
                return xcb_res_client_id_value_value(it.data)[0];
        }
        return 0;
    }
    // Only the window's own word is left, and a process id means something only on the machine it came
    // from: WM_CLIENT_MACHINE must name this one.
    if (!onThisMachine(window))
        return 0;
    return cardinalProperty(window, atom(NetWmPid), XCB_ATOM_CARDINAL);
}

bool X11Windows::onThisMachine(std::uint32_t window) {
    std::string machine = property(window, XCB_ATOM_WM_CLIENT_MACHINE, nullptr);
    // Some clients count the terminating zero into the property.
    while (!machine.empty() && machine.back() == '\0')
        machine.pop_back();
    char host[HOST_NAME_MAX + 1] = {};
    if (machine.empty() || ::gethostname(host, sizeof host - 1) != 0)
        return false;
    return machine == host;
}

} // namespace halvo::linuxbackend
