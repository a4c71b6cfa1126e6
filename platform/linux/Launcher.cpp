#include "Launcher.h"

#include "platform/Translate.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace halvo::linuxbackend {

namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// "https://...", "mailto:...", "file:///...": a scheme of two or more characters before the colon.
bool looksLikeAddress(const std::string& file) {
    const auto colon = file.find(':');
    if (colon == std::string::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = file[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && !(i > 0 && other))
            return false;
    }
    return true;
}

std::string inDirectory(const std::string& file, const std::string& directory) {
    if (file.empty() || file.front() == '/' || directory.empty())
        return file;
    return directory.back() == '/' ? directory + file : directory + "/" + file;
}

std::string errorText(int errorNumber) {
    return std::generic_category().message(errorNumber);
}

// Whether a file we may not run begins as a program does (a script's #! or an ELF header): then running it
// was meant, and opening it in an editor instead would hide that it did not run. One we cannot even read
// cannot be opened either.
bool looksLikeProgram(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == EACCES;
    char head[4] = {};
    ssize_t n;
    do {
        n = ::read(fd, head, sizeof head);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    constexpr char elf[] = {0x7f, 'E', 'L', 'F'};
    return (n >= 2 && head[0] == '#' && head[1] == '!') || (n == 4 && std::memcmp(head, elf, 4) == 0);
}

// The program a file names, or, when it names one that cannot run, why not.
struct Lookup {
    std::string program;
    std::string refusal;
};

// onPath: found by searching PATH, where every file is taken for a program and a folder we may not search
// is passed over.
Lookup examine(const std::string& path, bool onPath) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == EACCES && !onPath
                   ? Lookup{{}, FillIn(Translate("Launcher", "cannot run %1: %2"), {path, errorText(EACCES)})}
                   : Lookup{};
    if (!S_ISREG(info.st_mode))
        return {};
    if (::access(path.c_str(), X_OK) == 0)
        return {path, {}};
    if (onPath || looksLikeProgram(path))
        return {{}, FillIn(Translate("Launcher", "not executable: %1"), {path})};
    return {};
}

// A path (relative ones taken from directory) or a bare name looked up on PATH, as execvp looks: a file on
// PATH that we may not run is the answer when no later folder has one we may.
Lookup lookUp(const std::string& file, const std::string& directory) {
    if (file.empty())
        return {};
    if (file.find('/') != std::string::npos)
        return examine(inDirectory(file, directory), false);
    // No PATH at all means the system's default search path, as execvp has it.
    const char* pathVariable = std::getenv("PATH");
    const std::string searchPath = pathVariable ? pathVariable : "/usr/local/bin:/usr/bin:/bin";
    Lookup refused;
    std::size_t start = 0;
    for (;;) {
        const auto end = searchPath.find(':', start);
        std::string folder =
            searchPath.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // An empty entry is the current folder; a relative entry is skipped, for it would make the
        // program found depend on where we were started.
        if (!folder.empty() && folder.front() == '/') {
            Lookup found = examine(folder + (folder.back() == '/' ? "" : "/") + file, true);
            if (!found.program.empty())
                return found;
            if (refused.refusal.empty())
                refused = std::move(found);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return refused;
}

} // namespace

std::optional<std::vector<std::string>> SplitShellWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '\'') {
            const auto close = text.find('\'', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            word.append(text.substr(i + 1, close - i - 1));
            inWord = true;
            i = close + 1;
        } else if (c == '"') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char d = text[i];
                if (d == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < text.size()) {
                    const char next = text[i + 1];
                    if (next == '\n') {
                        i += 2;
                        continue;
                    }
                    if (next == '$' || next == '`' || next == '"' || next == '\\') {
                        word += next;
                        i += 2;
                        continue;
                    }
                }
                word += d;
                ++i;
            }
            if (!closed)
                return std::nullopt;
            inWord = true;
        } else if (c == '\\') {
            if (i + 1 < text.size()) {
                if (text[i + 1] != '\n') {
                    word += text[i + 1];
                    inWord = true;
                }
                i += 2;
            } else {
                // A lone backslash at the very end has nothing to escape and stays itself.
                word += c;
                inWord = true;
                ++i;
            }
        } else {
            word += c;
            inWord = true;
            ++i;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string FindProgram(const std::string& file, const std::string& directory) {
    return lookUp(file, directory).program;
}

int StartDetached(const std::vector<std::string>& argv, const std::string& directory) {
    if (argv.empty())
        return ENOENT;
    // Everything the children need is made before fork: between fork and exec a child of a threaded
    // program may only make system calls.
    std::vector<char*> arguments;
    arguments.reserve(argv.size() + 1);
    for (const auto& a : argv)
        arguments.push_back(const_cast<char*>(a.c_str()));
    arguments.push_back(nullptr);
    const char* folder = directory.empty() ? nullptr : directory.c_str();

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

    const pid_t middle = ::fork();
    if (middle < 0) {
        const int e = errno;
        ::close(report[0]);
        ::close(report[1]);
        if (devNull >= 0)
            ::close(devNull);
        return e;
    }
    if (middle == 0) {
        // The middle child: a new session, one more fork, and gone, so the program is adopted by the
        // system's reaper and never becomes our zombie.
        ::setsid();
        const pid_t program = ::fork();
        if (program != 0) {
            if (program < 0) {
                const int e = errno;
                (void)!::write(report[1], &e, sizeof e);
            }
            ::_exit(0);
        }
        int e = 0;
        if (folder && ::chdir(folder) != 0)
            e = errno;
        if (e == 0) {
            if (devNull >= 0)
                ::dup2(devNull, STDIN_FILENO);
            // Our own descriptors (X connection, D-Bus sockets, pidfds) are none of its business.
            if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
                for (int fd = 3; fd < 1024; ++fd)
                    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
            struct sigaction defaultAction {};
            defaultAction.sa_handler = SIG_DFL;
            for (int s = 1; s < NSIG; ++s)
                ::sigaction(s, &defaultAction, nullptr);
            sigset_t none;
            ::sigemptyset(&none);
            ::sigprocmask(SIG_SETMASK, &none, nullptr);
            ::execve(arguments[0], arguments.data(), environ);
            e = errno;
        }
        (void)!::write(report[1], &e, sizeof e);
        ::_exit(127);
    }

    ::close(report[1]);
    if (devNull >= 0)
        ::close(devNull);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes on a successful exec (close-on-exec) or carries the errno of what failed.
    int failure = 0;
    ssize_t n;
    do {
        n = ::read(report[0], &failure, sizeof failure);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    return n == static_cast<ssize_t>(sizeof failure) ? failure : 0;
}

std::string ShellOpen(const std::string& file, const std::string& parameters, const std::string& directory) {
    if (file.empty())
        return Translate("Launcher", "no program given");
    if (!directory.empty() && !isFolder(directory))
        return FillIn(Translate("Launcher", "folder not found: %1"), {directory});

    if (!looksLikeAddress(file)) {
        const Lookup found = lookUp(file, directory);
        if (!found.program.empty()) {
            const auto words = SplitShellWords(parameters);
            if (!words)
                return Translate("Launcher", "the quote is not closed");
            std::vector<std::string> argv{found.program};
            argv.insert(argv.end(), words->begin(), words->end());
            const int e = StartDetached(argv, directory);
            if (e != 0)
                return FillIn(Translate("Launcher", "cannot run %1: %2"), {found.program, errorText(e)});
            return {};
        }
        if (!found.refusal.empty())
            return found.refusal;
        if (!exists(inDirectory(file, directory)))
            return FillIn(file.find('/') == std::string::npos
                              ? Translate("Launcher", "program not found on PATH: %1")
                              : Translate("Launcher", "program not found: %1"),
                          {file});
    }

    // A document, a folder or an address: the desktop's default application. Its parameters would mean
    // nothing to xdg-open, which takes exactly one thing to open.
    const std::string target = looksLikeAddress(file) ? file : inDirectory(file, directory);
    const std::string opener = FindProgram("xdg-open", {});
    if (opener.empty())
        return FillIn(Translate("Launcher", "no application to open %1 (xdg-open is missing)"), {target});
    const int e = StartDetached({opener, target}, directory);
    if (e != 0)
        return FillIn(Translate("Launcher", "cannot run %1: %2"), {opener, errorText(e)});
    return {};
}

} // namespace halvo::linuxbackend
