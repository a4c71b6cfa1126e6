#include "core/CounterSampler.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <mutex>

using namespace halvo;

class CounterSamplerTest : public QObject {
    Q_OBJECT
private slots:
    void samplesOnItsOwnThreadAndTellsWhatItMust();
};

// Samples come at their pace on a thread of their own and never while the interface thread holds the lock;
// the interface thread hears, on its own thread, of each sample that asks it to, and of nothing once the
// sampler is gone.
void CounterSamplerTest::samplesOnItsOwnThreadAndTellsWhatItMust() {
    QObject receiver;
    QThread* interfaceThread = QThread::currentThread();
    std::atomic<int> samples = 0;
    std::atomic<bool> offTheInterfaceThread = true;
    int told = 0;
    bool toldOnTheInterfaceThread = true;
    QElapsedTimer clock;
    clock.start();
    {
        CounterSampler sampler(
            50,
            [&] {
                offTheInterfaceThread = offTheInterfaceThread && QThread::currentThread() != interfaceThread;
                return ++samples % 3 == 0;
            },
            &receiver,
            [&] {
                ++told;
                toldOnTheInterfaceThread =
                    toldOnTheInterfaceThread && QThread::currentThread() == interfaceThread;
            });
        QTRY_VERIFY_WITH_TIMEOUT(samples >= 4, 5000);
        QVERIFY2(clock.elapsed() >= 190, qPrintable(QString::number(clock.elapsed())));
        {
            const std::lock_guard hold(sampler.lock());
            const int before = samples;
            QThread::msleep(200);
            QCOMPARE(samples.load(), before);
        }
        QTRY_VERIFY_WITH_TIMEOUT(samples >= 7, 5000);
    }
    const int atEnd = samples;
    QTest::qWait(150);
    QCOMPARE(samples.load(), atEnd);
    QVERIFY(offTheInterfaceThread);
    QCOMPARE(told, atEnd / 3);
    QVERIFY(toldOnTheInterfaceThread);
}

QTEST_GUILESS_MAIN(CounterSamplerTest)
#include "CounterSamplerTest.moc"
