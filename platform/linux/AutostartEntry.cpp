#include "AutostartEntry.h"

#include "Files.h"
#include "Launcher.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace halvo::linuxbackend {

namespace {

// GLib looks for the program an Exec value names before it turns %% back into %, so it rejects the entry
// of a program whose path holds a percent sign, and GNOME never starts it. Such a program is started by a
// shell at a fixed path, which hands the words on unchanged.
constexpr const char* kPercentWrapper[] = {"/bin/sh", "-c", "exec \"$0\" \"$@\""};

bool isFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A Windows command line: the program, quoted when it holds blanks, then its arguments. A Windows path holds
// no quote, so there the program runs to the next quote; a Linux path may hold one. So a quote ends the
// program only where a blank or the end follows and the rest splits into words, and of several such
// quotes the first that leaves an existing file wins: the value this program writes is its own path.
std::vector<std::string> runValueWords(const std::string& runValue) {
    std::size_t i = 0;
    while (i < runValue.size() && (runValue[i] == ' ' || runValue[i] == '\t'))
        ++i;
    if (i == runValue.size())
        return {};
    if (runValue[i] == '"') {
        std::optional<std::vector<std::string>> firstWhole;
        for (auto close = runValue.find('"', i + 1); close != std::string::npos;
             close = runValue.find('"', close + 1)) {
            if (close + 1 < runValue.size() && runValue[close + 1] != ' ' && runValue[close + 1] != '\t')
                continue;
            const auto arguments = SplitShellWords(std::string_view(runValue).substr(close + 1));
            if (!arguments)
                continue;
            std::vector<std::string> words{runValue.substr(i + 1, close - i - 1)};
            words.insert(words.end(), arguments->begin(), arguments->end());
            if (isFile(words.front()))
                return words;
            if (!firstWhole)
                firstWhole = std::move(words);
        }
        if (firstWhole)
            return *firstWhole;
    }
    std::string program;
    if (runValue[i] == '"') {
        const auto close = runValue.find('"', i + 1);
        program = runValue.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
        i = close == std::string::npos ? runValue.size() : close + 1;
    } else {
        const auto blank = runValue.find_first_of(" \t", i);
        program = runValue.substr(i, blank == std::string::npos ? std::string::npos : blank - i);
        i = blank == std::string::npos ? runValue.size() : blank;
    }
    std::vector<std::string> words{program};
    const std::string rest = runValue.substr(i);
    if (const auto split = SplitShellWords(rest)) {
        words.insert(words.end(), split->begin(), split->end());
    } else {
        // Arguments with an unbalanced quote are kept as one word rather than dropped.
        const auto start = rest.find_first_not_of(" \t");
        if (start != std::string::npos)
            words.push_back(rest.substr(start));
    }
    return words;
}

// One Exec argument: always quoted, with the characters the quoting rules reserve escaped, and % doubled
// so it is not taken for a field code.
std::string quoteExecArgument(const std::string& word) {
    std::string out = "\"";
    for (const char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        if (c == '%')
            out += '%';
        out += c;
    }
    out += '"';
    return out;
}

// The escapes of a desktop entry's string values: \s \n \t \r \\ (written back by escapeString).
std::string unescapeString(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += next;
            }
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string escapeString(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// The words as a Run value that runValueWords reads back to the same words: the program always quoted, as
// this program writes the value; an argument quoted only when it needs to be, in the shell's double quotes.
std::string runValueOf(const std::vector<std::string>& words) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (i > 0)
            out += ' ';
        if (i == 0) {
            out += "\"" + w + "\"";
        } else if (w.empty() || w.find_first_of(" \t\n\r'\"\\") != std::string::npos) {
            out += '"';
            for (const char c : w) {
                if (c == '"' || c == '\\' || c == '$' || c == '`')
                    out += '\\';
                out += c;
            }
            out += '"';
        } else {
            out += w;
        }
    }
    return out;
}

} // namespace

std::string AutostartEntryPath() {
    return ConfigHome() + "/autostart/halvo-shutdown.desktop";
}

std::string RunValueToExec(const std::string& runValue) {
    std::vector<std::string> words = runValueWords(runValue);
    if (!words.empty() && words.front().find('%') != std::string::npos)
        words.insert(words.begin(), std::begin(kPercentWrapper), std::end(kPercentWrapper));
    std::string exec;
    for (const auto& word : words) {
        if (!exec.empty())
            exec += ' ';
        exec += quoteExecArgument(word);
    }
    return escapeString(exec);
}

std::optional<std::string> ExecToRunValue(const std::string& execValue) {
    const std::string exec = unescapeString(execValue);
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '"') {
            inWord = true;
            bool closed = false;
            for (++i; i < exec.size(); ++i) {
                if (exec[i] == '"') {
                    closed = true;
                    break;
                }
                // Inside quotes a backslash escapes only the characters the quoting reserves; before any
                // other it is itself, as the desktop's shell-style parser reads it.
                if (exec[i] == '\\' && i + 1 < exec.size() &&
                    std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
                    ++i;
                if (exec[i] == '%' && i + 1 < exec.size() && exec[i + 1] == '%')
                    ++i;
                word += exec[i];
            }
            if (!closed)
                return std::nullopt;
        } else if (c == '%' && i + 1 < exec.size()) {
            // %% is a percent sign; %f, %U and the other field codes are filled by the launcher and
            // carry nothing of ours.
            if (exec[i + 1] == '%') {
                word += '%';
                inWord = true;
            }
            ++i;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    if (words.size() > 3 && std::equal(std::begin(kPercentWrapper), std::end(kPercentWrapper), words.begin()))
        words.erase(words.begin(), words.begin() + 3);
    return runValueOf(words);
}

std::string ComposeAutostartEntry(const std::string& runValue) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.4\n"
           "Name=Halvo Shutdown\n"
           "Comment=Shut down, restart or lock on a schedule\n"
           "Exec=" +
           RunValueToExec(runValue) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

AutostartValue ParseAutostartEntry(const std::string& entryText) {
    AutostartValue result;
    result.state = AutostartValue::State::Malformed;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    std::optional<std::string> exec;
    std::string type;
    bool switchedOff = false;
    std::size_t pos = 0;
    while (pos <= entryText.size()) {
        auto end = entryText.find('\n', pos);
        if (end == std::string::npos)
            end = entryText.size();
        const std::string line = trim(entryText.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        if (!inMainGroup)
            continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = trim(line.substr(0, eq));
        const std::string value = trim(line.substr(eq + 1));
        if (key == "Exec")
            exec = value;
        else if (key == "Type")
            type = value;
        else if ((key == "Hidden" && value == "true") ||
                 (key == "X-GNOME-Autostart-enabled" && value == "false"))
            switchedOff = true;
    }
    if (!sawMainGroup || !exec || (!type.empty() && type != "Application"))
        return result;
    if (switchedOff) {
        result.state = AutostartValue::State::Absent;
        return result;
    }
    const auto text = ExecToRunValue(*exec);
    if (!text)
        return result;
    result.state = AutostartValue::State::Present;
    result.text = *text;
    return result;
}

} // namespace halvo::linuxbackend
