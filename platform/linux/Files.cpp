#include "Files.h"

#include "platform/Translate.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

std::string reason(int errorNumber) {
    return std::strerror(errorNumber);
}

// The process's umask without changing it (umask() itself would race with other threads creating files).
mode_t currentUmask() {
    std::string status;
    std::string ignored;
    if (ReadFile("/proc/self/status", status, ignored)) {
        const auto at = status.find("Umask:");
        if (at != std::string::npos)
            return static_cast<mode_t>(std::strtoul(status.c_str() + at + 6, nullptr, 8) & 0777);
    }
    return 022;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string ConfigHome() {
    // A relative XDG_CONFIG_HOME is invalid by the base-directory rules and must be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] != '\0') {
        home = h;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home + "/.config";
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

bool ReadFile(const std::string& path, std::string& data, std::string& error, int* errorNumber) {
    // Without waiting: a pipe in the file's place would hold the program until something wrote to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int e = fd < 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        if (fd >= 0)
            ::close(fd);
        if (errorNumber)
            *errorNumber = e;
        error = e == EINVAL ? Translate("Files", "not a regular file") : reason(e);
        return false;
    }
    std::string content;
    // Sized once from the file, so a large file costs its own size and not twice that while growing.
    if (info.st_size > 0)
        content.reserve(std::size_t(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            if (errorNumber)
                *errorNumber = e;
            error = reason(e);
            return false;
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    data = std::move(content);
    return true;
}

namespace {

// What a write of a path replaces: the file itself, or the file a symbolic link leads to.
struct Destination {
    std::string target;
    bool existed = false;
    struct stat info {};
};

// Finds the file a write of path replaces, or the reason none may be. A link is followed only when this
// user made it and it leads to a regular file of this user: otherwise a program run as root would empty or
// take over a file (or a device) that someone linked to from a folder the program writes in.
bool destinationOf(const std::string& path, Destination& out, std::string& error) {
    if (path.empty()) {
        error = reason(ENOENT);
        return false;
    }
    out.target = path;
    if (::lstat(path.c_str(), &out.info) != 0) {
        if (errno != ENOENT) {
            error = reason(errno);
            return false;
        }
        out.existed = false;
        return true;
    }
    out.existed = true;
    if (S_ISLNK(out.info.st_mode)) {
        // A link someone else made may lead anywhere they like, to a file of ours as well.
        if (out.info.st_uid != ::geteuid()) {
            error = Translate("Files", "It is a symbolic link made by another user");
            return false;
        }
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) {
            error = FillIn(Translate("Files", "It is a symbolic link that leads to no file (%1)"),
                           {reason(errno)});
            return false;
        }
        out.target = resolved;
        std::free(resolved);
        if (::stat(out.target.c_str(), &out.info) != 0) {
            error = reason(errno);
            return false;
        }
        if (!S_ISREG(out.info.st_mode)) {
            error = FillIn(Translate("Files", "It is a symbolic link to %1, which is not a regular file"),
                           {out.target});
            return false;
        }
        if (out.info.st_uid != ::geteuid()) {
            error = FillIn(Translate("Files", "It is a symbolic link to %1, which belongs to another user"),
                           {out.target});
            return false;
        }
    } else if (S_ISDIR(out.info.st_mode)) {
        error = reason(EISDIR);
        return false;
    } else if (!S_ISREG(out.info.st_mode)) {
        error = Translate("Files", "It is not a regular file");
        return false;
    }
    // A file its owner made read-only stays as it is, though the folder would allow replacing it.
    if (::faccessat(AT_FDCWD, out.target.c_str(), W_OK, AT_EACCESS) != 0) {
        error = reason(errno);
        return false;
    }
    return true;
}

std::string randomSuffix() {
    unsigned char bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != ssize_t(sizeof bytes)) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const auto mixed = std::uint64_t(now.tv_nsec) ^ (std::uint64_t(::getpid()) << 32);
        std::memcpy(bytes, &mixed, sizeof bytes);
    }
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

} // namespace

bool ReplaceFile(const std::string& path, const std::string& data, std::string& error,
                 const std::string& permissionsOf) {
    Destination destination;
    if (!destinationOf(path, destination, error))
        return false;
    const std::string& target = destination.target;

    // The permissions, owner and group the new file takes: a copy never becomes readable by more people
    // than the file it copies, and a replaced file stays as its owner set it up.
    struct stat model = destination.info;
    bool hasModel = destination.existed;
    if (struct stat original{}; !permissionsOf.empty() && ::stat(permissionsOf.c_str(), &original) == 0) {
        model = original;
        hasModel = true;
    }
    const mode_t mode = hasModel ? (model.st_mode & 0777) : (0666 & ~currentUmask());

    const std::string folder = FolderOf(target);
    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary;
    int fd = -1;
    // Created exclusively and never through a link: a name planted beforehand makes this attempt fail
    // instead of writing somewhere else.
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = folder + "." + name + "." + randomSuffix();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = reason(errno);
        return false;
    }
    auto fail = [&](int e) {
        ::close(fd);
        ::unlink(temporary.c_str());
        error = reason(e);
        return false;
    };
    // Only root may hand a file to another owner; anyone may keep the group when they belong to it.
    if (hasModel && ::fchown(fd, model.st_uid, model.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), model.st_gid);
    if (!writeAll(fd, data))
        return fail(errno);
    if (::fchmod(fd, mode) != 0) // the umask narrowed the mode given at creation
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        error = reason(e);
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int e = errno;
        ::unlink(temporary.c_str());
        error = reason(e);
        return false;
    }
    // The rename itself lives in the folder; without this a crash could bring back the old file.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

std::string ReplaceProblem(const std::string& path) {
    Destination destination;
    std::string error;
    if (!destinationOf(path, destination, error))
        return error;
    if (::access(FolderOf(destination.target).c_str(), W_OK | X_OK) != 0)
        return reason(errno);
    return {};
}

bool MakeFolders(const std::string& folder) {
    if (folder.empty())
        return false;
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash)))
        return false;
    if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST)
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return false;
}

} // namespace halvo::linuxbackend
