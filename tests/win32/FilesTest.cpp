// Files through the real backend: whole reads, atomic replacement that never loses the old content, the
// folder helpers, and the schedule file saved and loaded on a real disk byte for byte.

#include "Win32TestSupport.h"

#include "model/Schedule.h"
#include "tests/helpers/TestPaths.h"

#include <algorithm>

namespace halvo::test {
namespace {

// The names in a folder in alphabetical order, without "." and "..".
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Widen(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Narrow(found.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class Files : public RealPlatformTest {
protected:
    TempFolder folder;
};

TEST_F(Files, AWholeFileIsWrittenAndReadBackByteForByte) {
    const std::string path = folder.file("sch.cks");
    const std::string bytes = std::string("TPF0\x00\r\n\x1A\xFF", 9) + std::string(100000, '\x11');
    std::string error;
    ASSERT_TRUE(real.WriteWholeFile(path, bytes, error)) << error;
    EXPECT_TRUE(real.FileExists(path));
    std::string data;
    ASSERT_TRUE(real.ReadWholeFile(path, data, error)) << error;
    EXPECT_EQ(data, bytes);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"sch.cks"}) << "nothing left beside it";

    ASSERT_TRUE(real.WriteWholeFile(path, "", error)) << error;
    ASSERT_TRUE(real.ReadWholeFile(path, data, error));
    EXPECT_EQ(data, "");
}

TEST_F(Files, AReplacementThatCannotTakePlaceLeavesTheOldContent) {
    const std::string path = folder.file("sch.cks");
    std::string error;
    ASSERT_TRUE(real.WriteWholeFile(path, "old schedule", error)) << error;
    // Another program holds the file open and does not let it be replaced meanwhile.
    const HANDLE holder = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(real.WriteWholeFile(path, "new schedule", error));
    EXPECT_FALSE(error.empty());
    CloseHandle(holder);
    EXPECT_EQ(ReadFileBytes(path), "old schedule");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"sch.cks"}) << "the new file is cleaned up";

    error.clear();
    EXPECT_FALSE(real.WriteWholeFile(folder.file("no folder\\sch.cks"), "x", error));
    EXPECT_EQ(error, SystemErrorText(ERROR_PATH_NOT_FOUND));
}

TEST_F(Files, AFileThatCannotBeReadGivesThePlatformsReason) {
    std::string data = "unchanged";
    std::string error;
    EXPECT_FALSE(real.ReadWholeFile(folder.file("missing.cks"), data, error));
    EXPECT_EQ(error, SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(data, "unchanged");
    EXPECT_FALSE(SystemErrorText(ERROR_FILE_NOT_FOUND).empty());
    EXPECT_NE(SystemErrorText(ERROR_FILE_NOT_FOUND).back(), '\n');
}

TEST_F(Files, FoldersAreMadeWithTheirParentsAndTestedByWriting) {
    const std::string nested = folder.file("Ein\\Zwei Ω\\Drei");
    EXPECT_FALSE(real.FolderWritable(nested));
    EXPECT_TRUE(real.MakeFolder(nested));
    EXPECT_TRUE(real.MakeFolder(nested + "\\")) << "an existing folder is fine";
    EXPECT_TRUE(real.FolderWritable(nested));
    EXPECT_TRUE(real.FolderWritable(nested + "\\"));
    EXPECT_TRUE(namesIn(nested + "\\").empty()) << "the probe leaves nothing behind";
    EXPECT_FALSE(real.FileExists(nested)) << "a folder is not a file";

    // A file where a folder should be.
    WriteFileBytes(folder.file("plain"), "x");
    EXPECT_FALSE(real.MakeFolder(folder.file("plain\\below")));
}

TEST_F(Files, ReadOnlyFilesAndFoldersAreNamedBeforeAWriteAndLeftAsTheyAre) {
    const std::string path = folder.file("setting.ini");
    std::string error;
    EXPECT_EQ(real.WriteProblem(path), "") << "a new file in a writable folder";
    ASSERT_TRUE(real.WriteWholeFile(path, "old", error)) << error;
    EXPECT_EQ(real.WriteProblem(path), "");
    ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(real.WriteProblem(path), SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(real.WriteWholeFile(path, "new", error));
    EXPECT_EQ(ReadFileBytes(path), "old");
    ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(real.MakeFolder(folder.file("sch.cks")));
    EXPECT_EQ(real.WriteProblem(folder.file("sch.cks")), SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"sch.cks", "setting.ini"}));
}

TEST_F(Files, CopiesOfADamagedScheduleMoveBackAGenerationOnDisk) {
    const std::string night = ReadFileBytes(std::string(TestPath("HALVO_TEST_DATA_DIR")) + "/night.cks");
    const std::string stored = folder.file("sch.cks");
    TScheduleManager manager;
    manager.SetSettingsPath(folder.file("setting.ini"));
    for (const std::string& damaged : {night + "junk", night + night + "junk"}) {
        WriteFileBytes(stored, damaged);
        EXPECT_EQ(manager.LoadSchedule(stored), "Invalid stream format");
    }
    EXPECT_EQ(ReadFileBytes(stored + ".bak"), night + night + "junk");
    EXPECT_EQ(ReadFileBytes(stored + ".bak.1"), night + "junk");
    std::string error;
    EXPECT_FALSE(real.RenameFile(folder.file("missing"), stored, error));
    EXPECT_EQ(error, SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"sch.cks", "sch.cks.bak", "sch.cks.bak.1"}));
}

TEST_F(Files, TheScheduleFileIsTheSameBytesOnThisSystem) {
    // The worked example's record, and its count written as a person might, in hexadecimal.
    const std::string night = ReadFileBytes(std::string(TestPath("HALVO_TEST_DATA_DIR")) + "/night.cks");
    ASSERT_EQ(night.size(), 118u);
    const std::string stored = folder.file("sch.cks");
    const std::string settings = folder.file("setting.ini");
    WriteFileBytes(stored, night);
    WriteFileBytes(settings, "[schManager]\r\ncount=0x1\r\n");

    TScheduleManager manager;
    manager.SetSettingsPath(settings);
    ASSERT_EQ(manager.LoadSchedule(stored), "");
    ASSERT_EQ(manager.Count(), 1);
    EXPECT_EQ(manager.Item(0).ItemName, "Night");
    EXPECT_EQ(manager.Item(0).TimeRule.DisplayText, "22:30:00:EveryDay");

    manager.Item(0).ItemName = "Nacht über Ödland";
    const std::string saved = folder.file("saved\\sch.cks");
    ASSERT_TRUE(real.MakeFolder(folder.file("saved")));
    ASSERT_EQ(manager.SaveSchedule(saved), "");
    manager.Item(0).ItemName = "Night";
    ASSERT_EQ(manager.SaveSchedule(stored), "");
    EXPECT_EQ(ReadFileBytes(stored), night);
    EXPECT_EQ(ReadFileBytes(settings), "[schManager]\r\ncount=1\r\n");

    TScheduleManager again;
    again.SetSettingsPath(settings);
    ASSERT_EQ(again.LoadSchedule(saved), "");
    ASSERT_EQ(again.Count(), 1);
    EXPECT_EQ(again.Item(0).ItemName, "Nacht über Ödland");
}

} // namespace
} // namespace halvo::test
