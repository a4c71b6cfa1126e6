#include "platform/IniFile.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCase) {
    const std::string text = "[Setting]\r\nSetting_AutoSave = 1 \r\n[schManager]\r\ncount=3\r\n";
    EXPECT_EQ(ini::GetValue(text, "setting", "setting_autosave"), "1");
    EXPECT_EQ(ini::GetValue(text, "SCHMANAGER", "COUNT"), "3");
    EXPECT_EQ(ini::GetValue(text, "setting", "count"), std::nullopt);
    EXPECT_EQ(ini::GetValue(text, "missing", "count"), std::nullopt);
}

TEST(IniFile, ReplacingAKeyKeepsEveryOtherLineAsItWas) {
    const std::string text = "; written by hand\n[other]\nx = 1\n\n[setting]\nSetting_Remind=0\nz=9\n";
    EXPECT_EQ(ini::SetValue(text, "SETTING", "setting_remind", "1"),
              "; written by hand\n[other]\nx = 1\n\n[setting]\nsetting_remind=1\nz=9\n");
}

TEST(IniFile, MissingKeyGoesToTheEndOfItsSectionAndMissingSectionToTheEnd) {
    const std::string text = "[setting]\r\na=1\r\n\r\n[schManager]\r\ncount=0\r\n";
    EXPECT_EQ(ini::SetValue(text, "setting", "b", "2"),
              "[setting]\r\na=1\r\nb=2\r\n\r\n[schManager]\r\ncount=0\r\n");
    EXPECT_EQ(ini::SetValue("", "schManager", "count", "3"), "[schManager]\ncount=3\n");
    EXPECT_EQ(ini::SetValue("[a]\nx=1", "b", "y", "2"), "[a]\nx=1\n[b]\ny=2\n");
}

TEST(IniFile, QuotesAroundAValueAreDroppedAndKeysOrSectionsRemoved) {
    EXPECT_EQ(ini::GetValue("[s]\nk=\"quoted value\"\n", "s", "k"), "quoted value");
    const std::string text = "[a]\nx=1\ny=2\n[b]\nz=3\n";
    EXPECT_EQ(ini::RemoveKey(text, "a", "x"), "[a]\ny=2\n[b]\nz=3\n");
    EXPECT_EQ(ini::RemoveSection(text, "A"), "[b]\nz=3\n");
}
