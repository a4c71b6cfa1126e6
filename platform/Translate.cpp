#include "Translate.h"

#include <atomic>

namespace halvo {

namespace {
std::atomic<TranslateFunction> installedFunction{nullptr};
} // namespace

void SetTranslateFunction(TranslateFunction function) {
    installedFunction = function;
}

std::string Translate(const char* context, const char* source) {
    const TranslateFunction function = installedFunction;
    return function ? function(context, source) : std::string(source);
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out.append(values.begin()[index]);
                ++i;
                continue;
            }
        }
        out.push_back(pattern[i]);
    }
    return out;
}

} // namespace halvo
