#pragma once

// Real files for the Linux backend: whole-file reads, writes by atomic replacement, folders, and the
// XDG configuration home that the settings and the autostart entry live under.

#include <string>

namespace halvo::linuxbackend {

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the home from the password database when
// HOME is unset); without a trailing slash.
std::string ConfigHome();

// Reads the whole file. On failure returns false, sets errorNumber and error to the system's reason.
bool ReadFile(const std::string& path, std::string& data, std::string& error, int* errorNumber = nullptr);

// Writes data to a new file in the same folder, flushes it to the disk and renames it over path, so path
// holds either its old or its whole new content. A symbolic link is followed and its target replaced; the
// target keeps its permissions. On failure path is untouched, no temporary file is left and error is set.
bool ReplaceFile(const std::string& path, const std::string& data, std::string& error);

// Creates the folder with its missing parents (mode 0700, as the XDG base directories ask for); true when
// it is a folder afterwards.
bool MakeFolders(const std::string& folder);

// The folder part of path including its trailing slash; "./" when path has none.
std::string FolderOf(const std::string& path);

} // namespace halvo::linuxbackend
