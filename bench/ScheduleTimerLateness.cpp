// The schedule against the real clock: the shown schedule page's ticks land just after each wall-clock
// second, and the engine runs an item within a few milliseconds after its time. HALVO_TICK_SECONDS=60
// measures a minute of ticks. A measurement, not a test: a busy machine makes it fail, so it runs with the
// benchmarks.

#include "core/Engine.h"
#include "pages/FormSch.h"
#include "pages/FormSchWizard.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QComboBox>
#include <QDateTime>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <numeric>

using namespace halvo;

namespace {

// The fake platform on the real local and elapsed clocks, noting when a command line is run.
class RealClockPlatform final : public RecordingPlatform {
public:
    LocalTime localTime() override {
        const QDateTime now = QDateTime::currentDateTime();
        LocalTime t;
        t.year = now.date().year();
        t.month = now.date().month();
        t.day = now.date().day();
        t.dayOfWeek = now.date().dayOfWeek() % 7;
        t.hour = now.time().hour();
        t.minute = now.time().minute();
        t.second = now.time().second();
        t.milliseconds = now.time().msec();
        return t;
    }
    std::int64_t elapsedMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    bool runProgram(const std::string& file, const std::optional<std::string>& parameters,
                    std::string& failure) override {
        runAt << QDateTime::currentDateTime();
        return RecordingPlatform::runProgram(file, parameters, failure);
    }
    QList<QDateTime> runAt;
};

// The engine as main() starts it, on the real clocks.
struct World : WindowTestWorld<RealClockPlatform> {
    RecordingReminders reminderService;
    Engine engine{reminderService, {}};
    ScheduleStore& schedule = engine.schedule();
    World() { engine.Start(); }
};

// Milliseconds from the nearest wall-clock second: negative when a tick came early.
int offsetFromSecond(const QTime& time) {
    return time.msec() < 500 ? time.msec() : time.msec() - 1000;
}

// Runs the event loop until done() holds or the time is up.
template <typename Done> void runUntil(Done done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class FormSchTimerTest : public QObject {
    Q_OBJECT
private slots:
    void ticksLandJustAfterEachSecond();
    void itemFiresWithinFiftyMillisecondsOfItsTime();
};

void FormSchTimerTest::ticksLandJustAfterEachSecond() {
    World world;
    const int seconds = qEnvironmentVariableIsSet("HALVO_TICK_SECONDS")
                            ? std::max(2, qEnvironmentVariableIntValue("HALVO_TICK_SECONDS"))
                            : 4;
    TFormSch page(world.schedule);
    page.show(); // the page's clock ticks while it is shown
    QList<int> offsets;
    QList<qint64> starts;
    connect(page.Timer1, &QTimer::timeout, this, [&] {
        const QDateTime now = QDateTime::currentDateTime();
        offsets << offsetFromSecond(now.time());
        starts << now.toMSecsSinceEpoch() / 1000;
    });
    runUntil([&] { return offsets.size() >= seconds; }, (seconds + 3) * 1000);
    QCOMPARE(offsets.size(), seconds);

    // One tick per second: no second skipped, none taken twice.
    for (int i = 1; i < starts.size(); ++i)
        QCOMPARE(starts[i] - starts[i - 1], 1);
    QList<int> sorted = offsets;
    std::sort(sorted.begin(), sorted.end());
    const int median = sorted[sorted.size() / 2];
    const double mean = std::accumulate(sorted.begin(), sorted.end(), 0.0) / sorted.size();
    qInfo("%d ticks, milliseconds after the second: min %d, median %d, mean %.1f, max %d", int(sorted.size()),
          sorted.front(), median, mean, sorted.back());
    QVERIFY(sorted.front() >= 0);
    QVERIFY2(median < 50, qPrintable(QString::number(median)));
    QVERIFY2(sorted.back() < 250, qPrintable(QString::number(sorted.back())));
}

void FormSchTimerTest::itemFiresWithinFiftyMillisecondsOfItsTime() {
    const QTime now = QTime::currentTime();
    if (now > QTime(23, 59, 50))
        QSKIP("the item's time would lie after midnight");
    World world;
    TFormSch page(world.schedule);
    const QTime at = QTime(now.hour(), now.minute(), now.second()).addSecs(2);
    world.dialogs.modalHandlers.push_back([at](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        w.show();
        w.Edit1->setText("soon");
        w.SpeedButton2->click();
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText("Execute"));
        w.ComboBox1Change();
        w.Edit_Para->setText("/bin/true");
        w.SpeedButton2->click();
        w.DateTimePicker1->setTime(at);
        w.SpeedButton2->click();
        w.SpeedButton2->click();
        return w.result();
    });
    page.SpeedButton1Click();
    QCOMPARE(page.manager().Count(), 1);

    runUntil([&] { return !world.platform.runAt.isEmpty(); }, 4000);
    QCOMPARE(world.platform.runAt.size(), 1);
    const qint64 lateness = QDateTime(QDate::currentDate(), at).msecsTo(world.platform.runAt[0]);
    qInfo("the item ran %lld ms after its time", lateness);
    QVERIFY(lateness >= 0);
    QVERIFY2(lateness < 50, qPrintable(QString::number(lateness)));
}

QTEST_MAIN(FormSchTimerTest)
#include "ScheduleTimerLateness.moc"
