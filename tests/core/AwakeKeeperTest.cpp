// Keeping the computer awake and the wake alarm, as the engine asks the platform for them: what waits takes
// the hold and lets it go, the schedule alone does not; the alarm follows the agenda, the settings and the
// clock.

#include "tests/helpers/EngineWorld.h"

#include <QtTest>

using namespace halvo;

namespace {

// Reminders left open, always asked for; what the engine asked of the platform on the way forgotten.
struct World : EngineWorld {
    explicit World(AppSettings settings = {}) {
        reminders.keepOpen = true;
        settings.Remind = true;
        start(settings);
        fake.clearCalls();
    }
    // What the engine asked of the hold and the alarm since the last look, then forgotten.
    std::vector<std::string> asked() {
        std::vector<std::string> out;
        for (const std::string& call : fake.calls)
            if (call.find("awake") != std::string::npos || call.find("wake alarm") != std::string::npos)
                out.push_back(call);
        fake.clearCalls();
        return out;
    }
    // The General action as --status names it (the answer line carries its line breaks as "\\n").
    std::string generalText() {
        const std::string status = request("status");
        const auto from = status.find("General: ") + 9;
        return status.substr(from, status.find("\\n") - from);
    }
};

using Calls = std::vector<std::string>;

} // namespace

class AwakeKeeperTest : public QObject {
    Q_OBJECT
private slots:
    void whatWaitsHoldsTheComputerAwake();
    void theOptionDecides();
    void theWakeAlarmFollowsTheAgendaAndTheClock();
};

void AwakeKeeperTest::whatWaitsHoldsTheComputerAwake() {
    World w;
    // The schedule alone holds nothing: a daily item would keep a laptop awake all day.
    w.addDailyItem("night", 4, 23, 0);
    QCOMPARE(w.asked(), Calls{});

    QCOMPARE(w.request("in 7200 lock"), std::string("ok"));
    const Calls held = w.asked();
    const std::string waiting = w.generalText();
    QCOMPARE(held, Calls{"hold awake \"" + waiting + "\""});
    const std::string status = w.request("status");
    QVERIFY2(status.find("\\nKeeping the computer awake until: " + waiting + "\\n") != std::string::npos,
             status.c_str());
    QCOMPARE(w.engine->awake().StatusLine(),
             QString::fromStdString("Keeping the computer awake until: " + waiting));
    // Time passing renews nothing; another action takes the hold anew before the old one goes.
    w.pass(60000);
    QCOMPARE(w.asked(), Calls{});
    QCOMPARE(w.request("in 60 lock"), std::string("ok"));
    const Calls renewed = w.asked();
    QCOMPARE(renewed.size(), std::size_t(1));
    QVERIFY(renewed[0].rfind("hold awake \"", 0) == 0);

    // It comes due: the reminder holds it until it is answered, and then nothing waits.
    w.pass(61000);
    QCOMPARE(w.reminders.openCount(), std::size_t(1));
    QVERIFY(w.engine->awake().holding());
    w.asked();
    w.reminders.answer(0, ReminderAnswer::Cancel);
    QCoreApplication::processEvents();
    QCOMPARE(w.asked(), Calls{"release awake"});
    QCOMPARE(w.engine->awake().StatusLine(), QString());

    // A schedule item's own reminder holds it too; the end of the program lets go.
    w.fake.setNow(2026, 12, 8, 22, 59, 59);
    w.pass(2000);
    QCOMPARE(w.reminders.openCount(), std::size_t(1));
    QCOMPARE(w.asked(), Calls{"hold awake \"" + w.reminders.open(0).label + "\""});
    w.engine->SetEnding();
    QCOMPARE(w.asked(), Calls{"release awake"});
}

void AwakeKeeperTest::theOptionDecides() {
    AppSettings off;
    off.KeepAwake = false;
    World w(off);
    QCOMPARE(w.request("in 7200 lock"), std::string("ok"));
    QCOMPARE(w.asked(), Calls{});
    QVERIFY(w.request("status").find("Keeping") == std::string::npos);
    // Turned on while an action waits: held at once; off again: let go at once.
    AppSettings on = w.engine->settings().values();
    on.KeepAwake = true;
    w.engine->settings().Set(on);
    QCOMPARE(w.asked(), Calls{"hold awake \"" + w.generalText() + "\""});
    w.engine->settings().Set(off);
    QCOMPARE(w.asked(), Calls{"release awake"});
    // The session ending lets go; going on after all holds again.
    w.engine->settings().Set(on);
    w.asked();
    w.engine->SetEnding();
    w.engine->ResumeAfterEnding();
    const Calls again = w.asked();
    QCOMPARE(again.size(), std::size_t(2));
    QCOMPARE(again[0], std::string("release awake"));
}

void AwakeKeeperTest::theWakeAlarmFollowsTheAgendaAndTheClock() {
    AppSettings wake;
    wake.WakeForSchedule = true;
    wake.KeepAwake = false;
    World w(wake);
    QCOMPARE(w.asked(), Calls{});
    w.addDailyItem("night", 4, 22, 0);
    QCOMPARE(w.asked(), Calls{"wake alarm in 3600000 ms"});
    QCOMPARE(w.engine->awake().AlarmInMs(), std::optional<std::int64_t>(3600000));
    // An armed moment before it comes first; cancelled, the item's moment again.
    QCOMPARE(w.request("at 21:30:00 lock"), std::string("ok"));
    QCOMPARE(w.asked(), Calls{"wake alarm in 1800000 ms"});
    QCOMPARE(w.request("cancel"), std::string("ok"));
    QCOMPARE(w.asked(), Calls{"wake alarm in 3600000 ms"});
    // Looks that change nothing leave the alarm; a wall clock set by hand moves it.
    w.pass(60000);
    QCOMPARE(w.asked(), Calls{});
    w.fake.setNow(2026, 12, 8, 21, 30, 0);
    w.fake.announce(ClockChange::WallClockSet);
    QCoreApplication::processEvents();
    QCOMPARE(w.asked(), Calls{"wake alarm in 1800000 ms"});
    // Nothing timed left: cleared. The system refusing the alarm is kept to be told.
    w.engine->schedule().manager().Delete(0);
    w.engine->schedule().ItemsChanged();
    QCOMPARE(w.asked(), Calls{"clear wake alarm"});
    w.fake.wakeFailure = "Operation not permitted";
    QCOMPARE(w.request("in 600 lock"), std::string("ok"));
    QCOMPARE(w.asked(), Calls{"wake alarm in 600000 ms"});
    QCOMPARE(w.engine->awake().alarmFailure(), std::string("Operation not permitted"));
    w.fake.wakeFailure.clear();
    // The option off clears it.
    w.pass(1000);
    QCOMPARE(w.asked(), Calls{"wake alarm in 599000 ms"});
    wake.WakeForSchedule = false;
    w.engine->settings().Set(wake);
    QCOMPARE(w.asked(), Calls{"clear wake alarm"});
}

QTEST_GUILESS_MAIN(AwakeKeeperTest)
#include "AwakeKeeperTest.moc"
