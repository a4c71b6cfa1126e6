#include "Profile.h"

#include "platform/Platform.h"

#include <limits>

namespace halvo {

std::optional<long long> ParseProfileInteger(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (text.size() > 2 && i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    unsigned long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * unsigned(base) + unsigned(digit);
        if (value > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
            return std::nullopt;
    }
    return negative ? -static_cast<long long>(value) : static_cast<long long>(value);
}

std::optional<long long> ReadProfileNumber(const std::string& fileName, const char* section,
                                           const char* key) {
    return ParseProfileInteger(platform().profiles().readKey(fileName, section, key, 2047));
}

long long ReadProfileInteger(const std::string& fileName, const char* section, const char* key) {
    return ReadProfileNumber(fileName, section, key).value_or(0);
}

bool WriteProfileKey(const std::string& fileName, const char* section, const char* key,
                     const std::string& value) {
    return platform().profiles().writeKey(fileName, section, key, value);
}

} // namespace halvo
