#pragma once

// The auto-start entry: it holds the executable's full path in double quotes. Each function returns the
// fault's text, empty when there is none; the windows show it in the error box.

#include <string>

namespace halvo {

// The entry's name where the system shows one, in the texts of its faults.
inline constexpr const char* RunValueName = "Halvo Shutdown";

// Writes the entry when it is missing or empty; an entry with any other text stays. An entry that is not
// a command line is left alone and reported ("Invalid data type for '...'").
std::string EnsureRunValue();

// Writes the entry, replacing any earlier text ("Failed to set data for '...'" when it cannot).
std::string WriteRunValue();

// Removes the entry; a missing entry is no fault.
void DeleteRunValue();

} // namespace halvo
