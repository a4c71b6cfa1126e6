// The Run value "Halvo Shutdown" as the XDG autostart entry, in a temporary XDG_CONFIG_HOME. GLib's own
// desktop-entry reader (through /usr/bin/python3 and gi, as the desktop's session starter reads it)
// checks that the entry is valid and starts the program the Run value names.

#include "LinuxTestSupport.h"

#include "platform/linux/LinuxPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

constexpr const char* kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValue = "Halvo Shutdown";
constexpr std::uint32_t kRegBinary = 3;

class Autostart : public testing::Test {
protected:
    void SetUp() override {
        environment.set("XDG_CONFIG_HOME", temp / "config");
        ASSERT_EQ(backend.RegCreateKeyExA(win::HKEY_CURRENT_USER, kRunKey, 0, nullptr,
                                          win::REG_OPTION_NON_VOLATILE, win::KEY_ALL_ACCESS, &key,
                                          &disposition),
                  win::ERROR_SUCCESS);
    }
    void TearDown() override { EXPECT_EQ(backend.RegCloseKey(key), win::ERROR_SUCCESS); }

    long set(const std::string& text, std::uint32_t type = win::REG_SZ) {
        return backend.RegSetValueExA(key, kValue, 0, type,
                                      reinterpret_cast<const unsigned char*>(text.c_str()),
                                      static_cast<std::uint32_t>(text.size() + 1));
    }

    struct Value {
        long status = -1;
        std::uint32_t type = 0;
        std::string data; // raw bytes
    };
    Value query(const char* name = kValue) {
        Value v;
        unsigned char buffer[1024];
        std::uint32_t size = sizeof buffer;
        v.status = backend.RegQueryValueExA(key, name, &v.type, buffer, &size);
        if (v.status == win::ERROR_SUCCESS)
            v.data.assign(reinterpret_cast<const char*>(buffer), size);
        return v;
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
    Handle key = 0;
    std::uint32_t disposition = 0;
    std::string entry = temp / "config/autostart/halvo-shutdown.desktop";
};

} // namespace

TEST_F(Autostart, RunValueIsWrittenReadAndDeletedAsTheEntry) {
    EXPECT_EQ(disposition, 1u) << "no autostart folder yet";
    EXPECT_EQ(query().status, win::ERROR_FILE_NOT_FOUND);

    // A real program at a path with a blank, as an installed copy might have.
    std::filesystem::create_directories(temp / "Halvo Apps");
    std::filesystem::copy_file("/bin/true", temp / "Halvo Apps/halvo-shutdown");
    const std::string program = temp / "Halvo Apps/halvo-shutdown";
    ASSERT_EQ(set("\"" + program + "\""), win::ERROR_SUCCESS);

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

    const Value value = query();
    EXPECT_EQ(value.status, win::ERROR_SUCCESS);
    EXPECT_EQ(value.type, win::REG_SZ);
    EXPECT_EQ(value.data, "\"" + program + "\"" + std::string(1, '\0'));
    // Value names are case-insensitive, as in the registry.
    EXPECT_EQ(query("halvo shutdown").data, value.data);

    // The size alone, then a buffer that is too small.
    std::uint32_t size = 0;
    std::uint32_t type = 0;
    EXPECT_EQ(backend.RegQueryValueExA(key, kValue, &type, nullptr, &size), win::ERROR_SUCCESS);
    EXPECT_EQ(size, value.data.size());
    unsigned char small[4];
    size = sizeof small;
    EXPECT_EQ(backend.RegQueryValueExA(key, kValue, &type, small, &size), win::ERROR_MORE_DATA);
    EXPECT_EQ(size, value.data.size());

    EXPECT_EQ(backend.RegDeleteValueA(key, kValue), win::ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(query().status, win::ERROR_FILE_NOT_FOUND);
    // A missing value answers as on Windows; callers take it as nothing to delete.
    EXPECT_EQ(backend.RegDeleteValueA(key, kValue), win::ERROR_FILE_NOT_FOUND);
}

TEST_F(Autostart, PathsWithShellAndEntryCharactersSurvive) {
    const std::string folder = temp / "a $HOME \\back `id` it's";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file("/bin/true", folder + "/run me");
    const std::string program = folder + "/run me";
    ASSERT_EQ(set("\"" + program + "\" --hidden \"two words\""), win::ERROR_SUCCESS);
    EXPECT_EQ(glibCommandLine(), (std::vector<std::string>{program, "--hidden", "two words"}));
    EXPECT_EQ(query().data, "\"" + program + "\" --hidden \"two words\"" + std::string(1, '\0'));

    // A percent sign is doubled so it is not taken for a field code, and read back single; a shell starts
    // such a program, for GLib would look for it with the percent signs still doubled.
    ASSERT_EQ(set("\"/opt/100% sure/halvo\""), win::ERROR_SUCCESS);
    EXPECT_NE(
        ReadWhole(entry).find(R"(Exec="/bin/sh" "-c" "exec \\"\\$0\\" \\"\\$@\\"" "/opt/100%% sure/halvo")"
                              "\n"),
        std::string::npos);
    EXPECT_EQ(query().data, std::string("\"/opt/100% sure/halvo\"") + '\0');

    // Replacing keeps one entry and no temporary files.
    ASSERT_EQ(set("\"/opt/other\""), win::ERROR_SUCCESS);
    EXPECT_EQ(query().data, std::string("\"/opt/other\"") + '\0');
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

        ASSERT_EQ(set("\"" + program + "\""), win::ERROR_SUCCESS) << path;
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

        EXPECT_EQ(query().data, "\"" + program + "\"" + std::string(1, '\0')) << path;
    }
}

TEST_F(Autostart, EntriesWrittenByOthersAreReadAsTheDesktopReadsThem) {
    std::filesystem::create_directories(temp / "config/autostart");
    auto entryWith = [&](const std::string& text) {
        WriteWhole(entry, text);
        return query();
    };
    // Not a desktop entry: answers as a value of another type, so it is reported and left alone.
    Value v = entryWith("garbage\n");
    EXPECT_EQ(v.status, win::ERROR_SUCCESS);
    EXPECT_EQ(v.type, kRegBinary);
    EXPECT_EQ(v.data, "garbage\n");
    EXPECT_EQ(entryWith("[Desktop Entry]\nType=Application\nName=x\n").type, kRegBinary) << "no Exec";
    EXPECT_EQ(entryWith("[Desktop Entry]\nType=Link\nExec=/x\n").type, kRegBinary);
    EXPECT_EQ(entryWith("[Desktop Entry]\nExec=\"/unclosed\n").type, kRegBinary);

    // Switched off by the user in the desktop's settings: no value.
    EXPECT_EQ(entryWith("[Desktop Entry]\nType=Application\nExec=/x\nHidden=true\n").status,
              win::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(
        entryWith("[Desktop Entry]\nType=Application\nExec=/x\nX-GNOME-Autostart-enabled=false\n").status,
        win::ERROR_FILE_NOT_FOUND);

    // An empty command is an empty text, which the program writes anew.
    v = entryWith("[Desktop Entry]\nType=Application\nExec=\n");
    EXPECT_EQ(v.type, win::REG_SZ);
    EXPECT_EQ(v.data, std::string(1, '\0'));

    // Comments, other groups, string escapes and field codes.
    v = entryWith("# made by hand\n[Other]\nExec=/wrong\n[Desktop Entry]\nName=Halvo\n"
                  "Exec=/usr/bin/halvo\\sshutdown %U --min\n");
    EXPECT_EQ(v.type, win::REG_SZ);
    EXPECT_EQ(v.data, std::string("\"/usr/bin/halvo\" shutdown --min") + '\0');
}

TEST_F(Autostart, OnlyTheRunValueExists) {
    EXPECT_EQ(query("Other Program").status, win::ERROR_FILE_NOT_FOUND);
    const std::string text = "\"/x\"";
    EXPECT_EQ(backend.RegSetValueExA(key, "Other Program", 0, win::REG_SZ,
                                     reinterpret_cast<const unsigned char*>(text.c_str()), 5),
              win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(set("\"/x\"", win::REG_DWORD), 87);
    EXPECT_FALSE(std::filesystem::exists(temp / "config/autostart"));

    Handle other = 0;
    ASSERT_EQ(backend.RegCreateKeyExA(win::HKEY_CURRENT_USER, "Software\\Halvo", 0, nullptr, 0,
                                      win::KEY_ALL_ACCESS, &other, nullptr),
              win::ERROR_SUCCESS);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(backend.RegQueryValueExA(other, kValue, &type, nullptr, &size), win::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(backend.RegSetValueExA(other, kValue, 0, win::REG_SZ,
                                     reinterpret_cast<const unsigned char*>(text.c_str()), 5),
              win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(backend.RegCloseKey(other), win::ERROR_SUCCESS);

    // The Run key of the machine is not ours either; the path is matched without regard to case.
    Handle machine = 0;
    ASSERT_EQ(
        backend.RegCreateKeyExA(0x80000002, kRunKey, 0, nullptr, 0, win::KEY_ALL_ACCESS, &machine, nullptr),
        win::ERROR_SUCCESS);
    EXPECT_EQ(backend.RegQueryValueExA(machine, kValue, &type, nullptr, &size), win::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(backend.RegCloseKey(machine), win::ERROR_SUCCESS);
    Handle same = 0;
    ASSERT_EQ(backend.RegCreateKeyExA(win::HKEY_CURRENT_USER,
                                      "software\\MICROSOFT\\windows\\currentversion\\run\\", 0, nullptr, 0,
                                      win::KEY_ALL_ACCESS, &same, nullptr),
              win::ERROR_SUCCESS);
    ASSERT_EQ(set("\"/x\""), win::ERROR_SUCCESS);
    EXPECT_EQ(backend.RegQueryValueExA(same, kValue, &type, nullptr, &size), win::ERROR_SUCCESS);
    EXPECT_EQ(backend.RegCloseKey(same), win::ERROR_SUCCESS);

    EXPECT_EQ(backend.RegQueryValueExA(0x1234, kValue, &type, nullptr, &size), 6);
    EXPECT_EQ(backend.RegCloseKey(0x1234), 6);
    EXPECT_FALSE(backend.CloseHandle(key)) << "a key is closed with RegCloseKey";
}

TEST_F(Autostart, AnEntryThatCannotBeWrittenFailsAndKeepsTheOldOne) {
    // A file where the autostart folder should be.
    std::filesystem::create_directories(temp / "config");
    WriteWhole(temp / "config/autostart", "in the way");
    EXPECT_EQ(set("\"/x\""), win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadWhole(temp / "config/autostart"), "in the way");
}
