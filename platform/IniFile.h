#pragma once

// The profile-file (INI) semantics of Windows, for the platforms that lack them:
// sections and keys match without regard to case, blanks around names and values do not count,
// every line the program does not change is kept as it was, and a missing section or key is added.
// The functions work on the file's text; the backends read and replace the file around them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace halvo::ini {

// The value of key in section, or nothing when either is missing. Surrounding quotes are removed.
std::optional<std::string> GetValue(std::string_view text, std::string_view section, std::string_view key);

// The text with key in section set to value: the first such key is replaced in place; a missing key is added
// at the end of its section, a missing section at the end of the text.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

// The text without key in section, or without the whole section.
std::string RemoveKey(std::string_view text, std::string_view section, std::string_view key);
std::string RemoveSection(std::string_view text, std::string_view section);

} // namespace halvo::ini
