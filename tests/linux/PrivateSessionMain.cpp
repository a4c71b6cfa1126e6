// The main of the tests that talk to D-Bus: they run only inside a private D-Bus world with the logind
// and screen-saver mocks (tests/helpers/private-session.sh), never against the machine's own buses.

#include "tests/helpers/TestPaths.h"

#ifdef HALVO_PRIVATE_SESSION_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    if (!std::getenv("HALVO_PRIVATE_SESSION_DIR")) {
        // Started by hand or by CTest: run again inside a private D-Bus world, once.
        if (std::getenv("HALVO_SESSION_TEST_REEXECUTED")) {
            std::fputs("the private D-Bus world did not come up; refusing to touch the real buses\n", stderr);
            return 1;
        }
        ::setenv("HALVO_SESSION_TEST_REEXECUTED", "1", 1);
        static std::string self = "/proc/self/exe";
        char path[4096] = {};
        if (::readlink("/proc/self/exe", path, sizeof path - 1) > 0)
            self = path;
        std::vector<char*> arguments{const_cast<char*>(TestPath("HALVO_PRIVATE_SESSION")), self.data()};
        for (int i = 1; i < argc; ++i)
            arguments.push_back(argv[i]);
        arguments.push_back(nullptr);
        ::execv(TestPath("HALVO_PRIVATE_SESSION"), arguments.data());
        std::perror("private-session.sh");
        return 1;
    }
#ifdef HALVO_PRIVATE_SESSION_WIDGETS
    // Tests that open windows of the program (offscreen).
    QApplication application(argc, argv);
#else
    QCoreApplication application(argc, argv);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
