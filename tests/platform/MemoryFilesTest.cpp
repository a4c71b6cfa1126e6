// The tests' one in-memory file system, behind both the recording platform and the recording layer of
// Windows calls: the failures a test scripts answer with the system's words and change nothing, and a
// rename carries the bytes as they are.

#include "tests/fakes/MemoryFiles.h"

#include <gtest/gtest.h>

#include <functional>

using namespace halvo;

TEST(MemoryFiles, ScriptedFailuresAnswerWithTheSystemsWordsAndChangeNothing) {
    MemoryFiles files;
    files.storedFiles = {{"/a/kept", "old"}, {"/a/locked", "x"}, {"/a/secret", "s"}};
    files.unwritableFiles = {"/a/locked"};
    files.unreadableFiles = {"/a/secret"};
    files.readOnlyFolders = {"/ro/"};
    const auto before = files.storedFiles;
    const std::string notFound = "The system cannot find the file specified";
    const std::string denied = "Access is denied";
    std::string data;
    const struct {
        const char* what;
        std::function<bool(std::string&)> act;
        std::string error;
    } cases[] = {
        {"read a missing file", [&](std::string& e) { return files.read("/a/none", data, e); }, notFound},
        {"read an unreadable file", [&](std::string& e) { return files.read("/a/secret", data, e); }, denied},
        {"write an unwritable file", [&](std::string& e) { return files.write("/a/locked", "new", e); },
         denied},
        {"write into a read-only folder", [&](std::string& e) { return files.write("/ro/new", "new", e); },
         denied},
        {"rename a missing file", [&](std::string& e) { return files.rename("/a/none", "/a/new", e); },
         notFound},
        {"rename an unwritable file", [&](std::string& e) { return files.rename("/a/locked", "/a/new", e); },
         denied},
        {"rename onto an unwritable file",
         [&](std::string& e) { return files.rename("/a/kept", "/a/locked", e); }, denied},
        {"rename into a read-only folder",
         [&](std::string& e) { return files.rename("/a/kept", "/ro/kept", e); }, denied},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(c.act(error)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(files.storedFiles, before) << c.what;
    }
    EXPECT_EQ(data, "");
    EXPECT_EQ(files.readable("/a/secret"), nullptr);
    EXPECT_EQ(files.whyNotWritable("/ro/new"), denied);
    EXPECT_EQ(files.whyNotWritable("/a/locked"), denied);
    EXPECT_EQ(files.whyNotWritable("/a/kept"), "");
    EXPECT_FALSE(files.folderIsWritable("/ro/"));
    EXPECT_TRUE(files.folderIsWritable("/a/"));
}

TEST(MemoryFiles, RenameReplacesTheTargetWithTheBytesAsTheyAre) {
    MemoryFiles files;
    const std::string bytes("b\0y\r\n\xff", 6);
    files.storedFiles = {{"/a/sch.new", bytes}, {"/a/sch", "old"}};
    std::string error;
    ASSERT_TRUE(files.rename("/a/sch.new", "/a/sch", error)) << error;
    EXPECT_EQ(files.storedFiles, (std::map<std::string, std::string>{{"/a/sch", bytes}}));
    std::string data;
    ASSERT_TRUE(files.read("/a/sch", data, error)) << error;
    EXPECT_EQ(data, bytes);
    EXPECT_FALSE(files.holds("/a/sch.new"));
}
