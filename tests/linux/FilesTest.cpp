// Profile files, whole files, folders, the executable's paths and the clock on the real system, in
// temporary folders. Permission cases run as user nobody so they hold when the tests run as root.

#include "LinuxTestSupport.h"

#include "model/AppSettings.h"
#include "model/Schedule.h"
#include "model/ScheduleFile.h"
#include "platform/linux/LinuxPlatform.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;
namespace fs = std::filesystem;

namespace {

std::string profileString(LinuxPlatform& backend, const char* section, const char* key,
                          const std::string& file) {
    return backend.profiles().readKey(file, section, key, 2047);
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

gid_t groupOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_gid;
}

// A file with the given content, mode, owner and group.
void plantFile(const std::string& path, const std::string& data, mode_t mode, uid_t owner, gid_t group) {
    WriteWhole(path, data);
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

constexpr gid_t OtherGroup = 4242; // a group root is not in, as a file of another group looks

// A folder that user nobody may enter and read but not write, holding a file only root may read.
void prepareForNobody(const TempFolder& temp) {
    fs::permissions(temp.path(), fs::perms(0755));
    WriteWhole(temp / "secret.ini", "[setting]\nSetting_Remind=1\n");
    fs::permissions(temp / "secret.ini", fs::perms(0600));
    WriteWhole(temp / "open.ini", "[setting]\nSetting_Remind=1\n");
    fs::permissions(temp / "open.ini", fs::perms(0666));
}

} // namespace

TEST(ProfileFiles, WritesCreateTheFileAndKeepEverythingElse) {
    TempFolder temp;
    LinuxPlatform backend;
    const std::string file = temp / "setting.ini";
    EXPECT_EQ(profileString(backend, "setting", "Setting_Remind", file), "");

    ASSERT_TRUE(backend.profiles().writeKey(file, "setting", "Setting_Remind", "1"));
    EXPECT_EQ(ReadWhole(file), "[setting]\nSetting_Remind=1\n");

    WriteWhole(file,
               "; kept\r\n[schManager]\r\ncount=3\r\n\r\n[Setting]\r\nsetting_remind = 0\r\nOther=x\r\n");
    ASSERT_TRUE(backend.profiles().writeKey(file, "setting", "Setting_Remind", "1"));
    ASSERT_TRUE(backend.profiles().writeKey(file, "schManager", "count", "4"));
    EXPECT_EQ(ReadWhole(file),
              "; kept\r\n[schManager]\r\ncount=4\r\n\r\n[Setting]\r\nSetting_Remind=1\r\nOther=x\r\n");
    EXPECT_EQ(profileString(backend, "SETTING", "other", file), "x");
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"setting.ini"})
        << "no temporary file left";
}

TEST(ProfileFiles, SettingsStoreAndLoadThroughTheRealFile) {
    TempFolder temp;
    LinuxPlatform backend;
    ScopedPlatform guard(backend);
    const std::string file = temp / "setting.ini";
    std::string error;
    ASSERT_TRUE(StoreSettings(AppSettings{true, false, true}, file, error)) << error;
    EXPECT_EQ(ReadWhole(file), "[setting]\nSetting_AutoStartup=1\nSetting_AutoSave=0\nSetting_Remind=1\n"
                               "Setting_KeepAwake=1\nSetting_WakeFromSleep=0\n");
    const AppSettings loaded = LoadSettings(file);
    EXPECT_TRUE(loaded.AutoStartup);
    EXPECT_FALSE(loaded.AutoSave);
    EXPECT_TRUE(loaded.Remind);
}

TEST(ProfileFiles, AFileThatCannotBeReadIsNotReplaced) {
    TempFolder temp;
    LinuxPlatform backend;
    // Something that exists but reads as no text: writing one key must not turn it into a one-key file.
    fs::create_directory(temp / "setting.ini");
    EXPECT_FALSE(backend.profiles().writeKey((temp / "setting.ini"), "setting", "Setting_Remind", "1"));
    EXPECT_TRUE(fs::is_directory(temp / "setting.ini"));
    // A pipe in its place is neither waited on nor replaced.
    const std::string pipe = temp / "piped.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto answers = std::async(std::launch::async, [&] {
        return profileString(backend, "setting", "Setting_Remind", pipe) + "|" +
               (backend.profiles().writeKey(pipe, "setting", "Setting_Remind", "1") ? "written" : "refused");
    });
    if (answers.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        std::ofstream(pipe) << "[setting]\n"; // lets the reader go before the test fails
        FAIL() << "reading a pipe waited for a writer";
    }
    EXPECT_EQ(answers.get(), "|refused");
    std::string text, error;
    EXPECT_FALSE(backend.files().readWholeFile(pipe, text, error));
    EXPECT_EQ(error, "not a regular file");
    EXPECT_TRUE(fs::is_fifo(pipe));

    prepareForNobody(temp);
    const auto keptSecret = RunAsNobody([&] {
        LinuxPlatform asNobody;
        std::error_code refusedToo;
        fs::permissions(temp.path(), fs::perms(0777), refusedToo); // as nobody the folder stays read-only
        const bool refused =
            !asNobody.profiles().writeKey((temp / "secret.ini"), "setting", "Setting_Remind", "0");
        const bool unread = profileString(asNobody, "setting", "Setting_Remind", temp / "secret.ini") == "";
        return refused && unread;
    });
    if (!keptSecret)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*keptSecret);
    EXPECT_EQ(ReadWhole(temp / "secret.ini"), "[setting]\nSetting_Remind=1\n");
}

TEST(WholeFiles, ReplacementKeepsModeAndLinksAndFailsCleanly) {
    TempFolder temp;
    LinuxPlatform backend;
    std::string error;
    const std::string file = temp / "sch.cks";
    std::string data;
    EXPECT_FALSE(backend.files().readWholeFile(file, data, error));
    EXPECT_EQ(error, "No such file or directory");

    ASSERT_TRUE(backend.files().writeWholeFile(file, std::string("a\0b", 3), error)) << error;
    ASSERT_TRUE(backend.files().readWholeFile(file, data, error));
    EXPECT_EQ(data, std::string("a\0b", 3));

    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(backend.files().writeWholeFile(file, "new", error));
    EXPECT_EQ(modeOf(file), 0640u);
    EXPECT_EQ(ReadWhole(file), "new");

    // A linked file is replaced behind its link; the link stays.
    fs::create_directory(temp / "real");
    WriteWhole(temp / "real/target", "old");
    fs::create_symlink(temp / "real/target", temp / "link");
    ASSERT_TRUE(backend.files().writeWholeFile(temp / "link", "through the link", error));
    EXPECT_TRUE(fs::is_symlink(temp / "link"));
    EXPECT_EQ(ReadWhole(temp / "real/target"), "through the link");
    EXPECT_EQ(FolderEntries(temp / "real"), std::vector<std::string>{"target"});

    EXPECT_FALSE(backend.files().writeWholeFile(temp / "missing/sch.cks", "x", error));
    EXPECT_EQ(error, "No such file or directory");

    prepareForNobody(temp);
    const auto refused = RunAsNobody([&] {
        LinuxPlatform asNobody;
        std::string why;
        return !asNobody.files().folderWritable(temp.path() + "/") &&
               !asNobody.files().writeWholeFile(temp / "open.ini", "x", why) && why == "Permission denied";
    });
    if (!refused)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*refused);
    EXPECT_EQ(ReadWhole(temp / "open.ini"), "[setting]\nSetting_Remind=1\n");
    EXPECT_EQ(FolderEntries(temp.path()),
              (std::vector<std::string>{"link", "open.ini", "real", "sch.cks", "secret.ini"}));
}

TEST(WholeFiles, FoldersAndFiles) {
    TempFolder temp;
    LinuxPlatform backend;
    EXPECT_TRUE(backend.files().folderWritable(temp.path() + "/"));
    EXPECT_FALSE(backend.files().folderWritable(temp / "missing/"));
    WriteWhole(temp / "file", "x");
    EXPECT_FALSE(backend.files().folderWritable(temp / "file"));
    EXPECT_TRUE(backend.files().exists(temp / "file"));
    EXPECT_FALSE(backend.files().exists(temp.path()));

    EXPECT_TRUE(backend.files().makeFolder(temp / "a/b/c/"));
    EXPECT_TRUE(fs::is_directory(temp / "a/b/c"));
    EXPECT_EQ(modeOf(temp / "a/b/c"), 0700u);
    EXPECT_TRUE(backend.files().makeFolder(temp / "a/b/c/"));
    EXPECT_FALSE(backend.files().makeFolder(temp / "file/sub/"));
}

TEST(Paths, ExecutableAndConfigurationFolders) {
    LinuxPlatform backend;
    const std::string self = fs::canonical("/proc/self/exe").string();
    EXPECT_EQ(backend.files().executablePath(), self);
    EXPECT_EQ(backend.files().executableFolder(), fs::path(self).parent_path().string() + "/");

    ScopedEnvironment environment("XDG_CONFIG_HOME", "/somewhere/config");
    environment.set("HOME", "/home/tester");
    EXPECT_EQ(backend.files().userConfigFolder(), "/somewhere/config/halvo-shutdown/");
    environment.set("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(backend.files().userConfigFolder(), "/home/tester/.config/halvo-shutdown/");
    environment.set("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(backend.files().userConfigFolder(), "/home/tester/.config/halvo-shutdown/");
}

TEST(Clock, LocalTimeFollowsTheTimeZoneWithMilliseconds) {
    LinuxPlatform backend;
    ScopedEnvironment zone("TZ", "UTC");
    // The clock the backend reads: time() reads a coarser one that can still show the last second.
    auto seconds = [] {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        return now.tv_sec;
    };
    auto check = [&](int offsetHours) {
        const std::time_t before = seconds();
        const LocalTime now = backend.clock().localTime();
        const std::time_t after = seconds();
        bool matched = false;
        for (std::time_t t = before; t <= after && !matched; ++t) {
            const std::time_t shifted = t + offsetHours * 3600;
            std::tm expected{};
            ::gmtime_r(&shifted, &expected);
            matched = now.year == expected.tm_year + 1900 && now.month == expected.tm_mon + 1 &&
                      now.day == expected.tm_mday && now.dayOfWeek == expected.tm_wday &&
                      now.hour == expected.tm_hour && now.minute == expected.tm_min &&
                      now.second == expected.tm_sec;
        }
        EXPECT_TRUE(matched) << now.year << "-" << now.month << "-" << now.day << " " << now.hour << ":"
                             << now.minute << ":" << now.second << " for offset " << offsetHours;
        EXPECT_GE(now.milliseconds, 0);
        EXPECT_LE(now.milliseconds, 999);
    };
    check(0);
    // A zone changed while the program runs takes effect at once.
    zone.set("TZ", "HLV-5");
    check(5);

    // Milliseconds move on within a second.
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        seen.push_back(backend.clock().localTime().milliseconds);
        std::this_thread::sleep_for(30ms);
    }
    EXPECT_NE(seen.front(), seen.back());
}

// As root in a folder of links and files planted by someone else: a write goes through a link only to a
// regular file of root's own; what it writes keeps the mode, owner and group of what it replaces or copies.
TEST(WholeFiles, LinksAreWrittenThroughOnlyToOwnFilesAndWritesKeepModeAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to plant files of other users";
    TempFolder temp;
    LinuxPlatform backend;
    const mode_t oldMask = ::umask(0); // the widest umask, which the kept modes must not follow
    fs::create_directory(temp / "elsewhere");
    struct Case {
        std::string name;
        uid_t targetOwner;
        bool link;
        uid_t linkOwner;
        std::string refusal; // empty: written
    };
    const std::string target = temp / "elsewhere/target";
    const Case cases[] = {
        {"link to a file of another user", kNobody, true, 0,
         "It is a symbolic link to " + target + ", which belongs to another user"},
        {"link of another user to an own file", 0, true, kNobody,
         "It is a symbolic link made by another user"},
        {"link to an own file", 0, true, 0, ""},
        {"own file", 0, false, 0, ""},
    };
    for (const auto& [name, owner, link, linkOwner, refusal] : cases) {
        SCOPED_TRACE(name);
        fs::remove_all(temp / "data");
        fs::create_directory(temp / "data");
        const std::string path = temp / "data/sch.cks";
        const std::string written = link ? target : path;
        plantFile(written, "stored", 0640, owner, OtherGroup);
        if (link) {
            fs::create_symlink(target, path);
            ASSERT_EQ(::lchown(path.c_str(), linkOwner, linkOwner), 0);
        }
        std::string error;
        EXPECT_EQ(backend.files().writeWholeFile(path, "new", error), refusal.empty());
        EXPECT_EQ(error, refusal);
        EXPECT_EQ(ReadWhole(written), refusal.empty() ? "new" : "stored");
        EXPECT_EQ(modeOf(written), 0640u);
        EXPECT_EQ(groupOf(written), OtherGroup);
        EXPECT_EQ(fs::is_symlink(path), link);
        EXPECT_EQ(FolderEntries(temp / "data"), std::vector<std::string>{"sch.cks"}) << "no file left";
        EXPECT_EQ(FolderEntries(temp / "elsewhere"), std::vector<std::string>(link, "target"))
            << "no file left";

        // The copy of a file is open to no more people than the file.
        error.clear();
        ASSERT_TRUE(backend.files().writeBackupFile(temp / "data/sch.cks.bak", "copy", path, error)) << error;
        EXPECT_EQ(modeOf(temp / "data/sch.cks.bak"), 0640u);
        EXPECT_EQ(groupOf(temp / "data/sch.cks.bak"), OtherGroup);
        fs::remove(written);
    }

    // Links that lead to no regular file are refused without a word written anywhere.
    fs::create_symlink("/dev/null", temp / "device");
    fs::create_symlink(temp / "nowhere", temp / "dangling");
    std::string error;
    EXPECT_FALSE(backend.files().writeWholeFile(temp / "device", "x", error));
    EXPECT_EQ(error, "It is a symbolic link to /dev/null, which is not a regular file");
    EXPECT_FALSE(backend.files().writeWholeFile(temp / "dangling", "x", error));
    EXPECT_EQ(error, "It is a symbolic link that leads to no file (No such file or directory)");
    EXPECT_FALSE(fs::exists(temp / "nowhere"));
    EXPECT_EQ(backend.files().writeProblem(temp / "dangling"), error);
    EXPECT_EQ(backend.files().writeProblem(temp / "data"), "Is a directory");
    EXPECT_EQ(backend.files().writeProblem(temp / "new.ini"), "");
    ::umask(oldMask);
}

// The schedule loaded as root from a file of another group that the settings do not count: every item
// comes in, the damaged rest is kept in a copy as closed as the file, and the file is not emptied.
TEST(WholeFiles, ScheduleKeepsItsItemsModeAndGroupThroughALoadAndASave) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give files to another group";
    TempFolder temp;
    LinuxPlatform backend;
    ScopedPlatform guard(backend);
    std::string records;
    for (const char* name : {"a", "b"}) {
        TScheduleItem item;
        item.ItemName = name;
        WriteScheduleRecord(item, records);
    }
    const std::string path = temp / "sch.cks";
    plantFile(path, records + "rest", 0640, 0, OtherGroup);
    TScheduleManager manager;
    manager.SetSettingsPath(temp / "setting.ini");
    EXPECT_EQ(manager.LoadSchedule(path), "Invalid stream format");
    EXPECT_EQ(manager.Count(), 2);
    EXPECT_EQ(manager.SaveSchedule(path), "");
    EXPECT_EQ(ReadWhole(path), records);
    EXPECT_EQ(ReadWhole(temp / "sch.cks.bak"), records + "rest");
    for (const std::string& file : {path, temp / "sch.cks.bak"}) {
        EXPECT_EQ(modeOf(file), 0640u) << file;
        EXPECT_EQ(groupOf(file), OtherGroup) << file;
    }
}

// A settings file of 10 MB, mostly short lines (the worst case for keeping one object per line), read in a
// fraction of a second and read and written within a few times its size of memory.
TEST(ProfileFiles, ALargeFileCostsTimeAndMemoryInProportionToItsSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves memory of its own";
#endif
    TempFolder temp;
    const std::string file = temp / "setting.ini";
    std::string text = "; long\n[other]\n";
    for (int i = 0; text.size() < (10u << 20); ++i)
        text += "k" + std::to_string(i) + "=v\n";
    text += "[setting]\nSetting_Remind=1\n";
    WriteWhole(file, text);
    const std::size_t size = text.size();
    std::string().swap(text);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ifstream statm("/proc/self/statm");
        unsigned long pages = 0;
        statm >> pages;
        const rlim_t limit = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + 5 * size;
        const rlimit bound{limit, limit};
        ::setrlimit(RLIMIT_AS, &bound);
        // Nothing may leave this child but its exit status (an exception would run the remaining tests
        // here too).
        try {
            LinuxPlatform backend;
            ScopedPlatform guard(backend);
            const auto start = std::chrono::steady_clock::now();
            const AppSettings settings = LoadSettings(file);
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::string error;
            const bool stored = StoreSettings(settings, file, error);
            ::_exit(!settings.Remind ? 2 : !stored ? 3 : elapsed > 1s ? 4 : 0);
        } catch (...) {
            ::_exit(5);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << " (out of memory)";
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "2: not read, 3: not stored, 4: read took a second or more, 5: out of memory";
    const std::string stored = ReadWhole(file);
    const std::string added =
        "Setting_AutoStartup=0\nSetting_AutoSave=0\nSetting_KeepAwake=1\nSetting_WakeFromSleep=0\n";
    const std::string end = "[setting]\nSetting_Remind=1\n" + added;
    ASSERT_EQ(stored.size(), size + added.size());
    EXPECT_EQ(stored.substr(stored.size() - end.size()), end);
}
