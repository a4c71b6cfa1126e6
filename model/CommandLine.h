#pragma once

// The command line and the line protocol that carries it to the running copy. A later start reads its
// arguments into one request, sends it as one line over the single-instance socket and prints the one
// answer line it gets back. The running copy decodes every line afresh: a line it cannot read is answered
// with an error and never acted on.

#include "model/Conditions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

struct CommandRequest {
    enum class Verb { Help, Version, Now, In, At, Cancel, Status, Show, When, Quick };
    Verb verb = Verb::Show;
    std::int32_t taskCode = 0;
    std::int32_t seconds = 0; // In
    std::int32_t hour = 0;    // At, 0 to 23
    std::int32_t minute = 0;
    std::int32_t second = 0;
    std::vector<ConditionSpec> conditions; // When: all must hold, at least one
    std::string name;                      // Quick: the saved quick action's
    // For a request the password guards; empty when none was given. Never taken from an argument.
    std::string password;

    bool operator==(const CommandRequest&) const = default;
};

struct ParsedArguments {
    std::optional<CommandRequest> request; // none for a start of the program itself
    std::string error;                     // one line naming the bad argument; empty when all is well
    // --tray: a start that leaves a copy already running as it is instead of showing its window (the
    // copy the command line starts for its request is one).
    bool trayOnly = false;
    // Where the password comes from: --password-file FILE, or --password - (standard input).
    std::string passwordFile;
    bool passwordFromInput = false;
};

// args without the program's own name. --password-file FILE and --password - may stand anywhere before,
// between or after the words of a request.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// "90s", "45m", "1h30m", "2h", "1h0m30s": hours, minutes and seconds in that order, each at most once,
// each a number with its unit. Nothing for anything else, zero or a total beyond the delay's range.
std::optional<std::int32_t> ParseDuration(std::string_view text);

// "HH:MM" or "HH:MM:SS" on the 24-hour clock.
struct ClockTime {
    std::int32_t hour = 0, minute = 0, second = 0;
};
std::optional<ClockTime> ParseClockTime(std::string_view text);

// The password in the text of a password file or of standard input: its first line, without the line
// break.
std::string PasswordFromText(std::string_view text);

// The usage text of --help.
std::string UsageText();

// The protocol. A request is one line "halvo-shutdown/1 VERB [ARG...]" ("when CONDITION... TASK", each
// condition in its text form with "\\" for a backslash and "\s" for a space; "quick NAME" with the name
// written the same way), followed by "password=HEX" (its UTF-8 bytes in hexadecimal) when a password comes
// with it; the answer is one line, "ok", "ok TEXT" or "error TEXT", with the text's line breaks written as
// "\n" and backslashes as "\\".
inline constexpr const char* ProtocolPrefix = "halvo-shutdown/1";

std::string EncodeRequest(const CommandRequest& request);
// The request of a line (without its line break); nothing, with error set, for a line it cannot read.
std::optional<CommandRequest> DecodeRequest(std::string_view line, std::string& error);

struct CommandAnswer {
    bool ok = true;
    std::string text; // may hold line breaks
};
std::string EncodeAnswer(const CommandAnswer& answer);
std::optional<CommandAnswer> DecodeAnswer(std::string_view line);

} // namespace halvo
