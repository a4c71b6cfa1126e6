// The auto-start entry as the XDG autostart entry, in a temporary XDG_CONFIG_HOME. GLib's own
// desktop-entry reader (through /usr/bin/python3 and gi, as the desktop's session starter reads it)
// checks that the entry is valid and starts the program it names.

#include "LinuxTestSupport.h"

#include "platform/linux/AutostartEntry.h"
#include "platform/linux/LinuxPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::AutostartValue;
using halvo::linuxbackend::LinuxPlatform;
using halvo::linuxbackend::ParseAutostartEntry;

namespace {

using Outcome = AutoStart::Outcome;

class Autostart : public testing::Test {
protected:
    void SetUp() override { environment.set("XDG_CONFIG_HOME", temp / "config"); }

    // The command the entry holds, read back as the desktop reads it; nothing when it holds none.
    std::optional<std::string> command() {
        if (!std::filesystem::exists(entry))
            return std::nullopt;
        const AutostartValue value = ParseAutostartEntry(ReadWhole(entry));
        if (value.state != AutostartValue::State::Present)
            return std::nullopt;
        return value.text;
    }

    // The command line GLib reads from the entry, one word a field; empty when GLib rejects the entry.
    std::vector<std::string> glibCommandLine() {
        ChildProcess python({"/usr/bin/python3", "-c",
                             "import sys\n"
                             "from gi.repository import Gio, GLib\n"
                             "try:\n"
                             "    info = Gio.DesktopAppInfo.new_from_filename(sys.argv[1])\n"
                             "except TypeError:\n"
                             "    print('rejected'); sys.exit(0)\n"
                             "print('\\t'.join(GLib.shell_parse_argv(info.get_commandline())[1]))\n",
                             entry},
                            {}, -1, true);
        const auto line = python.readLine(10s);
        if (!line || *line == "rejected")
            return {};
        std::vector<std::string> words;
        std::size_t pos = 0;
        for (;;) {
            const auto tab = line->find('\t', pos);
            words.push_back(line->substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
            if (tab == std::string::npos)
                break;
            pos = tab + 1;
        }
        return words;
    }

    TempFolder temp;
    ScopedEnvironment environment;
    LinuxPlatform backend;
    AutoStart& autoStart = backend.autoStart();
    std::string entry = temp / "config/autostart/halvo-shutdown.desktop";
};

} // namespace

TEST_F(Autostart, TheEntryIsWrittenKeptAndRemoved) {
    // A real program at a path with a blank, as an installed copy might have.
    std::filesystem::create_directories(temp / "Halvo Apps");
    std::filesystem::copy_file("/bin/true", temp / "Halvo Apps/halvo-shutdown");
    const std::string program = temp / "Halvo Apps/halvo-shutdown";
    ASSERT_EQ(autoStart.ensureEntry("\"" + program + "\""), Outcome::Done);

    EXPECT_EQ(ReadWhole(entry), "[Desktop Entry]\n"
                                "Type=Application\n"
                                "Version=1.4\n"
                                "Name=Halvo Shutdown\n"
                                "Comment=Shut down, restart or lock on a schedule\n"
                                "Exec=\"" +
                                    program +
                                    "\"\n"
                                    "Terminal=false\n"
                                    "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(glibCommandLine(), std::vector<std::string>{program});
    EXPECT_EQ(FolderEntries(temp / "config/autostart"), std::vector<std::string>{"halvo-shutdown.desktop"});

    // Another copy's entry stays; writing replaces it.
    EXPECT_EQ(autoStart.ensureEntry("\"/opt/other\""), Outcome::Done);
    EXPECT_EQ(command(), "\"" + program + "\"");
    EXPECT_EQ(autoStart.writeEntry("\"/opt/other\""), Outcome::Done);
    EXPECT_EQ(command(), "\"/opt/other\"");

    autoStart.removeEntry();
    EXPECT_FALSE(std::filesystem::exists(entry));
    autoStart.removeEntry(); // nothing to remove: no fault
    EXPECT_EQ(FolderEntries(temp / "config/autostart"), std::vector<std::string>{});
}

TEST_F(Autostart, PathsWithShellAndEntryCharactersSurvive) {
    const std::string folder = temp / "a $HOME \\back `id` it's";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file("/bin/true", folder + "/run me");
    const std::string program = folder + "/run me";
    ASSERT_EQ(autoStart.writeEntry("\"" + program + "\" --hidden \"two words\""), Outcome::Done);
    EXPECT_EQ(glibCommandLine(), (std::vector<std::string>{program, "--hidden", "two words"}));
    EXPECT_EQ(command(), "\"" + program + "\" --hidden \"two words\"");

    // A percent sign is doubled so it is not taken for a field code, and read back single; a shell starts
    // such a program, for GLib would look for it with the percent signs still doubled.
    ASSERT_EQ(autoStart.writeEntry("\"/opt/100% sure/halvo\""), Outcome::Done);
    EXPECT_NE(
        ReadWhole(entry).find(R"(Exec="/bin/sh" "-c" "exec \\"\\$0\\" \\"\\$@\\"" "/opt/100%% sure/halvo")"
                              "\n"),
        std::string::npos);
    EXPECT_EQ(command(), "\"/opt/100% sure/halvo\"");

    // Replacing keeps one entry and no temporary files.
    ASSERT_EQ(autoStart.writeEntry("\"/opt/other\""), Outcome::Done);
    EXPECT_EQ(command(), "\"/opt/other\"");
    EXPECT_EQ(FolderEntries(temp / "config/autostart"), std::vector<std::string>{"halvo-shutdown.desktop"});
}

TEST_F(Autostart, HostileProgramPathsValidateAndStartThatProgram) {
    // gio must find no desktop to talk to: no display, and a session bus that is not there.
    environment.set("DISPLAY", std::nullopt);
    environment.set("WAYLAND_DISPLAY", std::nullopt);
    environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (temp / "no-bus"));
    const std::string marker = temp / "started";
    const char* const paths[] = {
        "Halvo Apps/halvo-shutdown",
        "a\"b/halvo-shutdown",
        "a\" \"b/run \"me\"",
        "it's/halvo-shutdown",
        "back\\slash\\/halvo\\shutdown",
        "$HOME $(id)/halvo-shutdown",
        "`id`/halvo-shutdown",
        "100% sure/%U %% %f",
        "a;b/c;d",
        "key=value/halvo-shutdown",
        "line\nbreak/halvo-shutdown",
        "tab\there/halvo-shutdown",
        "Ünïcødé 日本/halvo-shutdown",
    };
    for (const char* path : paths) {
        const std::string program = temp / path;
        std::filesystem::create_directories(std::filesystem::path(program).parent_path());
        WriteWhole(program, "#!/bin/sh\nprintf '%s' \"$0\" > " + marker + ".part && mv " + marker + ".part " +
                                marker + "\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        std::filesystem::remove(marker);

        ASSERT_EQ(autoStart.writeEntry("\"" + program + "\""), Outcome::Done) << path;
        ChildProcess validate(
            {"/bin/sh", "-c", "desktop-file-validate \"$1\" 2>&1; echo \"exit $?\"", "sh", entry});
        std::string said;
        while (const auto line = validate.readLine(10s))
            said += *line + "\n";
        EXPECT_EQ(said, "exit 0\n") << path << "\n" << ReadWhole(entry);

        ChildProcess launch({"/usr/bin/gio", "launch", entry});
        const auto status = launch.waitExit(10s);
        ASSERT_TRUE(status) << path;
        EXPECT_EQ(*status, 0) << path;
        EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(marker); })) << path;
        EXPECT_EQ(ReadWhole(marker), program) << path;

        EXPECT_EQ(command(), "\"" + program + "\"") << path;
    }
}

// Entries written by others are read as the desktop reads them: one we cannot read a command line from
// is reported and left alone, one switched off or with an empty command is written anew, one with a
// command stays.
TEST_F(Autostart, EntriesWrittenByOthers) {
    struct Case {
        std::string text;
        Outcome outcome;
        bool kept;
    };
    const Case cases[] = {
        {"garbage\n", Outcome::NotACommand, true},
        {"[Desktop Entry]\nType=Application\nName=x\n", Outcome::NotACommand, true}, // no Exec
        {"[Desktop Entry]\nType=Link\nExec=/x\n", Outcome::NotACommand, true},
        {"[Desktop Entry]\nExec=\"/unclosed\n", Outcome::NotACommand, true},
        {"[Desktop Entry]\nType=Application\nExec=/x\nHidden=true\n", Outcome::Done, false},
        {"[Desktop Entry]\nType=Application\nExec=/x\nX-GNOME-Autostart-enabled=false\n", Outcome::Done,
         false},
        {"[Desktop Entry]\nType=Application\nExec=\n", Outcome::Done, false},
        {"# made by hand\n[Other]\nExec=/wrong\n[Desktop Entry]\nName=Halvo\n"
         "Exec=/usr/bin/halvo\\sshutdown %U --min\n",
         Outcome::Done, true},
    };
    std::filesystem::create_directories(temp / "config/autostart");
    for (const Case& c : cases) {
        WriteWhole(entry, c.text);
        EXPECT_EQ(autoStart.ensureEntry("\"/opt/halvo\""), c.outcome) << c.text;
        if (c.kept)
            EXPECT_EQ(ReadWhole(entry), c.text);
        else
            EXPECT_EQ(command(), "\"/opt/halvo\"") << c.text;
    }
    // Comments, other groups, string escapes and field codes.
    EXPECT_EQ(command(), "\"/usr/bin/halvo\" shutdown --min");
}

TEST_F(Autostart, AnEntryThatCannotBeWrittenFailsAndKeepsTheOldOne) {
    // A file where the autostart folder should be.
    std::filesystem::create_directories(temp / "config");
    WriteWhole(temp / "config/autostart", "in the way");
    EXPECT_EQ(autoStart.writeEntry("\"/x\""), Outcome::NotWritten);
    EXPECT_EQ(autoStart.ensureEntry("\"/x\""), Outcome::NotWritten);
    EXPECT_EQ(ReadWhole(temp / "config/autostart"), "in the way");
}
