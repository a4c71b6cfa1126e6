#pragma once

// The tests' file system: whole files in memory by path, with the failures a test scripts (a file that
// cannot be read or written, a read-only folder), answered with the texts Windows gives. The recording
// platform and the recording layer of Windows calls both keep their files here, so both fail alike.
// Its members are the tests' script: a fake that holds it as a base shows them as its own.

#include <map>
#include <set>
#include <string>

namespace halvo {

class MemoryFiles {
public:
    std::map<std::string, std::string> storedFiles; // path -> the file's bytes
    std::set<std::string> unreadableFiles;
    std::set<std::string> unwritableFiles;
    std::set<std::string> readOnlyFolders; // folders ending with '/'; files directly in them are read-only

    bool holds(const std::string& path) const { return storedFiles.count(path) > 0; }
    bool folderIsWritable(const std::string& folder) const { return !readOnlyFolders.count(folder); }
    // The file's bytes when it exists and may be read, else nullptr.
    const std::string* readable(const std::string& path) const;
    bool writable(const std::string& path) const;

    // Each answers false on failure and puts the system's reason into error.
    bool read(const std::string& path, std::string& data, std::string& error) const;
    bool write(const std::string& path, const std::string& data, std::string& error);
    bool rename(const std::string& from, const std::string& to, std::string& error);
    // Why write(path) would fail now; empty when it would succeed.
    std::string whyNotWritable(const std::string& path) const;
};

} // namespace halvo
