#include "model/AppSettings.h"
#include "model/DataFolder.h"
#include "model/Profile.h"
#include "tests/fakes/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <set>

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
    EXPECT_EQ(fake.calls,
              (std::vector<std::string>{"read [setting] Setting_AutoStartup of \"" + file + "\"",
                                        "read [setting] Setting_AutoSave of \"" + file + "\"",
                                        "read [setting] Setting_Remind of \"" + file + "\"",
                                        "read [setting] Setting_KeepAwake of \"" + file + "\"",
                                        "read [setting] Setting_WakeFromSleep of \"" + file + "\"",
                                        "read [setting] Setting_CountdownBar of \"" + file + "\""}));

    std::string error;
    fake.storedFiles.erase(file);
    ASSERT_TRUE(StoreSettings(AppSettings{}, file, error));
    EXPECT_EQ(fake.storedFiles[file],
              "[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=0\nSetting_KeepAwake=1\n"
              "Setting_WakeFromSleep=0\n");

    fake.unwritableFiles.insert(file);
    fake.clearCalls();
    EXPECT_FALSE(StoreSettings(AppSettings{true, true, true}, file, error));
    EXPECT_EQ(error, "Unable to write to " + file);
    EXPECT_EQ(fake.calls.size(), 1u) << "the remaining keys are not written";
}

TEST(Settings, KeysAnOlderFileLacksReadAsTheirDefaults) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    const std::string file = "/opt/halvo/setting.ini";
    struct Case {
        std::string lines;
        bool keepAwake, wake;
    };
    const Case cases[] = {
        {"Setting_Remind=1\n", true, false}, // a file of an earlier version
        {"Setting_KeepAwake=0\nSetting_WakeFromSleep=1\n", false, true},
        {"Setting_KeepAwake=off\nSetting_WakeFromSleep=\n", true, false}, // no number: the default
        {"Setting_KeepAwake=0x0\nSetting_WakeFromSleep=2\n", false, true},
    };
    for (const Case& c : cases) {
        fake.storedFiles[file] = "[setting]\n" + c.lines;
        const AppSettings s = LoadSettings(file);
        EXPECT_EQ(s.KeepAwake, c.keepAwake) << c.lines;
        EXPECT_EQ(s.WakeForSchedule, c.wake) << c.lines;
    }
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

TEST(Settings, StoredFilesThatCannotBeReadOrWrittenAreNamedWithTheReason) {
    const std::string cannotRead =
        "The settings file /opt/halvo/setting.ini cannot be read: Access is denied. "
        "The settings start from their defaults.";
    const std::string cannotWrite = "The settings file /opt/halvo/setting.ini cannot be written: Access is "
                                    "denied. Changes to the settings will not be kept.";
    const std::string scheduleCannotWrite = "The schedule file /opt/halvo/sch.cks cannot be written: Access "
                                            "is denied. Changes to the schedule will not be kept.";
    struct Case {
        std::set<std::string> unreadable, unwritable;
        bool scheduleStored;
        std::string notice;
    };
    const Case cases[] = {
        {{}, {}, true, ""},
        {{"/opt/halvo/setting.ini"}, {}, false, cannotRead},
        {{}, {"/opt/halvo/setting.ini"}, false, cannotWrite},
        {{"/opt/halvo/setting.ini"},
         {"/opt/halvo/setting.ini", "/opt/halvo/sch.cks"},
         true,
         cannotRead + "\n\n" + cannotWrite + "\n\n" + scheduleCannotWrite},
        {{}, {"/opt/halvo/sch.cks"}, false, ""}, // a schedule that is not stored is not written either
    };
    for (const auto& [unreadable, unwritable, scheduleStored, notice] : cases) {
        RecordingPlatform fake;
        ScopedPlatform guard(fake);
        fake.storedFiles["/opt/halvo/setting.ini"] = "[setting]\nSetting_AutoSave=1\n";
        fake.unreadableFiles = unreadable;
        fake.unwritableFiles = unwritable;
        EXPECT_EQ(StoredFilesNotice(scheduleStored), notice);
    }
}
