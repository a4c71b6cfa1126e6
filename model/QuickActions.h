#pragma once

// Saved quick actions: a name and a General action (a task after a delay, at a time of day, or when
// conditions hold) that the tray and --quick arm in one step. The action is kept in the command line's
// own words ("in 3600 shutdown", "at 23:00:00 poweroff", "when idle:15m lock"), which never change with the
// language and are read back by the same rules as a request of the command line.
//
// Stored in section "quick" of the settings file: Name1/Action1, Name2/Action2, ... up to the first number
// with neither key. An entry whose name is empty or whose action cannot be read is left out; the others
// load all the same.

#include "model/CommandLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

struct QuickAction {
    std::string name;
    CommandRequest request; // verb In, At or When

    bool operator==(const QuickAction&) const = default;
};

inline constexpr const char* QuickSection = "quick";
// More would not fit a menu; the reading stops there too.
inline constexpr int MaxQuickActions = 40;
inline constexpr std::size_t MaxQuickNameLength = 60;

// The stored words of a request that arms the General action; empty for any other request.
std::string QuickActionWords(const CommandRequest& request);
// The request of stored words; nothing for words that do not arm the General action.
std::optional<CommandRequest> QuickActionRequest(std::string_view words);

// The command line's form of the action, as --status lists it: "--in 1h30m shutdown",
// "--at 23:00 poweroff", "--when idle:15m lock".
std::string QuickActionCommand(const CommandRequest& request);

// A name the user typed, trimmed; empty, with error set, for a name that cannot be stored.
std::string CleanQuickName(std::string_view typed, std::string& error);

// The index of the action named name (exactly), or -1.
int FindQuickAction(const std::vector<QuickAction>& actions, std::string_view name);

struct LoadedQuickActions {
    std::vector<QuickAction> actions;
    int highestNumber = 0;           // of the keys found, read or not
    std::vector<int> damagedNumbers; // entries left out
};
LoadedQuickActions LoadQuickActions(const std::string& settingsFile);

// Writes every action in order and empties the keys of numbers up to previousHighest that are left over.
// false, with error set to "Unable to write to <settingsFile>", at the first key that cannot be written.
bool StoreQuickActions(const std::vector<QuickAction>& actions, int previousHighest,
                       const std::string& settingsFile, std::string& error);

} // namespace halvo
