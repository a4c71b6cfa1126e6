#pragma once

// The auto-start value: a string value "Halvo Shutdown" under the current user's Run key holding the
// executable's full path in double quotes. Registry faults are shown in the error box.

namespace halvo {

inline constexpr const char* RunKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* RunValueName = "Halvo Shutdown";

// Writes the value when it is missing or empty; a value with any other text stays. A value that is not
// text is reported and left alone. A key that cannot be opened is passed over silently.
void EnsureRunValue();

// Writes the value, replacing any earlier text. False only when the value could not be written (reported);
// a key that cannot be opened is passed over silently and counts as done.
bool WriteRunValue();

// Removes the value; a missing value or key is no fault.
void DeleteRunValue();

} // namespace halvo
