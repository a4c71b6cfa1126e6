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
// holds either its old or its whole new content. The new file gets the permissions, owner and group of the
// file it replaces (or, for a new file, of permissionsOf when given). A symbolic link is written through
// only when the user running the program made it and owns the regular file it leads to. On failure path is
// untouched, no temporary file is left and error is set.
bool ReplaceFile(const std::string& path, const std::string& data, std::string& error,
                 const std::string& permissionsOf = {});

// Why ReplaceFile(path) would fail now; empty when it would not.
std::string ReplaceProblem(const std::string& path);

// Creates the folder with its missing parents (mode 0700, as the XDG base directories ask for); true when
// it is a folder afterwards.
bool MakeFolders(const std::string& folder);

// The folder part of path including its trailing slash; "./" when path has none.
std::string FolderOf(const std::string& path);

} // namespace halvo::linuxbackend
