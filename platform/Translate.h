#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts of the layers without Qt go through the translation the program installs at start-up; until one
// is installed (and in tests) a text is its English source.
namespace halvo {

using TranslateFunction = std::string (*)(const char* context, const char* source);

// Installs the function that translates; nullptr goes back to the English source texts.
void SetTranslateFunction(TranslateFunction function);

// The source text in the user's language. Context and source are literals, so lupdate finds them.
std::string Translate(const char* context, const char* source);

// The pattern with %1 to %9 replaced by the values in one pass (a value's own "%2" stays as it is), so that
// a translator can put the pieces of a text in the order the language needs.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace halvo

// Marks a text in a table for translation; it is translated where it is shown, with Translate().
#define HALVO_TRANSLATE_NOOP(context, source) source
