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

// One line of the text, as views into it: nothing is copied, so a file of any size is read in one pass
// without memory beyond its own.
struct Line {
    std::string_view text; // without the line break
    bool isSection = false;
    std::string_view name; // section name or key
    std::string_view value;
    bool isKey = false;
};

class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool next(Line& line) {
        if (m_position >= m_text.size())
            return false;
        std::size_t end = m_text.find('\n', m_position);
        if (end == std::string_view::npos)
            end = m_text.size();
        line = Line{};
        line.text = m_text.substr(m_position, end - m_position);
        m_position = end + 1;
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
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

// The line break the file already uses, so an edited file keeps its style.
std::string_view lineBreakOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    return (nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

// Writes the text again line by line with its own line break, each line as given by change: the line
// itself, another text, or nothing. Every line ends with a line break afterwards.
template <typename Change> std::string rewrite(std::string_view text, std::string_view extra, Change change) {
    const std::string_view lineBreak = lineBreakOf(text);
    std::string out;
    out.reserve(text.size() + extra.size() + 2 * lineBreak.size());
    Lines lines(text);
    Line line;
    for (std::size_t index = 0; lines.next(line); ++index) {
        std::string_view raw = line.text;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        change(index, raw, [&](std::string_view piece) {
            out += piece;
            out += lineBreak;
        });
    }
    return out;
}

} // namespace

std::optional<std::string> GetValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    Lines lines(text);
    Line line;
    while (lines.next(line)) {
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
    const std::string newLine = std::string(trim(key)) + "=" + std::string(value);
    // The first key of that name in the first such section is replaced; else the key goes after the
    // section's last line that is not blank.
    bool inSection = false;
    std::optional<std::size_t> replaced;
    std::optional<std::size_t> lastOfSection;
    Lines lines(text);
    Line line;
    for (std::size_t i = 0; lines.next(line); ++i) {
        if (line.isSection) {
            if (inSection)
                break;
            inSection = sameName(line.name, section);
            if (inSection)
                lastOfSection = i;
        } else if (inSection) {
            if (line.isKey && sameName(line.name, key)) {
                replaced = i;
                break;
            }
            if (!trim(line.text).empty())
                lastOfSection = i;
        }
    }
    const std::string header = "[" + std::string(trim(section)) + "]";
    std::string out = rewrite(text, header + newLine, [&](std::size_t i, std::string_view raw, auto put) {
        put(replaced == i ? std::string_view(newLine) : raw);
        if (!replaced && lastOfSection == i)
            put(newLine);
    });
    if (!replaced && !lastOfSection) {
        const std::string_view lineBreak = lineBreakOf(text);
        out += header;
        out += lineBreak;
        out += newLine;
        out += lineBreak;
    }
    return out;
}

std::string RemoveKey(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    std::optional<std::size_t> removed;
    Lines lines(text);
    Line line;
    for (std::size_t i = 0; lines.next(line); ++i) {
        if (line.isSection) {
            inSection = sameName(line.name, section);
        } else if (inSection && line.isKey && sameName(line.name, key)) {
            removed = i;
            break;
        }
    }
    if (!removed)
        return std::string(text);
    return rewrite(text, {}, [&](std::size_t i, std::string_view raw, auto put) {
        if (i != *removed)
            put(raw);
    });
}

std::string RemoveSection(std::string_view text, std::string_view section) {
    bool inSection = false;
    Lines lines(text);
    Line line;
    // Walked alongside the rewrite, which sees the same lines in the same order.
    return rewrite(text, {}, [&](std::size_t, std::string_view raw, auto put) {
        lines.next(line);
        if (line.isSection)
            inSection = sameName(line.name, section);
        if (!inSection)
            put(raw);
    });
}

} // namespace halvo::ini
