#pragma once

// The auto-start entry as an XDG autostart entry: the desktop starts every application whose desktop
// entry lies in $XDG_CONFIG_HOME/autostart when the user logs in. The program gives a command line
// ("/path/to/program" args); the entry's Exec key holds the same words in desktop-entry quoting.

#include <optional>
#include <string>

namespace halvo::linuxbackend {

std::string AutostartEntryPath(); // ConfigHome()/autostart/halvo-shutdown.desktop

// The entry's whole text for a command line.
std::string ComposeAutostartEntry(const std::string& runValue);

struct AutostartValue {
    enum class State {
        Absent,    // no file, or an entry the user switched off (Hidden, X-GNOME-Autostart-enabled=false)
        Present,   // text holds the command line
        Malformed, // not a desktop entry we can read a command line from
    };
    State state = State::Absent;
    std::string text;
};

// Reads the command line back from an entry's text.
AutostartValue ParseAutostartEntry(const std::string& entryText);

// The Exec value's words, by the desktop-entry rules (string escapes, then quoting; field codes dropped).
std::optional<std::string> ExecToRunValue(const std::string& execValue);
std::string RunValueToExec(const std::string& runValue);

} // namespace halvo::linuxbackend
