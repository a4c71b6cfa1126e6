#pragma once

// Reading and writing single keys of the settings file through the platform's profile calls.

#include <optional>
#include <string>

namespace halvo {

// The integer read rule of the settings file: optional sign, then "$" or (in a text longer than two
// characters) "0x"/"0X" for hexadecimal, decimal otherwise. Nothing when the text is not such a number.
std::optional<long long> ParseProfileInteger(const std::string& text);

// The key's text taken by the rule above; 0 when missing, empty or no number.
long long ReadProfileInteger(const std::string& fileName, const char* section, const char* key);

// The key's text taken by the rule above; nothing when missing, empty or no number.
std::optional<long long> ReadProfileNumber(const std::string& fileName, const char* section, const char* key);

// Writes one key; false when the platform could not write the file.
bool WriteProfileKey(const std::string& fileName, const char* section, const char* key,
                     const std::string& value);

} // namespace halvo
