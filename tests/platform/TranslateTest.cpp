#include "platform/Translate.h"
#include "model/CommandLine.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace halvo;

namespace {

// A language that puts the pieces of a text in another order, and says "Aufgabe" for "task".
std::string reordering(const char* context, const char* source) {
    if (std::strcmp(context, "CommandLine") == 0 && std::strcmp(source, "unknown task '%1' (one of %2)") == 0)
        return "(%2) unbekannte Aufgabe '%1'";
    return source;
}

struct InstalledTranslation {
    explicit InstalledTranslation(TranslateFunction function) { SetTranslateFunction(function); }
    ~InstalledTranslation() { SetTranslateFunction(nullptr); }
};

} // namespace

TEST(Translate, FillsInEachPlaceholderOnceInTheOrderOfThePattern) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* expected;
    };
    const Case cases[] = {
        {"%1 failed: %2", {"Restart", "busy"}, "Restart failed: busy"},
        {"%2 <- %1", {"a", "b"}, "b <- a"},
        // A value's own percent signs are the user's text, never a placeholder.
        {"Cannot open file \"%1\". %2", {"/tmp/%2.cks", "%1"}, "Cannot open file \"/tmp/%2.cks\". %1"},
        // Without a value the placeholder stays, and a lone or trailing percent sign is kept.
        {"now %1% of %3", {"50"}, "now 50% of %3"},
        {"100%", {}, "100%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillIn(c.pattern, c.values), c.expected) << c.pattern;
}

TEST(Translate, ModelTextsFollowTheInstalledTranslationAndAreEnglishWithout) {
    const std::vector<std::string> args{"--now", "nap"};
    EXPECT_EQ(ParseArguments(args).error,
              "unknown task 'nap' (one of shutdown, poweroff, screensaver, logoff, closeall, restart, lock, "
              "sleep, hibernate)");
    {
        InstalledTranslation german(&reordering);
        EXPECT_EQ(ParseArguments(args).error,
                  "(shutdown, poweroff, screensaver, logoff, closeall, restart, lock, sleep, hibernate) "
                  "unbekannte Aufgabe 'nap'");
        // Words of the command line stay as they are.
        EXPECT_EQ(ParseArguments({"--now", "shutdown"}).error, "");
    }
    EXPECT_EQ(Translate("CommandLine", "unknown task '%1' (one of %2)"), "unknown task '%1' (one of %2)");
}
