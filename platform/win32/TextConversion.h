#pragma once

// Text is UTF-8 everywhere inside the program; the Win32 calls that carry titles, paths and command lines
// take UTF-16. These convert at that boundary. Invalid input becomes U+FFFD rather than being dropped.

#include <string>
#include <string_view>

namespace halvo::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The longest prefix of text of at most maxBytes bytes that does not end inside a UTF-8 sequence.
std::string_view CutUtf8(std::string_view text, std::size_t maxBytes);

} // namespace halvo::win32
