#include "tests/fakes/MemoryFiles.h"

namespace halvo {

namespace {

const char* const NotFound = "The system cannot find the file specified";
const char* const Denied = "Access is denied";

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

const std::string* MemoryFiles::readable(const std::string& path) const {
    const auto it = storedFiles.find(path);
    return it == storedFiles.end() || unreadableFiles.count(path) ? nullptr : &it->second;
}

bool MemoryFiles::writable(const std::string& path) const {
    return !unwritableFiles.count(path) && !readOnlyFolders.count(folderOf(path));
}

bool MemoryFiles::read(const std::string& path, std::string& data, std::string& error) const {
    if (!holds(path)) {
        error = NotFound;
        return false;
    }
    const std::string* bytes = readable(path);
    if (!bytes) {
        error = Denied;
        return false;
    }
    data = *bytes;
    return true;
}

bool MemoryFiles::write(const std::string& path, const std::string& data, std::string& error) {
    if (!writable(path)) {
        error = Denied;
        return false;
    }
    storedFiles[path] = data;
    return true;
}

bool MemoryFiles::rename(const std::string& from, const std::string& to, std::string& error) {
    const auto it = storedFiles.find(from);
    if (it == storedFiles.end()) {
        error = NotFound;
        return false;
    }
    if (unwritableFiles.count(from) || !writable(to)) {
        error = Denied;
        return false;
    }
    std::string data = std::move(it->second);
    storedFiles.erase(it);
    storedFiles[to] = std::move(data);
    return true;
}

std::string MemoryFiles::whyNotWritable(const std::string& path) const {
    return writable(path) ? std::string() : Denied;
}

} // namespace halvo
