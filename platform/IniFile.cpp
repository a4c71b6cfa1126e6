#include "IniFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace halvo::ini {

namespace {

std::string_view trim(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

struct Line {
    std::string_view text; // without the line break
    bool isSection = false;
    std::string_view name; // section name or key
    std::string_view value;
    bool isKey = false;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        Line line;
        line.text = text.substr(pos, end - pos);
        const std::string_view t = trim(line.text);
        if (!t.empty() && t.front() == '[') {
            const std::size_t close = t.find(']');
            line.isSection = true;
            line.name = trim(t.substr(1, (close == std::string_view::npos ? t.size() : close) - 1));
        } else if (!t.empty() && t.front() != ';') {
            const std::size_t eq = t.find('=');
            if (eq != std::string_view::npos) {
                line.isKey = true;
                line.name = trim(t.substr(0, eq));
                line.value = trim(t.substr(eq + 1));
            }
        }
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

// The line break the file already uses, so an edited file keeps its style.
std::string_view lineBreakOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    return (nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

std::string join(const std::vector<std::string>& lines, std::string_view lineBreak) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += lineBreak;
    }
    return out;
}

std::vector<std::string> rawLines(std::string_view text) {
    std::vector<std::string> out;
    for (const auto& l : splitLines(text)) {
        std::string_view t = l.text;
        if (!t.empty() && t.back() == '\r')
            t.remove_suffix(1);
        out.emplace_back(t);
    }
    return out;
}

} // namespace

std::optional<std::string> GetValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const auto& line : splitLines(text)) {
        if (line.isSection) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.isKey && sameName(line.name, key)) {
            std::string_view v = line.value;
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
    const auto lines = splitLines(text);
    auto out = rawLines(text);
    const std::string newLine = std::string(trim(key)) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> lastOfSection;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (line.isSection) {
            if (inSection)
                break;
            inSection = sameName(line.name, section);
            if (inSection)
                lastOfSection = i;
        } else if (inSection) {
            if (line.isKey && sameName(line.name, key)) {
                out[i] = newLine;
                return join(out, lineBreakOf(text));
            }
            if (!trim(line.text).empty())
                lastOfSection = i;
        }
    }
    if (lastOfSection) {
        out.insert(out.begin() + std::ptrdiff_t(*lastOfSection + 1), newLine);
    } else {
        out.push_back("[" + std::string(trim(section)) + "]");
        out.push_back(newLine);
    }
    return join(out, lineBreakOf(text));
}

std::string RemoveKey(std::string_view text, std::string_view section, std::string_view key) {
    const auto lines = splitLines(text);
    auto out = rawLines(text);
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isSection) {
            inSection = sameName(lines[i].name, section);
        } else if (inSection && lines[i].isKey && sameName(lines[i].name, key)) {
            out.erase(out.begin() + std::ptrdiff_t(i));
            return join(out, lineBreakOf(text));
        }
    }
    return std::string(text);
}

std::string RemoveSection(std::string_view text, std::string_view section) {
    const auto lines = splitLines(text);
    const auto raw = rawLines(text);
    std::vector<std::string> out;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isSection)
            inSection = sameName(lines[i].name, section);
        if (!inSection)
            out.push_back(raw[i]);
    }
    return join(out, lineBreakOf(text));
}

} // namespace halvo::ini
