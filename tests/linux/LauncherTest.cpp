// Starting programs and opening documents for real: a helper program records how it was started. Parameters
// arrive as plain words whatever shell syntax they hold, documents and addresses go to xdg-open (a recording
// stand-in put first on PATH, so nothing opens on this machine's desktop), and no started child is left as
// our zombie.

#include "LinuxTestSupport.h"

#include "model/Tasks.h"
#include "platform/linux/Launcher.h"
#include "platform/linux/LinuxPlatform.h"
#include "tests/fakes/RecordingUi.h"
#include "tests/helpers/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;
using halvo::linuxbackend::ShellOpen;
using Words = std::vector<std::string>;

namespace {

struct Started {
    std::string folder;
    pid_t parent = 0;
    pid_t session = 0;
    Words arguments;
};

class Launching : public testing::Test {
protected:
    void SetUp() override {
        // A folder of stand-ins first on PATH: the recorder under its own name and as xdg-open.
        std::filesystem::create_directory(bin);
        std::filesystem::create_symlink(TestPath("HALVO_ARGS_RECORDER"), bin + "/halvo-args-recorder");
        std::filesystem::create_symlink(TestPath("HALVO_ARGS_RECORDER"), bin + "/xdg-open");
        environment.set("PATH",
                        bin + ":" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin"));
        environment.set("HALVO_ARGS_FILE", record);
    }

    // What the recorder wrote, once it has; nothing after five seconds.
    std::optional<Started> started() {
        if (!WaitUntil([&] { return std::filesystem::exists(record); }))
            return std::nullopt;
        const std::string text = ReadWhole(record);
        std::filesystem::remove(record);
        Words fields;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const auto end = text.find('\0', pos);
            fields.push_back(text.substr(pos, end - pos));
            pos = end + 1;
        }
        if (fields.size() < 3)
            return std::nullopt;
        return Started{fields[0], std::stoi(fields[1]), std::stoi(fields[2]),
                       Words(fields.begin() + 3, fields.end())};
    }

    bool nothingStarted() {
        std::this_thread::sleep_for(200ms);
        return !std::filesystem::exists(record);
    }

    TempFolder temp;
    std::string bin = temp / "bin";
    std::string record = temp / "record";
    ScopedEnvironment environment;
    LinuxPlatform backend;
};

} // namespace

TEST_F(Launching, ShellSyntaxInParametersArrivesAsPlainWords) {
    const std::string parameters =
        R"(one "two words" 'three;$(touch pwned)' $(touch pwned2) four;five \"six\" `touch pwned3` | seven > out)";
    EXPECT_EQ(ShellOpen(TestPath("HALVO_ARGS_RECORDER"), parameters, temp.path()), "");
    const auto run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, (Words{"one", "two words", "three;$(touch pwned)", "$(touch", "pwned2)",
                                     "four;five", "\"six\"", "`touch", "pwned3`", "|", "seven", ">", "out"}));
    EXPECT_EQ(run->folder, temp.path());
    for (const char* name : {"pwned", "pwned2", "pwned3", "out"})
        EXPECT_FALSE(std::filesystem::exists(temp / name)) << name;
}

TEST_F(Launching, StartedProgramsAreDetachedAndLeaveNoZombies) {
    for (int i = 0; i < 3; ++i) {
        std::string failure;
        ASSERT_TRUE(backend.launcher().runProgram("halvo-args-recorder", "a  b", failure)) << failure;
        const auto run = started();
        ASSERT_TRUE(run);
        EXPECT_EQ(run->arguments, (Words{"a", "b"}));
        EXPECT_NE(run->parent, ::getpid());
        EXPECT_NE(run->session, ::getsid(0));
    }
    EXPECT_EQ(ZombieChildren(), std::vector<pid_t>{});
}

TEST_F(Launching, AnExecuteTaskRunsItsCommandLineOrSaysWhyItCannot) {
    WriteWhole(temp / "script.sh", "#!/bin/sh\ntouch ran\n");
    WriteWhole(bin + "/halvo-plain", "#!/bin/sh\ntouch ran\n");
    WriteWhole(temp / "garbage", "not a program\n");
    std::filesystem::permissions(temp / "garbage", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(TestPath("HALVO_ARGS_RECORDER"), temp / "recorder");
    std::filesystem::permissions(temp / "recorder", std::filesystem::perms::owner_read);
    const std::string failed = "Run a command line failed: ";
    const struct {
        std::string commandLine;
        Words arguments;   // the program started with these, or
        std::string popup; // nothing started and the user is told this
    } cases[] = {
        {"  halvo-args-recorder  x  'y z' \"$HOME\"  ", {"x", "y z", "$HOME"}, ""},
        {temp / "missing --now", {}, failed + "program not found: " + (temp / "missing")},
        {"halvo-no-such-program --now", {}, failed + "program not found on PATH: halvo-no-such-program"},
        {temp / "script.sh", {}, failed + "not executable: " + (temp / "script.sh")},
        {temp / "recorder x", {}, failed + "not executable: " + (temp / "recorder")},
        {"halvo-plain", {}, failed + "not executable: " + bin + "/halvo-plain"},
        {temp / "garbage", {}, failed + "cannot run " + (temp / "garbage") + ": Exec format error"},
        {"halvo-args-recorder 'it", {}, failed + "the quote is not closed"},
        {"\"" + bin + "/halvo-args-recorder x", {}, failed + "the quote is not closed"},
    };
    ScopedPlatform guard(backend);
    for (const auto& c : cases) {
        RecordingUi recordingUi;
        ScopedUi uiGuard(recordingUi);
        TExecuteTask task;
        task.CommandLine = c.commandLine;
        task.Run();
        if (c.popup.empty()) {
            const auto run = started();
            ASSERT_TRUE(run) << c.commandLine;
            EXPECT_EQ(run->arguments, c.arguments);
            EXPECT_TRUE(recordingUi.popups.empty()) << c.commandLine;
        } else {
            EXPECT_TRUE(nothingStarted()) << c.commandLine;
            ASSERT_EQ(recordingUi.popups.size(), 1u) << c.commandLine;
            EXPECT_EQ(recordingUi.popups[0]->shownTexts, Words{c.popup});
        }
    }
    EXPECT_FALSE(std::filesystem::exists(temp / "ran"));
}

TEST_F(Launching, DocumentsFoldersAndAddressesOpenWithXdgOpen) {
    const std::string document = temp / "notes.txt";
    WriteWhole(document, "text");
    ASSERT_EQ(ShellOpen(document, "ignored words", ""), "");
    auto run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, Words{document});

    ASSERT_EQ(ShellOpen("notes.txt", "", temp.path()), "");
    run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, Words{document});

    backend.launcher().openDocument(bin, 0);
    run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, Words{bin});

    const std::string address = "https://example.org/a b?x=1&y=$(id);z";
    backend.launcher().openDocument(address, 0);
    run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, Words{address});

    // A file without the right to run that does not begin as a program does is a document too.
    const std::string page = temp / "page.html";
    WriteWhole(page, "<!doctype html>\n");
    ASSERT_EQ(ShellOpen(page, "", ""), "");
    run = started();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments, Words{page});
}

TEST_F(Launching, FailuresSayWhyAndStartNothing) {
    const std::string missing = temp / "missing";
    EXPECT_EQ(ShellOpen("", "", ""), "no program given");
    EXPECT_EQ(ShellOpen(missing, "", ""), "program not found: " + missing);
    EXPECT_EQ(ShellOpen("no-such-program-anywhere", "", ""),
              "program not found on PATH: no-such-program-anywhere");
    EXPECT_EQ(ShellOpen(TestPath("HALVO_ARGS_RECORDER"), "", missing), "folder not found: " + missing);
    // An unbalanced quote would leave the words to guesswork: nothing runs.
    EXPECT_EQ(ShellOpen(TestPath("HALVO_ARGS_RECORDER"), "it's", ""), "the quote is not closed");
    EXPECT_TRUE(nothingStarted());

    environment.set("PATH", "/nonexistent");
    const std::string document = temp / "notes.txt";
    WriteWhole(document, "text");
    EXPECT_EQ(ShellOpen(document, "", ""), "no application to open " + document + " (xdg-open is missing)");
}

TEST(ShellWords, SplitLikeAShellWithoutExpanding) {
    using halvo::linuxbackend::SplitShellWords;
    EXPECT_EQ(SplitShellWords(""), Words{});
    EXPECT_EQ(SplitShellWords(" \t "), Words{});
    EXPECT_EQ(SplitShellWords(R"(a\ b "c\"d\\e\x" 'f\g' ""  h''i)"),
              (Words{"a b", "c\"d\\e\\x", "f\\g", "", "hi"}));
    EXPECT_EQ(SplitShellWords("a\\\nb \"c\\\nd\""), (Words{"ab", "cd"}));
    EXPECT_EQ(SplitShellWords("end\\"), Words{"end\\"});
    EXPECT_EQ(SplitShellWords("\"open"), std::nullopt);
    EXPECT_EQ(SplitShellWords("'open"), std::nullopt);
}
