// The termination handlers where the C runtime calls them on a thread of their own (a console's Ctrl+C
// or Ctrl+Break, the console closing): the handler posts the delivery to the interface thread.

#include "TerminationRelay.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace halvo::termination {

namespace {

void noteTermination(int signalNumber) {
    // The runtime puts the default back before each call.
    std::signal(signalNumber, noteTermination);
    requested = 1;
    if (auto* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, &Deliver, Qt::QueuedConnection);
}

} // namespace

void InstallWake() {
    std::signal(SIGTERM, noteTermination);
    std::signal(SIGINT, noteTermination);
}

} // namespace halvo::termination
