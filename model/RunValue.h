#pragma once

// The auto-start value: a string value "Halvo Shutdown" under the current user's Run key holding the
// executable's full path in double quotes. Each function returns the fault's text, empty when there is
// none; the windows show it in the error box.

#include <string>

namespace halvo {

inline constexpr const char* RunKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* RunValueName = "Halvo Shutdown";

// Writes the value when it is missing or empty; a value with any other text stays. A value that is not
// text is left alone and reported ("Invalid data type for '...'"). A key that cannot be opened is passed
// over silently.
std::string EnsureRunValue();

// Writes the value, replacing any earlier text ("Failed to set data for '...'" when it cannot). A key that
// cannot be opened is passed over silently and counts as done.
std::string WriteRunValue();

// Removes the value; a missing value or key is no fault.
void DeleteRunValue();

} // namespace halvo
