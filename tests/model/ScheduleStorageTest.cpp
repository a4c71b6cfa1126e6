// Loading and saving the schedule: the count in the settings file, faults part-way through a load, the
// kept copy of an unreadable file, and saves that fail without losing the stored schedule.

#include "model/ScheduleFile.h"
#include "platform/IniFile.h"
#include "tests/helpers/FakeWorldTest.h"
#include "tests/helpers/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace halvo;

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& data) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

std::string nightRecord() {
    return readFile(fs::path(TestPath("HALVO_TEST_DATA_DIR")) / "night.cks");
}

std::string namedRecord(const std::string& name, int code) {
    TScheduleItem item;
    item.ItemName = name;
    item.Task = TaskFromCode(code);
    std::string out;
    WriteScheduleRecord(item, out);
    return out;
}

std::vector<std::string> namesOf(const TScheduleManager& manager) {
    std::vector<std::string> names;
    for (int i = 0; i < manager.Count(); ++i)
        names.push_back(manager.Item(i).ItemName);
    return names;
}

class ScheduleStorage : public FakeWorldTest {
protected:
    const std::string schedulePath = "/opt/halvo/sch.cks";
    const std::string settingsPath = "/opt/halvo/setting.ini";
    const std::string backupPath = "/opt/halvo/sch.cks.bak";
    TScheduleManager manager;

    void SetUp() override { manager.SetSettingsPath(settingsPath); }

    void storeCount(const std::string& text) {
        fake.storedFiles[settingsPath] = "[schManager]\ncount=" + text + "\n";
    }
    std::string storedCount() {
        return ini::GetValue(fake.storedFiles[settingsPath], "schManager", "count").value_or("<none>");
    }
};

} // namespace

TEST_F(ScheduleStorage, SaveWritesTheRecordsThenTheCount) {
    fake.storedFiles[settingsPath] = "[setting]\nSetting_AutoSave=1\n";
    const std::string night = nightRecord();
    ScheduleReader reader(night);
    ASSERT_EQ(reader.ReadRecord(manager.Add()), "");
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[schedulePath], nightRecord());
    EXPECT_EQ(fake.storedFiles[settingsPath], "[setting]\nSetting_AutoSave=1\n[schManager]\ncount=1\n");
    EXPECT_EQ(fake.calls,
              (std::vector<std::string>{"write [schManager] count = \"1\" to \"/opt/halvo/setting.ini\""}));
    EXPECT_FALSE(fake.storedFiles.count(backupPath));
}

TEST_F(ScheduleStorage, EmptyScheduleIsAnEmptyFileAndCountZero) {
    fake.storedFiles[schedulePath] = nightRecord();
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[schedulePath], "");
    EXPECT_EQ(storedCount(), "0");

    EXPECT_EQ(manager.LoadSchedule(schedulePath), "");
    EXPECT_EQ(manager.Count(), 0);
}

TEST_F(ScheduleStorage, EveryWholeRecordLoadsWhateverTheCountSaysAndTheNextSaveSetsItRight) {
    const std::string file = namedRecord("a", 1) + namedRecord("b", 9) + namedRecord("c", 11);
    const std::string told =
        "The schedule file /opt/halvo/sch.cks holds 3 items, but /opt/halvo/setting.ini ";
    const std::string rest = ". All of them were loaded, and the count is set right when the schedule is "
                             "next stored.";
    struct Case {
        std::string count; // "<none>": no count in the settings file
        std::string notice;
    };
    const Case cases[] = {{"3", ""},
                          {"0x3", ""},
                          {"$3", ""},
                          {"<none>", told + "held no count" + rest},
                          {"", told + "held no count" + rest},
                          {"abc", told + "held no count" + rest},
                          {"2", told + "counted 2" + rest},
                          {"0", told + "counted 0" + rest},
                          {"7", told + "counted 7" + rest},
                          {"-1", told + "counted -1" + rest}};
    for (const auto& [count, notice] : cases) {
        TScheduleManager manager;
        manager.SetSettingsPath(settingsPath);
        fake.storedFiles = {{schedulePath, file}};
        if (count != "<none>")
            storeCount(count);
        EXPECT_EQ(manager.LoadSchedule(schedulePath), "") << count;
        EXPECT_EQ(namesOf(manager), (std::vector<std::string>{"a", "b", "c"})) << count;
        EXPECT_EQ(manager.Item(1).Task->Code, 9);
        EXPECT_EQ(manager.TakeNotice(), notice) << count;
        EXPECT_EQ(manager.TakeNotice(), "") << "said once";
        EXPECT_FALSE(fake.storedFiles.count(backupPath)) << "nothing was left unread";

        EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
        EXPECT_EQ(fake.storedFiles[schedulePath], file) << count;
        EXPECT_EQ(storedCount(), "3");
        TScheduleManager again;
        again.SetSettingsPath(settingsPath);
        EXPECT_EQ(again.LoadSchedule(schedulePath), "");
        EXPECT_EQ(again.TakeNotice(), "") << count;
    }
}

TEST_F(ScheduleStorage, FaultInsideARecordDropsOnlyTheHalfReadItemAndKeepsTheFile) {
    const std::string first = namedRecord("a", 1);
    std::string second = namedRecord("b", 2);
    ASSERT_EQ(second.substr(second.size() - 5), std::string("\x06\x01"
                                                            "b\0\0",
                                                            5));
    second[second.size() - 5] = '\x07'; // no such tag
    const std::string damaged = first + second + namedRecord("c", 3);
    fake.storedFiles[schedulePath] = damaged;
    storeCount("3");
    EXPECT_EQ(manager.LoadSchedule(schedulePath),
              "Error reading TScheduleItem.OtherProperty: Invalid property value");
    EXPECT_EQ(namesOf(manager), (std::vector<std::string>{"a"}));
    EXPECT_EQ(fake.storedFiles[backupPath], damaged);
    EXPECT_EQ(manager.TakeNotice(),
              "Copies of the stored schedule, newest first:\n"
              "/opt/halvo/sch.cks.bak: 1 item and a part that cannot be read, the file as "
              "this run found it");

    // The next save replaces the file, but the copy still holds every stored item.
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[schedulePath], first);
    EXPECT_EQ(fake.storedFiles[backupPath], damaged);
    EXPECT_EQ(storedCount(), "1");
}

TEST_F(ScheduleStorage, CopiesGoBackAGenerationAndNeverGiveWayToAnEmptyOrRepeatedFile) {
    const std::string night = nightRecord();
    const std::string big = namedRecord("a", 1) + namedRecord("b", 2) + "rest";
    const std::string truncated = night.substr(0, 60);
    const std::string foreign = "PK\x03\x04" + night.substr(4);
    const auto load = [&](const std::string& data) {
        TScheduleManager other;
        other.SetSettingsPath(settingsPath);
        fake.storedFiles[schedulePath] = data;
        const std::string fault = other.LoadSchedule(schedulePath);
        return std::make_pair(fault, other.TakeNotice());
    };
    EXPECT_EQ(load(big).first, "Invalid stream format");
    EXPECT_EQ(load(truncated).first, "Error reading TScheduleItem.SPTimeProperty: Stream read error");
    EXPECT_EQ(load(truncated).second, "") << "the same bytes are not kept twice";
    const auto [fault, notice] = load(foreign);
    EXPECT_EQ(fault, "Invalid stream format");
    EXPECT_EQ(notice, "Copies of the stored schedule, newest first:\n"
                      "/opt/halvo/sch.cks.bak: 0 items and a part that cannot be read, the file as this run "
                      "found it\n"
                      "/opt/halvo/sch.cks.bak.1: 0 items and a part that cannot be read, an earlier copy\n"
                      "/opt/halvo/sch.cks.bak.2: 2 items and a part that cannot be read, an earlier copy");
    EXPECT_EQ(fake.storedFiles[backupPath], foreign);
    EXPECT_EQ(fake.storedFiles[backupPath + ".1"], truncated);
    EXPECT_EQ(fake.storedFiles[backupPath + ".2"], big);

    // An empty file holds nothing to keep; a fourth copy lets only the oldest go.
    EXPECT_EQ(load("").first, "");
    EXPECT_EQ(fake.storedFiles[backupPath], foreign);
    EXPECT_EQ(load(night + "junk").first, "Invalid stream format");
    EXPECT_EQ(fake.storedFiles[backupPath], night + "junk");
    EXPECT_EQ(fake.storedFiles[backupPath + ".1"], foreign);
    EXPECT_EQ(fake.storedFiles[backupPath + ".2"], truncated);
    EXPECT_FALSE(fake.storedFiles.count(backupPath + ".3"));
}

TEST_F(ScheduleStorage, NoSaveStoresFewerItemsThanLoadedUnlessTheUserDeletedThem) {
    const std::string file = namedRecord("a", 1) + namedRecord("b", 2) + namedRecord("c", 3);
    fake.storedFiles[schedulePath] = file;
    storeCount("3");
    ASSERT_EQ(manager.LoadSchedule(schedulePath), "");
    TScheduleItem& adding = manager.Add();
    manager.Delete(0);
    EXPECT_EQ(manager.SaveSchedule(schedulePath, &adding), "");
    EXPECT_EQ(fake.storedFiles[schedulePath], namedRecord("b", 2) + namedRecord("c", 3));

    // Items gone without a deletion by the user (a fault in the program) leave the stored file alone.
    TScheduleManager other;
    other.SetSettingsPath(settingsPath);
    fake.storedFiles[schedulePath] = file;
    storeCount("3");
    ASSERT_EQ(other.LoadSchedule(schedulePath), "");
    TScheduleItem& unconfirmed = other.Item(2);
    EXPECT_EQ(other.SaveSchedule(schedulePath, &unconfirmed),
              "Cannot create file \"/opt/halvo/sch.cks\". It would hold 2 items, fewer than the 3 loaded and "
              "not deleted since; the stored file is left as it was.");
    EXPECT_EQ(fake.storedFiles[schedulePath], file);
    EXPECT_EQ(storedCount(), "3");
    other.Clear();
    EXPECT_EQ(other.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[schedulePath], "");
}

TEST_F(ScheduleStorage, FileThatCannotBeOpenedIsKeptBeforeTheNextSaveReplacesIt) {
    fake.storedFiles[schedulePath] = nightRecord();
    fake.unreadableFiles.insert(schedulePath);
    storeCount("1");
    EXPECT_EQ(manager.LoadSchedule(schedulePath),
              "Cannot open file \"/opt/halvo/sch.cks\". Access is denied");
    EXPECT_EQ(manager.Count(), 0);
    EXPECT_FALSE(fake.storedFiles.count(backupPath));
    EXPECT_EQ(manager.TakeNotice(), "");

    fake.unreadableFiles.clear(); // another program let go of it
    manager.Add().ItemName = "new";
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[backupPath], nightRecord());
    EXPECT_EQ(manager.TakeNotice(), "Copies of the stored schedule, newest first:\n"
                                    "/opt/halvo/sch.cks.bak: 1 item, the file as this run found it");
    EXPECT_EQ(storedCount(), "1");

    fake.storedFiles.erase(backupPath);
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "");
    EXPECT_FALSE(fake.storedFiles.count(backupPath)) << "only the save after the failed load keeps a copy";

    // While the earlier file can neither be read nor kept, a save leaves it where it is.
    TScheduleManager locked;
    locked.SetSettingsPath(settingsPath);
    fake.unreadableFiles.insert(schedulePath);
    EXPECT_NE(locked.LoadSchedule(schedulePath), "");
    locked.Add().ItemName = "newer";
    const std::string before = fake.storedFiles[schedulePath];
    EXPECT_EQ(locked.SaveSchedule(schedulePath),
              "Cannot create file \"/opt/halvo/sch.cks\". The earlier file could not be kept as "
              "/opt/halvo/sch.cks.bak: Access is denied");
    EXPECT_EQ(fake.storedFiles[schedulePath], before);
    fake.unreadableFiles.clear();
    EXPECT_EQ(locked.SaveSchedule(schedulePath), "");
    EXPECT_EQ(fake.storedFiles[backupPath], before);

    TScheduleManager missing;
    EXPECT_EQ(missing.LoadSchedule("/opt/halvo/none.cks"),
              "Cannot open file \"/opt/halvo/none.cks\". The system cannot find the file specified");
}

TEST_F(ScheduleStorage, FailedWritesLeaveTheStoredScheduleAsItWas) {
    const std::string stored = nightRecord();
    fake.storedFiles[schedulePath] = stored;
    storeCount("1");
    manager.Add().ItemName = "a";
    manager.Add().ItemName = "b";

    fake.unwritableFiles.insert(schedulePath);
    EXPECT_EQ(manager.SaveSchedule(schedulePath),
              "Cannot create file \"/opt/halvo/sch.cks\". Access is denied");
    EXPECT_EQ(fake.storedFiles[schedulePath], stored);
    EXPECT_EQ(storedCount(), "1") << "the count still matches the file";
    EXPECT_TRUE(fake.callsStartingWith("write [").empty());

    fake.unwritableFiles = {settingsPath};
    EXPECT_EQ(manager.SaveSchedule(schedulePath), "Unable to write to /opt/halvo/setting.ini");
    EXPECT_EQ(fake.storedFiles[schedulePath], namedRecord("a", 0) + namedRecord("b", 0));
}

// The fake platform's files, but on disk: the real INI module reads and writes setting.ini, and the
// schedule file is a real file replaced by rename.
class DiskPlatform : public RecordingPlatform {
public:
    std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                        std::size_t longest) override {
        return fs::exists(file) ? ini::GetValue(readFile(file), section, key).value_or("").substr(0, longest)
                                : std::string();
    }
    bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override {
        std::string error;
        const std::string text = fs::exists(file) ? readFile(file) : std::string();
        return writeWholeFile(file, ini::SetValue(text, section, key, value), error);
    }
    bool exists(const std::string& path) override { return fs::exists(path); }
    bool readWholeFile(const std::string& path, std::string& data, std::string& error) override {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            error = "No such file or directory";
            return false;
        }
        data.assign(std::istreambuf_iterator<char>(in), {});
        return true;
    }
    bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) override {
        const std::string temporary = path + ".new";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << data;
            if (!out.flush()) {
                error = "Cannot write";
                return false;
            }
        }
        std::error_code code;
        fs::rename(temporary, path, code);
        if (code)
            error = code.message();
        return !code;
    }
    bool renameFile(const std::string& from, const std::string& to, std::string& error) override {
        std::error_code code;
        fs::rename(from, to, code);
        if (code)
            error = code.message();
        return !code;
    }
};

class ScheduleOnDisk : public ::testing::Test {
protected:
    DiskPlatform disk;
    RecordingUi recordingUi;
    ScopedPlatform platformGuard{disk};
    ScopedUi uiGuard{recordingUi};
    fs::path folder;

    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // Unique per run, as the native and the cross-built tests may run at the same time.
        folder = fs::temp_directory_path() / ("halvo-schedule-" + std::string(test->name()) + "-" +
                                              std::to_string(std::random_device()()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(ScheduleOnDisk, StoredFileAndSettingsKeepEveryOtherLine) {
    const fs::path settings = folder / "setting.ini";
    const fs::path schedule = folder / "sch.cks";
    writeFile(settings,
              "; kept comment\r\n[Setting]\r\nSetting_Remind=1\r\n[SCHMANAGER]\r\nCount=7\r\nother=x\r\n");
    fs::copy_file(fs::path(TestPath("HALVO_TEST_DATA_DIR")) / "night.cks", schedule);
    writeFile(folder / "extra.cks", "");

    TScheduleManager manager;
    manager.SetSettingsPath(settings.string());
    EXPECT_EQ(manager.LoadSchedule(schedule.string()), "") << "7 counted, 1 stored";
    ASSERT_EQ(manager.Count(), 1);
    EXPECT_EQ(manager.Item(0).ItemName, "Night");
    EXPECT_FALSE(fs::exists(folder / "sch.cks.bak"));

    manager.Add().ItemName = "second";
    EXPECT_EQ(manager.SaveSchedule(schedule.string()), "");
    EXPECT_EQ(readFile(settings),
              "; kept comment\r\n[Setting]\r\nSetting_Remind=1\r\n[SCHMANAGER]\r\ncount=2\r\nother=x\r\n");
    EXPECT_EQ(readFile(schedule).substr(0, 118), nightRecord());

    TScheduleManager again;
    again.SetSettingsPath(settings.string());
    EXPECT_EQ(again.LoadSchedule(schedule.string()), "");
    EXPECT_EQ(namesOf(again), (std::vector<std::string>{"Night", "second"}));
}

TEST_F(ScheduleOnDisk, SettingsFileCreatedWhenMissingAndHexadecimalCountRead) {
    const fs::path settings = folder / "setting.ini";
    const fs::path schedule = folder / "sch.cks";
    TScheduleManager manager;
    manager.SetSettingsPath(settings.string());
    for (int i = 0; i < 3; ++i)
        manager.Add().ItemName = "item" + std::to_string(i);
    EXPECT_EQ(manager.SaveSchedule(schedule.string()), "");
    EXPECT_EQ(readFile(settings), "[schManager]\ncount=3\n");

    writeFile(settings, "[schmanager]\ncount=0x3\n");
    TScheduleManager three;
    three.SetSettingsPath(settings.string());
    EXPECT_EQ(three.LoadSchedule(schedule.string()), "");
    EXPECT_EQ(namesOf(three), (std::vector<std::string>{"item0", "item1", "item2"}));
    EXPECT_EQ(three.TakeNotice(), "") << "the count agrees";
}
