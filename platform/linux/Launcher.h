#pragma once

// Starting programs and opening documents, never through a shell: a parameter text is
// split into words the way a shell would split it, but nothing in it is expanded or run.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo::linuxbackend {

// Shell word splitting without expansion: blanks, tabs and line breaks separate words; '...' keeps
// everything literally; "..." keeps everything but a backslash before $ ` " \ or a line break; a backslash
// outside quotes keeps the next character. ; | & $( ) and the like are plain characters. Nothing when a
// quote is not closed.
std::optional<std::vector<std::string>> SplitShellWords(std::string_view text);

// The executable regular file that file names: a path (relative ones taken from directory when given), or
// a bare name looked up on PATH. Empty when file is not such a program.
std::string FindProgram(const std::string& file, const std::string& directory);

// Starts argv[0] (a full path) with argv, detached: in a session of its own, adopted by the system rather
// than by us so it never lingers as our zombie, with stdin from /dev/null, and in directory when that is not
// empty. Returns 0 when the program has been executed, else the errno of what failed.
int StartDetached(const std::vector<std::string>& argv, const std::string& directory);

// Opens file: a program starts with its parameters split into words; a document, a folder or
// a web address opens with xdg-open. A file that cannot run because it lacks the right to (a script or a
// program without the executable bit, or one on PATH) is refused rather than opened as a document.
// Returns why nothing was started or opened, in words for the user; empty when it was.
std::string ShellOpen(const std::string& file, const std::string& parameters, const std::string& directory);

} // namespace halvo::linuxbackend
