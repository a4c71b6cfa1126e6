#include "TerminationSignals.h"

#include "TerminationRelay.h"

#include <QCoreApplication>
#include <QTimer>

namespace halvo {

namespace termination {

volatile std::sig_atomic_t requested = 0;

namespace {

std::function<void()>& handler() {
    static std::function<void()> current;
    return current;
}

} // namespace

void Deliver() {
    if (!handler() || requested == 0)
        return;
    requested = 0;
    // A copy: the handler may replace itself.
    const auto run = handler();
    run();
}

} // namespace termination

void InstallTerminationHandlers() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    termination::InstallWake();
}

bool TerminationRequested() {
    return termination::requested != 0;
}

bool TakeTerminationRequest() {
    if (termination::requested == 0)
        return false;
    termination::requested = 0;
    return true;
}

void SetTerminationHandler(std::function<void()> handler) {
    termination::handler() = std::move(handler);
    // A request that came before the handler (while the program was starting) reaches it from the loop.
    if (termination::handler() && termination::requested != 0 && QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), &termination::Deliver);
}

} // namespace halvo
