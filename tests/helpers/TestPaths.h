#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A path of the build a test needs (the program, a helper, the test data), from the environment CTest gives
// the test's run rather than compiled in, so the compiled test is the same in every clone of the project.
inline const char* TestPath(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value) {
        std::fprintf(stderr, "%s is not set: run the test with ctest\n", variable);
        std::abort();
    }
    return value;
}
