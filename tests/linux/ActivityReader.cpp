// Prints the network counters as LinuxActivity reads them in the network namespace this program runs in,
// one "NAME RECEIVED SENT" line per interface, or "failed: REASON". The activity tests run it through
// `ip netns exec` in namespaces of their own.

#include "platform/linux/LinuxActivity.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    halvo::linuxbackend::LinuxActivity activity;
    int status = -1;
    activity.networkBytes([&](halvo::Reading<std::vector<halvo::InterfaceBytes>> reading) {
        if (!reading.value) {
            std::printf("failed: %s\n", reading.failure.c_str());
            status = 1;
        } else {
            for (const halvo::InterfaceBytes& interface : *reading.value)
                std::printf("%s %llu %llu\n", interface.name.c_str(),
                            static_cast<unsigned long long>(interface.received),
                            static_cast<unsigned long long>(interface.sent));
            status = 0;
        }
        QCoreApplication::exit(status);
    });
    return status >= 0 ? status : application.exec();
}
