// A test peer that records how it was started: its working folder, parent, session and arguments, written
// as NUL-separated fields to the file named by $HALVO_ARGS_FILE (through a temporary file and a rename, so
// a test that sees the file sees all of it). Then it ends.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    const char* target = std::getenv("HALVO_ARGS_FILE");
    if (!target)
        return 2;
    char folder[4096] = {};
    if (!::getcwd(folder, sizeof folder))
        folder[0] = '\0';
    std::string record =
        std::string(folder) + '\0' + std::to_string(::getppid()) + '\0' + std::to_string(::getsid(0)) + '\0';
    for (int i = 1; i < argc; ++i)
        record += std::string(argv[i]) + '\0';
    const std::string temporary = std::string(target) + ".part";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return 3;
    std::fwrite(record.data(), 1, record.size(), out);
    std::fclose(out);
    return std::rename(temporary.c_str(), target) == 0 ? 0 : 4;
}
