#pragma once

#include <cstddef>
#include <string_view>

namespace halvo {

// The longest start of text in at most maxBytes bytes that does not split a UTF-8 character: half a
// character would show as garbage.
inline std::string_view CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    // Back off over continuation bytes (10xxxxxx) to the start of the character that would be split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace halvo
