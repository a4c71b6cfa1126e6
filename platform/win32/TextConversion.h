#pragma once

// Text is UTF-8 everywhere inside the program; the Win32 calls that carry titles, paths and command lines
// take UTF-16. These convert at that boundary. Invalid input becomes U+FFFD rather than being dropped.

#include <string>
#include <string_view>

namespace halvo::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace halvo::win32
