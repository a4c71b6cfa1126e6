#pragma once

// Text inside the program is UTF-8. The schedule file also holds text of older writers in the Windows
// single-byte code page and in UTF-16; these functions bring all of it to UTF-8.

#include <string>
#include <string_view>

namespace halvo {

// True when every byte is 7-bit ASCII (also for the empty text).
bool IsAscii(std::string_view text);

// True when text is well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The Windows-1252 bytes as UTF-8. The five bytes that code page leaves undefined map to the C1 controls
// of the same number, as Windows itself maps them.
std::string Windows1252ToUtf8(std::string_view bytes);

// Single-byte text of unknown origin: kept when it is valid UTF-8, else read in the user's ANSI code page
// where the platform has one, and as Windows-1252 elsewhere.
std::string SingleByteTextToUtf8(std::string_view bytes);

// The bytes with every ill-formed UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

// UTF-16 little-endian code units (2 bytes each) as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

} // namespace halvo
