#include "app/SingleInstance.h"

#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvo;

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
    QVERIFY(second.askRunningCopyToShow(2000));
    QVERIFY(shows.wait(2000));
    QCOMPARE(shows.size(), 1);

    // Anything else on the socket is ignored.
    SingleInstance third(folder.path());
    QVERIFY(!third.claim());
    QVERIFY(third.askRunningCopyToShow(2000));
    QVERIFY(shows.wait(2000));
    QCOMPARE(shows.size(), 2);
}

void SingleInstanceTest::lockLeftByADeadCopyIsTakenOver() {
    QTemporaryDir folder;
    SingleInstance probe(folder.path());
    // What a copy that was killed leaves behind: its lock naming a process that is gone, and its socket.
    QFile lock(probe.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nhalvo-shutdown\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QFile socket(probe.socketPath());
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    SingleInstance next(folder.path());
    QVERIFY(next.claim());
    QSignalSpy shows(&next, &SingleInstance::showRequested);
    SingleInstance later(folder.path());
    QVERIFY(!later.claim());
    QVERIFY(later.askRunningCopyToShow(2000));
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
