#include "QuickActions.h"

#include "Profile.h"
#include "Tasks.h"
#include "WallClock.h"
#include "platform/Platform.h"
#include "platform/Translate.h"

namespace halvo {

namespace {

using Verb = CommandRequest::Verb;

bool armsGeneral(const CommandRequest& request) {
    return request.verb == Verb::In || request.verb == Verb::At || request.verb == Verb::When;
}

std::string durationWords(std::int32_t seconds) {
    std::string text;
    if (seconds >= 3600)
        text += std::to_string(seconds / 3600) + "h";
    if (seconds / 60 % 60)
        text += std::to_string(seconds / 60 % 60) + "m";
    if (seconds % 60 || text.empty())
        text += std::to_string(seconds % 60) + "s";
    return text;
}

std::string key(const char* what, int number) {
    return what + std::to_string(number);
}

std::string readKey(const std::string& file, const std::string& name) {
    return platform().profiles().readKey(file, QuickSection, name, 2047);
}

} // namespace

std::string QuickActionWords(const CommandRequest& request) {
    if (!armsGeneral(request))
        return {};
    const std::string line = EncodeRequest(request);
    const std::string prefix = std::string(ProtocolPrefix) + " ";
    return line.starts_with(prefix) ? line.substr(prefix.size()) : std::string();
}

std::optional<CommandRequest> QuickActionRequest(std::string_view words) {
    if (words.empty())
        return std::nullopt;
    std::string error;
    auto request = DecodeRequest(std::string(ProtocolPrefix) + " " + std::string(words), error);
    if (!request || !armsGeneral(*request))
        return std::nullopt;
    return request;
}

std::string QuickActionCommand(const CommandRequest& request) {
    const TaskKind* kind = KindOfCode(request.taskCode);
    const std::string task = kind && kind->CommandName ? kind->CommandName : "?";
    switch (request.verb) {
    case Verb::In:
        return "--in " + durationWords(request.seconds) + " " + task;
    case Verb::At: {
        std::string time = TwoDigits(request.hour) + ":" + TwoDigits(request.minute);
        if (request.second)
            time += ":" + TwoDigits(request.second);
        return "--at " + time + " " + task;
    }
    case Verb::When: {
        std::string text;
        for (const ConditionSpec& condition : request.conditions)
            text += "--when " + ConditionText(condition) + " ";
        return text + task;
    }
    default:
        return {};
    }
}

std::string CleanQuickName(std::string_view typed, std::string& error) {
    const std::size_t first = typed.find_first_not_of(" \t");
    const std::size_t last = typed.find_last_not_of(" \t");
    const std::string name =
        first == std::string_view::npos ? std::string() : std::string(typed.substr(first, last - first + 1));
    if (name.empty())
        error = Translate("QuickActions", "The name must not be empty");
    else if (name.size() > MaxQuickNameLength)
        error = FillIn(Translate("QuickActions", "The name must be at most %1 characters long"),
                       {std::to_string(MaxQuickNameLength)});
    else if (name.find_first_of("\r\n\"") != std::string::npos)
        error = Translate("QuickActions", "The name must not hold quotes or line breaks");
    else
        return name;
    return {};
}

int FindQuickAction(const std::vector<QuickAction>& actions, std::string_view name) {
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i].name == name)
            return int(i);
    return -1;
}

LoadedQuickActions LoadQuickActions(const std::string& settingsFile) {
    LoadedQuickActions loaded;
    for (int number = 1; number <= MaxQuickActions; ++number) {
        const std::string name = readKey(settingsFile, key("Name", number));
        const std::string words = readKey(settingsFile, key("Action", number));
        if (name.empty() && words.empty())
            break;
        loaded.highestNumber = number;
        std::string error;
        const std::string clean = CleanQuickName(name, error);
        const auto request = QuickActionRequest(words);
        if (clean.empty() || !request || FindQuickAction(loaded.actions, clean) >= 0) {
            loaded.damagedNumbers.push_back(number);
            continue;
        }
        loaded.actions.push_back({clean, *request});
    }
    return loaded;
}

bool StoreQuickActions(const std::vector<QuickAction>& actions, int previousHighest,
                       const std::string& settingsFile, std::string& error) {
    const auto write = [&](const std::string& name, const std::string& value) {
        if (WriteProfileKey(settingsFile, QuickSection, name.c_str(), value))
            return true;
        error = FillIn(Translate("Schedule", "Unable to write to %1"), {settingsFile});
        return false;
    };
    int number = 0;
    for (const QuickAction& action : actions) {
        ++number;
        // Quoted, so that the name's own blanks survive the profile rules.
        if (!write(key("Name", number), "\"" + action.name + "\"") ||
            !write(key("Action", number), QuickActionWords(action.request)))
            return false;
    }
    for (++number; number <= previousHighest; ++number)
        if (!write(key("Name", number), "") || !write(key("Action", number), ""))
            return false;
    return true;
}

} // namespace halvo
