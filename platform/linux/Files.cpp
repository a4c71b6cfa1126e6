#include "Files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (errorNumber)
            *errorNumber = e;
        error = reason(e);
        return false;
    }
    std::string content;
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

bool ReplaceFile(const std::string& path, const std::string& data, std::string& error) {
    if (path.empty()) {
        error = reason(ENOENT);
        return false;
    }
    // Replacing a symbolic link by a plain file would cut it off from the file it points to (dotfiles kept
    // in a repository, for one), so the file behind it is the one replaced.
    std::string target = path;
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) {
        error = reason(EISDIR);
        return false;
    }
    const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~currentUmask());

    const std::string folder = FolderOf(target);
    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
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
    if (!writeAll(fd, data))
        return fail(errno);
    if (::fchmod(fd, mode) != 0)
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
