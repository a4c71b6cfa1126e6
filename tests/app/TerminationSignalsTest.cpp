#include "app/TerminationSignals.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <thread>

using namespace halvo;

class TerminationSignalsTest : public QObject {
    Q_OBJECT
private slots:
    void requestsReachTheHandlerOnTheInterfaceThreadOnce();
    void aSignalWakesAnIdleEventLoop();
};

void TerminationSignalsTest::requestsReachTheHandlerOnTheInterfaceThreadOnce() {
    InstallTerminationHandlers();
    InstallTerminationHandlers(); // again: still one delivery per request
    struct Case {
        const char* name;
        bool handlerFirst;       // set before the signals come, else after
        std::vector<int> raised; // raised one after another before the loop runs
        int calls;               // of the handler once the loop ran
    };
    const Case cases[] = {
        {"a termination", true, {SIGTERM}, 1},
        {"an interrupt", true, {SIGINT}, 1},
        {"two together are one request", true, {SIGTERM, SIGINT}, 1},
        {"one noted while the program was starting", false, {SIGTERM}, 1},
        {"none", true, {}, 0},
    };
    for (const Case& c : cases) {
        int calls = 0;
        const std::thread::id interfaceThread = std::this_thread::get_id();
        const auto handler = [&] {
            ++calls;
            QCOMPARE(std::this_thread::get_id(), interfaceThread);
        };
        if (c.handlerFirst)
            SetTerminationHandler(handler);
        for (int number : c.raised)
            std::raise(number);
        // Never inside the signal handler itself.
        QVERIFY2(calls == 0, c.name);
        if (!c.handlerFirst)
            SetTerminationHandler(handler);
        QTest::qWait(50);
        QVERIFY2(calls == c.calls, c.name);
        // The handler took it: nothing is left for the one who asks.
        QVERIFY2(!TakeTerminationRequest(), c.name);
        SetTerminationHandler({});
    }

    // Without a handler the request waits to be taken, once.
    std::raise(SIGTERM);
    QTest::qWait(50);
    QVERIFY(TerminationRequested());
    QVERIFY(TakeTerminationRequest());
    QVERIFY(!TakeTerminationRequest());
}

void TerminationSignalsTest::aSignalWakesAnIdleEventLoop() {
    InstallTerminationHandlers();
    QEventLoop loop;
    bool handled = false;
    SetTerminationHandler([&] {
        handled = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    // From another thread, as a signal from outside may arrive on any of the process's threads.
    std::thread sender([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::raise(SIGTERM);
    });
    QElapsedTimer clock;
    clock.start();
    loop.exec();
    sender.join();
    QVERIFY(handled);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    SetTerminationHandler({});
}

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "TerminationSignalsTest.moc"
