#include "model/AppSettings.h"
#include "model/DataFolder.h"
#include "model/Profile.h"
#include "platform/fake/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(ProfileInteger, DecimalHexadecimalAndNothingElse) {
    EXPECT_EQ(ParseProfileInteger("3"), 3);
    EXPECT_EQ(ParseProfileInteger("-12"), -12);
    EXPECT_EQ(ParseProfileInteger("0x2"), 2);
    EXPECT_EQ(ParseProfileInteger("0X1f"), 31);
    EXPECT_EQ(ParseProfileInteger("$10"), 16);
    EXPECT_EQ(ParseProfileInteger("0x"), std::nullopt); // two characters: not hexadecimal, not decimal
    EXPECT_EQ(ParseProfileInteger("abc"), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("yes"), std::nullopt);
    EXPECT_EQ(ParseProfileInteger(""), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("12a"), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("99999999999999999999999"), std::nullopt);
}

TEST(Settings, FlagsReadByTheIntegerRuleAndStoredInOrder) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    const std::string file = "/opt/halvo/setting.ini";
    EXPECT_FALSE(LoadSettings(file).AutoSave) << "no file: all false";
    fake.storedFiles[file] = "[setting]\nSetting_AutoStartup=2\nSetting_AutoSave=0x1\nSetting_Remind=yes\n";
    fake.clearCalls();
    const AppSettings s = LoadSettings(file);
    EXPECT_TRUE(s.AutoStartup);
    EXPECT_TRUE(s.AutoSave);
    EXPECT_FALSE(s.Remind);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"read [setting] Setting_AutoStartup of \"" + file + "\"",
                                                    "read [setting] Setting_AutoSave of \"" + file + "\"",
                                                    "read [setting] Setting_Remind of \"" + file + "\""}));

    std::string error;
    fake.storedFiles.erase(file);
    ASSERT_TRUE(StoreSettings(AppSettings{}, file, error));
    EXPECT_EQ(fake.storedFiles[file],
              "[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=0\n");

    fake.unwritableFiles.insert(file);
    fake.clearCalls();
    EXPECT_FALSE(StoreSettings(AppSettings{true, true, true}, file, error));
    EXPECT_EQ(error, "Unable to write to " + file);
    EXPECT_EQ(fake.calls.size(), 1u) << "the remaining keys are not written";
}

TEST(Settings, FilesLiveBesideTheProgramOnlyWhenThatFolderIsWritable) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    EXPECT_EQ(ScheduleFilePath(), "/opt/halvo/sch.cks");
    EXPECT_EQ(SettingsFilePath(), "/opt/halvo/setting.ini");
    fake.readOnlyFolders.insert("/opt/halvo/");
    EXPECT_EQ(ScheduleFilePath(), "/home/user/.config/halvo-shutdown/sch.cks");
    EXPECT_EQ(SettingsFilePath(), "/home/user/.config/halvo-shutdown/setting.ini");
}
