#include "app/SingleInstance.h"

#include <QFile>
#include <QLockFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>

using namespace halvo;

namespace {

// A later copy is another process: its blocking calls run beside the running copy's event loop, which
// has to take the connection and read (a write to a Windows pipe completes only once it is read).
bool askFromLaterCopy(SingleInstance& later, int timeoutMs) {
    auto asked = std::async(std::launch::async, [&] { return later.askRunningCopyToShow(timeoutMs); });
    while (asked.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return asked.get();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyAsksTheFirstToShow();
    void lockLeftByADeadCopyIsTakenOver();
    void noAnswerWithinTheTimeout();
};

void SingleInstanceTest::secondCopyAsksTheFirstToShow() {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.claim());
    QSignalSpy shows(&first, &SingleInstance::showRequested);

    SingleInstance second(folder.path());
    QVERIFY(!second.claim());
    QVERIFY(askFromLaterCopy(second, 2000));
    QVERIFY(shows.wait(2000));
    QCOMPARE(shows.size(), 1);

    // Anything else on the socket is ignored.
    SingleInstance third(folder.path());
    QVERIFY(!third.claim());
    QVERIFY(askFromLaterCopy(third, 2000));
    QVERIFY(shows.wait(2000));
    QCOMPARE(shows.size(), 2);
}

void SingleInstanceTest::lockLeftByADeadCopyIsTakenOver() {
    QTemporaryDir folder;
    SingleInstance probe(folder.path());
    // What a copy that was killed leaves behind: its lock, as the system's lock file writes it, naming a
    // process that is gone, and on Linux its socket file.
    QByteArray held;
    {
        QLockFile real(probe.lockPath());
        QVERIFY(real.tryLock(0));
        QFile lock(probe.lockPath());
        QVERIFY(lock.open(QIODevice::ReadOnly));
        held = lock.readAll();
    }
    QVERIFY(held.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    QFile lock(probe.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646" + held.mid(held.indexOf('\n')));
    lock.close();
    QFile socket(probe.socketPath());
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    SingleInstance next(folder.path());
    QVERIFY(next.claim());
    QSignalSpy shows(&next, &SingleInstance::showRequested);
    SingleInstance later(folder.path());
    QVERIFY(!later.claim());
    QVERIFY(askFromLaterCopy(later, 2000));
    QVERIFY(shows.wait(2000));
}

void SingleInstanceTest::noAnswerWithinTheTimeout() {
    QTemporaryDir folder;
    SingleInstance alone(folder.path());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!alone.askRunningCopyToShow(300));
    QVERIFY(clock.elapsed() < 2000);
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
