// The schedule file's bytes: every tag written and read, the worked example both ways, and the faults of
// damaged records with their exact texts.

#include "model/ScheduleFile.h"
#include "tests/helpers/FakeWorldTest.h"
#include "tests/helpers/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>

using namespace halvo;

namespace {

std::string readDataFile(const std::string& name) {
    std::ifstream in(std::string(TestPath("HALVO_TEST_DATA_DIR")) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += char(v);
    return out;
}

std::string shortName(const std::string& name) {
    return char(name.size()) + name;
}

std::string shortString(const std::string& text) {
    return bytes({0x06, int(text.size())}) + text;
}

std::string dateTime(double value) {
    std::string out(1, char(0x11));
    out.append(reinterpret_cast<const char*>(&value), 8); // the test hosts are little-endian
    return out;
}

// The values of the three properties of a typical item; tests replace one part at a time.
struct Record {
    std::string taskName = "TaskProperty";
    std::string task = bytes({0x02, 0x01});
    std::string timeName = "SPTimeProperty";
    std::string time = shortString("22:30:00:EveryDay") + bytes({0x02, 0x01, 0x02, 0x00, 0x02, 0x00}) +
                       dateTime(0.0) + dateTime(0.9375);
    std::string otherName = "OtherProperty";
    std::string other = bytes({0x09, 0x08, 0x09}) + shortString("Night");
    std::string ending = bytes({0x00, 0x00});

    std::string build() const {
        return "TPF0" + shortName("TScheduleItem") + bytes({0}) + shortName(taskName) + task +
               shortName(timeName) + time + shortName(otherName) + other + ending;
    }
};

class ScheduleFile : public FakeWorldTest {
protected:
    // The fault of reading data as one record (empty on success), the item in *item when asked for.
    std::string read(const std::string& data, std::unique_ptr<TScheduleItem>* item = nullptr) {
        ScheduleReader reader(data);
        auto target = std::make_unique<TScheduleItem>();
        std::string fault = reader.ReadRecord(*target);
        if (fault.empty()) {
            EXPECT_TRUE(reader.AtEnd()) << "a whole record is read up to its last byte";
        }
        if (item)
            *item = std::move(target);
        return fault;
    }

    std::unique_ptr<TScheduleItem> readBack(const TScheduleItem& item) {
        std::string data;
        WriteScheduleRecord(item, data);
        std::unique_ptr<TScheduleItem> back;
        EXPECT_EQ(read(data, &back), "");
        return back;
    }
};

TScheduleItem& nightItem(TScheduleItem& item) {
    item.Task = std::make_unique<TShutDownTask>();
    item.TimeRule.DisplayText = "22:30:00:EveryDay";
    item.TimeRule.CrossState = TCrossState::Ahead;
    item.TimeRule.TimeOfDay = 0.9375;
    item.Active = true;
    item.DueToday = true;
    item.ItemName = "Night";
    return item;
}

} // namespace

TEST_F(ScheduleFile, WorkedExampleWrittenAndReadByteForByte) {
    const std::string night = readDataFile("night.cks");
    ASSERT_EQ(night.size(), 118u);
    EXPECT_EQ(Record().build(), night) << "the test's own byte builder agrees with the stored file";

    TScheduleItem item;
    std::string written;
    WriteScheduleRecord(nightItem(item), written);
    EXPECT_EQ(written, night);

    std::unique_ptr<TScheduleItem> back;
    ASSERT_EQ(read(night, &back), "");
    ASSERT_NE(back->Task, nullptr);
    EXPECT_NE(dynamic_cast<TShutDownTask*>(back->Task.get()), nullptr);
    EXPECT_EQ(back->TimeRule.DisplayText, "22:30:00:EveryDay");
    EXPECT_EQ(back->TimeRule.CrossState, TCrossState::Ahead);
    EXPECT_EQ(back->TimeRule.Period, TPeriod::EveryDay);
    EXPECT_EQ(back->TimeRule.Day, 0);
    EXPECT_EQ(back->TimeRule.OnceDate, 0.0);
    EXPECT_EQ(back->TimeRule.TimeOfDay, 0.9375);
    EXPECT_TRUE(back->Active);
    EXPECT_FALSE(back->Spare);
    EXPECT_TRUE(back->DueToday);
    EXPECT_EQ(back->ItemName, "Night");
    EXPECT_FALSE(back->UnknownTaskCode);
}

TEST_F(ScheduleFile, StringTagsByLengthAndContent) {
    TScheduleItem item;
    nightItem(item);

    item.ItemName = std::string(300, 'n');
    std::string data;
    WriteScheduleRecord(item, data);
    Record expected;
    expected.other = bytes({0x09, 0x08, 0x09, 0x0C, 0x2C, 0x01, 0x00, 0x00}) + item.ItemName;
    EXPECT_EQ(data, expected.build());
    EXPECT_EQ(readBack(item)->ItemName, item.ItemName);

    item.ItemName = std::string(255, 'n');
    data.clear();
    WriteScheduleRecord(item, data);
    expected.other = bytes({0x09, 0x08, 0x09, 0x06, 0xFF}) + item.ItemName;
    EXPECT_EQ(data, expected.build()) << "255 bytes still fit the short string";

    item.ItemName = "Caf\xC3\xA9"; // an accented letter
    data.clear();
    WriteScheduleRecord(item, data);
    expected.other = bytes({0x09, 0x08, 0x09, 0x14, 0x05, 0x00, 0x00, 0x00}) + "Caf\xC3\xA9";
    EXPECT_EQ(data, expected.build());
    EXPECT_EQ(readBack(item)->ItemName, "Caf\xC3\xA9");

    item.ItemName.clear();
    data.clear();
    WriteScheduleRecord(item, data);
    expected.other = bytes({0x09, 0x08, 0x09, 0x06, 0x00});
    EXPECT_EQ(data, expected.build());
}

TEST_F(ScheduleFile, StringsOfOlderWritersReadAsUtf8) {
    const auto nameRead = [&](const std::string& nameValue) {
        Record record;
        record.other = bytes({0x09, 0x08, 0x09}) + nameValue;
        std::unique_ptr<TScheduleItem> item;
        EXPECT_EQ(read(record.build(), &item), "");
        return item ? item->ItemName : std::string("<fault>");
    };
    // Single-byte text of the Windows code page.
    EXPECT_EQ(nameRead(bytes({0x06, 0x05}) + "Caf\xE9!"), "Caf\xC3\xA9!");
    EXPECT_EQ(nameRead(bytes({0x06, 0x03, 0x80, 0x9F, 0x81})), "\xE2\x82\xAC\xC5\xB8\xC2\x81");
    EXPECT_EQ(nameRead(bytes({0x0C, 0x02, 0x00, 0x00, 0x00, 0xFC, 0xDF})), "\xC3\xBC\xC3\x9F");
    // Where the platform has an ANSI code page (Windows), such text is read in that code page.
    fake.ansiConversion = [](const std::string& b) -> std::optional<std::string> {
        return b == "\xCF\xF0\xE8" ? std::optional<std::string>("\xD0\x9F\xD1\x80\xD0\xB8") : std::nullopt;
    };
    EXPECT_EQ(nameRead(bytes({0x06, 0x03, 0xCF, 0xF0, 0xE8})), "\xD0\x9F\xD1\x80\xD0\xB8"); // Cyrillic
    fake.ansiConversion = nullptr;
    // Valid UTF-8 in a single-byte string stays as it is.
    EXPECT_EQ(nameRead(bytes({0x06, 0x02, 0xC3, 0xA9})), "\xC3\xA9");
    // UTF-16 with a pair of surrogates, and an unpaired one.
    EXPECT_EQ(nameRead(bytes({0x12, 0x04, 0x00, 0x00, 0x00, 0x41, 0x00, 0xE9, 0x00, 0x3D, 0xD8, 0x00, 0xDE})),
              "A\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(nameRead(bytes({0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0xDC})), "\xEF\xBF\xBD");
    // Ill-formed UTF-8 under the UTF-8 tag never reaches the program as such.
    EXPECT_EQ(nameRead(bytes({0x14, 0x03, 0x00, 0x00, 0x00, 'a', 0xFF, 'b'})), "a\xEF\xBF\xBD"
                                                                               "b");
}

TEST_F(ScheduleFile, MessageTaskLinesFollowTheirCount) {
    TScheduleItem item;
    nightItem(item);
    auto message = std::make_unique<TMessageTask>();
    TMessageTask* lines = message.get();
    item.Task = std::move(message);

    std::string data;
    WriteScheduleRecord(item, data);
    Record expected;
    expected.task = bytes({0x02, 0x0A, 0x02, 0x00});
    EXPECT_EQ(data, expected.build());
    EXPECT_TRUE(static_cast<TMessageTask&>(*readBack(item)->Task).Lines.empty());

    lines->Lines = {"Time to go", "", "Caf\xC3\xA9"};
    data.clear();
    WriteScheduleRecord(item, data);
    expected.task = bytes({0x02, 0x0A, 0x02, 0x03}) + shortString("Time to go") + bytes({0x06, 0x00}) +
                    bytes({0x14, 0x05, 0x00, 0x00, 0x00}) + "Caf\xC3\xA9";
    EXPECT_EQ(data, expected.build()) << "the next property name follows right after the third line";
    EXPECT_EQ(static_cast<TMessageTask&>(*readBack(item)->Task).Lines, lines->Lines);

    expected.task = bytes({0x02, 0x0A, 0x02, 0xFF});
    std::unique_ptr<TScheduleItem> back;
    ASSERT_EQ(read(expected.build(), &back), "");
    EXPECT_TRUE(static_cast<TMessageTask&>(*back->Task).Lines.empty()) << "a negative count reads no line";
}

TEST_F(ScheduleFile, ProcessIdsBySmallestTagUpToEightBytes) {
    TScheduleItem item;
    nightItem(item);
    auto close = std::make_unique<TCloseProgramTask>();
    TCloseProgramTask* task = close.get();
    task->WindowText = "Editor";
    item.Task = std::move(close);

    const std::pair<std::uint32_t, std::string> cases[] = {
        {100, bytes({0x02, 0x64})},
        {1234, bytes({0x03, 0xD2, 0x04})},
        {100000, bytes({0x04, 0xA0, 0x86, 0x01, 0x00})},
        {2147483648u, bytes({0x13, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00})},
        {4294967295u, bytes({0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00})},
    };
    for (const auto& [id, idBytes] : cases) {
        task->ProcessId = id;
        std::string data;
        WriteScheduleRecord(item, data);
        Record expected;
        expected.task = bytes({0x02, 0x03}) + shortString("Editor") + idBytes;
        EXPECT_EQ(data, expected.build()) << id;
        const auto back = readBack(item);
        EXPECT_EQ(static_cast<TCloseProgramTask&>(*back->Task).ProcessId, id);
        EXPECT_EQ(static_cast<TCloseProgramTask&>(*back->Task).WindowText, "Editor");
    }

    Record negative; // an older writer's id of 2^31 or more, stored as a negative 32-bit value
    negative.task = bytes({0x02, 0x03}) + shortString("Editor") + bytes({0x04, 0x00, 0x00, 0x00, 0x80});
    std::unique_ptr<TScheduleItem> back;
    ASSERT_EQ(read(negative.build(), &back), "");
    EXPECT_EQ(static_cast<TCloseProgramTask&>(*back->Task).ProcessId, 2147483648u);

    Record tooLarge;
    tooLarge.task = bytes({0x02, 0x03}) + shortString("Editor") + bytes({0x13, 0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(read(tooLarge.build()), "Error reading TScheduleItem.TaskProperty: Invalid property value");
}

TEST_F(ScheduleFile, IntegersOfTheTimeRuleKeepTheirValueAndTakeEveryIntegerTag) {
    TScheduleItem item;
    nightItem(item);
    item.TimeRule.CrossState = static_cast<TCrossState>(-1);
    item.TimeRule.Period = static_cast<TPeriod>(300);
    item.TimeRule.Day = -70000;
    std::string data;
    WriteScheduleRecord(item, data);
    Record expected;
    expected.time = shortString("22:30:00:EveryDay") + bytes({0x02, 0xFF, 0x03, 0x2C, 0x01}) +
                    bytes({0x04, 0x90, 0xEE, 0xFE, 0xFF}) + dateTime(0.0) + dateTime(0.9375);
    EXPECT_EQ(data, expected.build());
    const auto back = readBack(item);
    EXPECT_EQ(static_cast<int>(back->TimeRule.CrossState), -1);
    EXPECT_EQ(static_cast<int>(back->TimeRule.Period), 300) << "a period outside 0 to 3 is kept as read";
    EXPECT_EQ(back->TimeRule.Day, -70000);

    // Wider tags than needed read the same; dates may be stored as whole days.
    Record wide;
    wide.time = shortString("") + bytes({0x04, 0x02, 0x00, 0x00, 0x00, 0x03, 0x03, 0x00, 0x02, 0x00}) +
                bytes({0x04, 0xB0, 0xB3, 0x00, 0x00}) + bytes({0x02, 0x00});
    std::unique_ptr<TScheduleItem> wideBack;
    ASSERT_EQ(read(wide.build(), &wideBack), "");
    EXPECT_EQ(wideBack->TimeRule.CrossState, TCrossState::Passed);
    EXPECT_EQ(wideBack->TimeRule.Period, TPeriod::Once);
    EXPECT_EQ(wideBack->TimeRule.OnceDate, 46000.0);
    EXPECT_EQ(wideBack->TimeRule.TimeOfDay, 0.0);

    Record eightBytes; // 0x13 is a date's tag and a process id's, never a plain integer's
    eightBytes.time = shortString("") + bytes({0x13, 1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(read(eightBytes.build()), "Error reading TScheduleItem.SPTimeProperty: Invalid property value");
}

TEST_F(ScheduleFile, BooleansReadTrueOnlyFromTheTrueTag) {
    Record record;
    record.other = bytes({0x09, 0x01, 0x77}) + shortString("x");
    std::unique_ptr<TScheduleItem> item;
    ASSERT_EQ(read(record.build(), &item), "");
    EXPECT_TRUE(item->Active);
    EXPECT_FALSE(item->Spare);
    EXPECT_FALSE(item->DueToday);
}

TEST_F(ScheduleFile, TaskCodesWithoutAKindOrAListEntryRoundTrip) {
    for (int code : {6, 0, 14, 42, -5, 100000}) {
        Record record;
        std::string codeBytes;
        if (code == 100000)
            codeBytes = bytes({0x04, 0xA0, 0x86, 0x01, 0x00});
        else
            codeBytes = bytes({0x02, code & 0xFF});
        record.task = codeBytes;
        std::unique_ptr<TScheduleItem> item;
        ASSERT_EQ(read(record.build(), &item), "") << code;
        if (code == 6) {
            EXPECT_NE(dynamic_cast<TDisconnectNetTask*>(item->Task.get()), nullptr);
            EXPECT_FALSE(item->UnknownTaskCode);
        } else {
            EXPECT_EQ(item->Task, nullptr) << code;
            EXPECT_EQ(item->UnknownTaskCode, code);
        }
        std::string written;
        WriteScheduleRecord(*item, written);
        EXPECT_EQ(written, record.build()) << code;
    }

    TScheduleItem neverHadTask; // a new item the wizard has not given a task yet
    std::string written;
    WriteScheduleRecord(neverHadTask, written);
    std::unique_ptr<TScheduleItem> back;
    ASSERT_EQ(read(written, &back), "");
    EXPECT_EQ(back->Task, nullptr);
}

TEST_F(ScheduleFile, PropertiesMatchWithoutRegardToCaseInAnyOrder) {
    Record record;
    const std::string task = shortName("taskproperty") + bytes({0x02, 0x08}) + shortString("run.sh");
    const std::string time = shortName("SPTIMEPROPERTY") + record.time;
    const std::string other = shortName("otherProperty") + record.other;
    const std::string data =
        "TPF0" + shortName("TScheduleItem") + bytes({0}) + other + time + task + bytes({0, 0});
    std::unique_ptr<TScheduleItem> item;
    ASSERT_EQ(read(data, &item), "");
    EXPECT_EQ(static_cast<TExecuteTask&>(*item->Task).CommandLine, "run.sh");
    EXPECT_EQ(item->TimeRule.TimeOfDay, 0.9375);
    EXPECT_EQ(item->ItemName, "Night");
}

TEST_F(ScheduleFile, FaultTextsOfDamagedRecords) {
    const std::string night = Record().build();
    EXPECT_EQ(read(""), "Stream read error");
    EXPECT_EQ(read("TPF"), "Stream read error");
    EXPECT_EQ(read("TPF1" + night.substr(4)), "Invalid stream format");
    EXPECT_EQ(read(night.substr(0, 0x12)), "Stream read error") << "ends in the component name";
    EXPECT_EQ(read(night.substr(0, 0x13)), "Stream read error") << "ends where a property name begins";
    EXPECT_EQ(read(night.substr(0, 0x1A)), "Stream read error") << "ends inside a property name";
    EXPECT_EQ(read(night.substr(0, 0x21)), "Error reading TScheduleItem.TaskProperty: Stream read error");
    EXPECT_EQ(read(night.substr(0, 0x40)), "Error reading TScheduleItem.SPTimeProperty: Stream read error");
    EXPECT_EQ(read(night.substr(0, 0x70)), "Error reading TScheduleItem.OtherProperty: Stream read error");
    EXPECT_EQ(read(night.substr(0, 0x74)), "Stream read error") << "ends before the end of the properties";
    EXPECT_EQ(read(night.substr(0, 0x75)), "Stream read error") << "ends before the end of the children";

    Record badTag;
    badTag.task = bytes({0x07, 0x01});
    EXPECT_EQ(read(badTag.build()), "Error reading TScheduleItem.TaskProperty: Invalid property value");
    Record badString;
    badString.time = bytes({0x02, 0x01}) + badString.time.substr(19);
    EXPECT_EQ(read(badString.build()), "Error reading TScheduleItem.SPTimeProperty: Invalid property value");
    Record badDate;
    badDate.time =
        shortString("") + bytes({0x02, 0x01, 0x02, 0x00, 0x02, 0x00}) + shortString("") + dateTime(0);
    EXPECT_EQ(read(badDate.build()), "Error reading TScheduleItem.SPTimeProperty: Invalid property value");

    Record unknown;
    unknown.otherName = "Colour";
    EXPECT_EQ(read(unknown.build()), "Error reading TScheduleItem.Colour: Property Colour does not exist");

    Record child;
    child.ending = bytes({0x00, 0x01});
    EXPECT_EQ(read(child.build()), "Invalid stream format");
}

TEST_F(ScheduleFile, HostileLengthsAndDatesAreFaultsNotAllocations) {
    Record hugeString;
    hugeString.other = bytes({0x09, 0x08, 0x09, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'x'});
    EXPECT_EQ(read(hugeString.build()), "Error reading TScheduleItem.OtherProperty: Stream read error");
    Record hugeUtf8;
    hugeUtf8.other = bytes({0x09, 0x08, 0x09, 0x14, 0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(read(hugeUtf8.build()), "Error reading TScheduleItem.OtherProperty: Stream read error");
    Record hugeWide;
    hugeWide.other = bytes({0x09, 0x08, 0x09, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0x41, 0x00});
    EXPECT_EQ(read(hugeWide.build()), "Error reading TScheduleItem.OtherProperty: Stream read error");
    // A message task that claims 2^31 - 1 lines in a file that ends after the first.
    const std::string manyLines =
        Record().build().substr(0, 0x20) + bytes({0x02, 0x0A, 0x04, 0xFF, 0xFF, 0xFF, 0x7F, 0x06, 0x00});
    EXPECT_EQ(read(manyLines), "Error reading TScheduleItem.TaskProperty: Stream read error");

    for (double date : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        1e300, -693594.0, 2958466.0}) {
        Record record;
        record.time =
            shortString("") + bytes({0x02, 0x01, 0x02, 0x00, 0x02, 0x00}) + dateTime(date) + dateTime(0);
        EXPECT_EQ(read(record.build()), "Error reading TScheduleItem.SPTimeProperty: Invalid property value")
            << date;
    }
    Record lastDay;
    lastDay.time = shortString("") + bytes({0x02, 0x01, 0x02, 0x00, 0x02, 0x00}) + dateTime(2958465.99) +
                   dateTime(-693593.0);
    EXPECT_EQ(read(lastDay.build()), "") << "31 December 9999 and 1 January 0001 are dates";
}

TEST_F(ScheduleFile, RecordsFollowEachOtherAndTheWholeFileIsTheirConcatenation) {
    TScheduleManager manager;
    nightItem(manager.Add());
    auto& second = manager.Add();
    second.ItemName = "second";
    second.Task = std::make_unique<TRestartTask>();
    EXPECT_EQ(WriteScheduleFile(TScheduleManager()), "");
    const std::string file = WriteScheduleFile(manager);
    ASSERT_EQ(file.substr(0, 118), readDataFile("night.cks"));

    ScheduleReader reader(file);
    TScheduleItem first, next, beyond;
    EXPECT_EQ(reader.ReadRecord(first), "");
    EXPECT_EQ(reader.Position(), 118u);
    EXPECT_EQ(reader.ReadRecord(next), "");
    EXPECT_EQ(next.ItemName, "second");
    EXPECT_EQ(next.Task->Code, 9);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadRecord(beyond), "Stream read error");
}

TEST_F(ScheduleFile, EveryTaskKindInOneFileByteForByte) {
    const std::string stored = readDataFile("all-kinds.cks");
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 42};
    TScheduleManager manager;
    for (int i = 0; i < 12; ++i) {
        const int code = codes[i];
        TScheduleItem& item = manager.Add();
        item.Task = TaskFromCode(code);
        if (!item.Task)
            item.UnknownTaskCode = code;
        if (auto* close = dynamic_cast<TCloseProgramTask*>(item.Task.get())) {
            close->WindowText = "Untitled - Editor";
            close->ProcessId = 4321;
        } else if (auto* execute = dynamic_cast<TExecuteTask*>(item.Task.get())) {
            execute->CommandLine = "\"/usr/bin/my tool\" --now";
        } else if (auto* message = dynamic_cast<TMessageTask*>(item.Task.get())) {
            message->Lines = {"Time to go", "",
                              "Bitte speichern: \xC3\x9C"
                              "berstunden"};
        }
        const auto period = static_cast<TPeriod>(i % 4);
        item.TimeRule.Period = period;
        item.TimeRule.Day = period == TPeriod::EveryWeek    ? 1 + i % 7
                            : period == TPeriod::EveryMonth ? 1 + i % 31
                                                            : 0;
        item.TimeRule.OnceDate = period == TPeriod::Once ? 46000.0 : 0.0;
        item.TimeRule.TimeOfDay = (8 + i + 0.25) / 24.0;
        char display[32];
        std::snprintf(display, sizeof display, "%02d:15:00:kind %d", 8 + i, code);
        item.TimeRule.DisplayText = display;
        item.TimeRule.CrossState = static_cast<TCrossState>(i % 3);
        item.Active = i % 2 == 0;
        item.Spare = i % 5 == 0;
        item.DueToday = i % 3 == 0;
        item.ItemName = "kind " + std::to_string(code);
    }
    EXPECT_EQ(WriteScheduleFile(manager), stored);

    ScheduleReader reader(stored);
    TScheduleManager back;
    while (!reader.AtEnd())
        ASSERT_EQ(reader.ReadRecord(back.Add()), "");
    ASSERT_EQ(back.Count(), 12);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(back.Item(i).Task->Code, codes[i]);
    EXPECT_EQ(back.Item(11).UnknownTaskCode, 42);
    EXPECT_EQ(static_cast<TMessageTask&>(*back.Item(9).Task).Lines,
              static_cast<TMessageTask&>(*manager.Item(9).Task).Lines);
    EXPECT_EQ(WriteScheduleFile(back), stored);
}

TEST_F(ScheduleFile, FileOfAnOlderWriterReadsLegibly) {
    // Windows-1252 text, a UTF-16 string, a whole-day date, property names in other case and order, and
    // a process id of 2^31 stored as a negative 32-bit value.
    const std::string stored = readDataFile("legacy.cks");
    std::unique_ptr<TScheduleItem> item;
    ASSERT_EQ(read(stored, &item), "");
    EXPECT_EQ(item->ItemName, "Caf\xC3\xA9 night");
    EXPECT_TRUE(item->Active);
    EXPECT_FALSE(item->DueToday);
    EXPECT_EQ(item->TimeRule.DisplayText, "22:30 \xE2\x80\x93 \xE2\x82\xAC");
    EXPECT_EQ(item->TimeRule.CrossState, TCrossState::Passed);
    EXPECT_EQ(item->TimeRule.Period, TPeriod::Once);
    EXPECT_EQ(item->TimeRule.OnceDate, 46000.0);
    EXPECT_EQ(item->TimeRule.TimeOfDay, 0.9375);
    auto& close = dynamic_cast<TCloseProgramTask&>(*item->Task);
    EXPECT_EQ(close.WindowText, "Gr\xC3\xB6\xC3\x9F"
                                "e");
    EXPECT_EQ(close.ProcessId, 2147483648u);

    const auto again = readBack(*item);
    EXPECT_EQ(again->ItemName, item->ItemName);
    EXPECT_EQ(again->TimeRule.DisplayText, item->TimeRule.DisplayText);
    EXPECT_EQ(static_cast<TCloseProgramTask&>(*again->Task).WindowText, close.WindowText);
    EXPECT_EQ(static_cast<TCloseProgramTask&>(*again->Task).ProcessId, 2147483648u);
}

TEST_F(ScheduleFile, SleepAndHibernateRoundTrip) {
    TScheduleManager manager;
    for (const int code : {12, 13}) {
        TScheduleItem& item = manager.Add();
        item.Task = TaskFromCode(code);
        item.ItemName = "night";
    }
    const std::string data = WriteScheduleFile(manager);
    // The code as one small integer right after the property's name, and no parameters after it.
    for (const char code : {'\x0C', '\x0D'})
        EXPECT_NE(data.find(std::string("\x0C"
                                        "TaskProperty\x02") +
                            code + "\x0E" + "SPTimeProperty"),
                  std::string::npos)
            << int(code);

    ScheduleReader reader(data);
    TScheduleManager back;
    while (!reader.AtEnd())
        ASSERT_EQ(reader.ReadRecord(back.Add()), "");
    ASSERT_EQ(back.Count(), 2);
    EXPECT_NE(dynamic_cast<TSleepTask*>(back.Item(0).Task.get()), nullptr);
    EXPECT_NE(dynamic_cast<THibernateTask*>(back.Item(1).Task.get()), nullptr);
    EXPECT_EQ(WriteScheduleFile(back), data);
}
