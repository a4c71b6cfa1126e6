// The settings file through the real profile calls, on real files in a folder whose name is not ASCII.

#include "model/Profile.h"
#include "model/AppSettings.h"

#include "Win32TestSupport.h"

namespace halvo::test {
namespace {

class ProfileFile : public RealPlatformTest {
protected:
    TempFolder folder;
    const std::string ini = folder.file("setting.ini");
};

TEST_F(ProfileFile, TheSettingsAreWrittenAsTheSystemWritesProfilesAndReadBack) {
    std::string error;
    ASSERT_TRUE(StoreSettings(AppSettings{true, false, true}, ini, error)) << error;
    EXPECT_EQ(ReadFileBytes(ini),
              "[setting]\r\nSetting_AutoStartup=1\r\nSetting_AutoSave=0\r\nSetting_Remind=1\r\n"
              "Setting_KeepAwake=1\r\nSetting_WakeFromSleep=0\r\n");

    // The count of the schedule lives in its own section of the same file; the flags stay as they were.
    ASSERT_TRUE(WriteProfileKey(ini, "schManager", "count", "3"));
    const std::string both = ReadFileBytes(ini);
    EXPECT_EQ(
        both.rfind("[setting]\r\nSetting_AutoStartup=1\r\nSetting_AutoSave=0\r\nSetting_Remind=1\r\n", 0), 0u)
        << both;
    const std::string added = "[schManager]\r\ncount=3\r\n"; // Windows may put an empty line before it
    EXPECT_EQ(both.substr(both.size() - added.size()), added) << both;
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "count"), 3);
    const AppSettings loaded = LoadSettings(ini);
    EXPECT_TRUE(loaded.AutoStartup);
    EXPECT_FALSE(loaded.AutoSave);
    EXPECT_TRUE(loaded.Remind);
}

TEST_F(ProfileFile, CountsAndFlagsWrittenByHandFollowTheReadRule) {
    WriteFileBytes(ini, "; written by hand\r\n"
                        "[SchManager]\r\n"
                        "Count=0x2\r\n"
                        "hex=$10\r\n"
                        "word=abc\r\n"
                        "short=0x\r\n"
                        "negative=-7\r\n"
                        "[setting]\r\n"
                        "Setting_AutoStartup=2\r\n"
                        "Setting_AutoSave=0x1\r\n"
                        "Setting_Remind=yes\r\n");
    // Sections and keys match without regard to case.
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "count"), 2);
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "hex"), 16);
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "word"), 0);
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "short"), 0);
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "negative"), -7);
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "missing"), 0);
    EXPECT_EQ(ReadProfileInteger(folder.file("no such file.ini"), "schManager", "count"), 0);
    const AppSettings loaded = LoadSettings(ini);
    EXPECT_TRUE(loaded.AutoStartup);
    EXPECT_TRUE(loaded.AutoSave);
    EXPECT_FALSE(loaded.Remind);
}

TEST_F(ProfileFile, WritingOneKeyKeepsEveryOtherLine) {
    const std::string before =
        "; comment\r\n[other]\r\nname=kept\r\n\r\n[schManager]\r\ncount=1\r\nextra=x\r\n";
    WriteFileBytes(ini, before);
    ASSERT_TRUE(WriteProfileKey(ini, "SCHMANAGER", "COUNT", "12"));
    const std::string after = ReadFileBytes(ini);
    EXPECT_NE(after.find("; comment\r\n[other]\r\nname=kept\r\n"), std::string::npos) << after;
    EXPECT_NE(after.find("extra=x\r\n"), std::string::npos) << after;
    EXPECT_EQ(ReadProfileInteger(ini, "schManager", "count"), 12);
    EXPECT_EQ(after.find("count=1\r\n"), std::string::npos) << after;
}

TEST_F(ProfileFile, AnswersAreCutToTheCallersRoomAndDefaultsApply) {
    WriteFileBytes(ini, "[s]\r\nk=abcdef\r\n");
    char buffer[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(real.GetPrivateProfileStringA("s", "k", "", buffer, sizeof buffer, ini.c_str()), 3u);
    EXPECT_EQ(std::string(buffer), "abc");
    char answer[32] = {};
    EXPECT_EQ(real.GetPrivateProfileStringA("s", "none", "fallback", answer, sizeof answer, ini.c_str()), 8u);
    EXPECT_EQ(std::string(answer), "fallback");
}

TEST_F(ProfileFile, AFileThatCannotBeWrittenIsReportedWithItsPath) {
    const std::string unreachable = folder.file("missing folder\\setting.ini");
    std::string error;
    EXPECT_FALSE(StoreSettings(AppSettings{}, unreachable, error));
    EXPECT_EQ(error, "Unable to write to " + unreachable);
}

} // namespace
} // namespace halvo::test
