// The engine without any window: the fake platform, a recording reminder service and the command line's
// requests. Reminders are left open as a user leaves them, and answered (or run out) in any order.

#include "tests/helpers/EngineWorld.h"

#include <QtTest>

#include <algorithm>

using namespace halvo;

namespace {

const std::string Lock = "lock";

// Reminders left open as a user leaves them; each asks before its action runs, and the computer is kept
// awake only where its own test says so.
struct World : EngineWorld {
    World() {
        reminders.keepOpen = true;
        AppSettings remind;
        remind.Remind = true;
        remind.KeepAwake = false;
        start(remind);
    }
};

using Labels = std::vector<std::string>;

// Compared as Qt's lists, so a difference shows in full.
QStringList q(const Labels& labels) {
    QStringList list;
    for (const std::string& label : labels)
        list << QString::fromStdString(label);
    return list;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void remindersOpenAtOnceAnswerInAnyOrder();
    void aReminderRunsOutWhileALaterOneIsOpen();
    void conditionsHoldWhileAReminderIsOpen();
    void theScheduleRunsWithoutAnyWindow();
};

// Two and three reminders open at once (the General action, a postponed run and a schedule item due in the
// same look): each action runs the moment its own reminder answers, whatever the others do; --status names
// every open one, and --cancel closes the General action's and the postponed run's, never the schedule's.
void EngineTest::remindersOpenAtOnceAnswerInAnyOrder() {
    struct Answer {
        const char* label;
        ReminderAnswer answer;
    };
    struct Case {
        const char* name;
        bool postponedToo; // a third reminder: a run postponed ten minutes ago
        bool cancelFirst;  // --cancel while all are open
        std::vector<Answer> answers;
        Labels runs; // the session requests, in order
    };
    using A = ReminderAnswer;
    const std::vector<Case> cases = {
        {"two, the later first",
         false,
         false,
         {{"lock the workstation", A::Execute}, {"turn off the computer", A::Execute}},
         {"lock", "power off, forced"}},
        {"two, one cancelled",
         false,
         false,
         {{"lock the workstation", A::Cancel}, {"turn off the computer", A::Execute}},
         {"power off, forced"}},
        {"three, in the middle first",
         true,
         false,
         {{"restart the computer", A::Execute},
          {"turn off the computer", A::Postpone},
          {"lock the workstation", A::Execute}},
         {"restart", "lock"}},
        {"three, the schedule's first",
         true,
         false,
         {{"lock the workstation", A::Execute},
          {"restart the computer", A::Cancel},
          {"turn off the computer", A::Execute}},
         {"lock", "power off, forced"}},
        {"three, --cancel leaves the schedule's",
         true,
         true,
         {{"lock the workstation", A::Execute}},
         {"lock"}},
    };
    for (const Case& c : cases) {
        World w;
        if (c.postponedToo)
            w.engine->planner().postpone(TaskFromCode(9), "restart the computer", false);
        QCOMPARE(w.request("in 600 poweroff"), std::string("ok"));
        w.addDailyItem("night", 11, 21, 10);
        w.pass(600003);
        // The schedule's at its evaluation, then the others oldest first.
        const Labels open =
            c.postponedToo ? Labels{"lock the workstation", "restart the computer", "turn off the computer"}
                           : Labels{"lock the workstation", "turn off the computer"};
        QCOMPARE(q(w.openLabels()), q(open));
        QVERIFY2(w.fake.sessionRequests().empty(), c.name);
        const std::string status = w.request("status");
        for (const std::string& label : open)
            QVERIFY2(status.find("\\nReminder: " + label + " in 61 s") != std::string::npos,
                     (std::string(c.name) + ": " + status).c_str());
        if (c.cancelFirst) {
            QCOMPARE(w.request("cancel"), std::string("ok"));
            QVERIFY2(w.openLabels() == Labels{"lock the workstation"}, c.name);
        }
        Labels ran;
        for (const Answer& answer : c.answers) {
            const std::size_t index = w.indexOf(answer.label);
            QVERIFY2(index != std::size_t(-1), answer.label);
            w.reminders.answer(index, answer.answer);
            // At once, with the others still open.
            ran = w.fake.sessionRequests();
            QVERIFY2(w.indexOf(answer.label) == std::size_t(-1), c.name);
        }
        QCOMPARE(q(ran), q(c.runs));
        QVERIFY2(w.reminders.openCount() == 0, c.name);
        // A postponed answer comes back ten minutes later; nothing else does.
        const bool postponed = std::any_of(c.answers.begin(), c.answers.end(), [](const Answer& a) {
            return a.answer == ReminderAnswer::Postpone;
        });
        QCOMPARE(w.engine->planner().hasPostponed(), postponed);
        QVERIFY2(w.request("status").find("Reminder:") == std::string::npos, c.name);
    }
}

// A daily lock reminds at 21:10:00; ten seconds into its reminder the command line arms a power off a second
// later. When the lock's minute is up it locks, with the later reminder still open; --cancel then closes
// that one and nothing more is sent.
void EngineTest::aReminderRunsOutWhileALaterOneIsOpen() {
    World w;
    w.addDailyItem("night", 11, 21, 10);
    w.pass(600003);
    QCOMPARE(q(w.openLabels()), q(Labels{"lock the workstation"}));
    for (int second = 0; second < 10; ++second)
        w.second();
    QCOMPARE(w.request("in 1 poweroff"), std::string("ok"));
    w.second();
    w.engine->planner().wake();
    QCoreApplication::processEvents();
    QCOMPARE(q(w.openLabels()), q((Labels{"lock the workstation", "turn off the computer"})));
    for (int second = 11; second < 60; ++second)
        w.second();
    QVERIFY(w.fake.sessionRequests().empty());
    w.second();
    QCOMPARE(q(w.fake.sessionRequests()), q(Labels{Lock}));
    QCOMPARE(q(w.openLabels()), q(Labels{"turn off the computer"}));
    QCOMPARE(QString::fromStdString(w.request("status")),
             QString::fromStdString("ok General: turn off the computer in its reminder, due at 21:10:12"
                                    "\\nReminder: turn off the computer in 11 s"
                                    "\\nSchedule 'night': lock the workstation at 2026-12-09 "
                                    "21:10:00 (in 23 h 58 min)"));

    QCOMPARE(w.request("cancel"), std::string("ok"));
    QVERIFY(w.openLabels().empty());
    for (int minute = 0; minute < 5; ++minute)
        w.pass(60000);
    QCOMPARE(q(w.fake.sessionRequests()), q(Labels{Lock}));
}

// The conditions of the General action come to hold while a postponed run's reminder is open: its own
// reminder opens beside it, and each answers on its own.
void EngineTest::conditionsHoldWhileAReminderIsOpen() {
    World w;
    w.engine->planner().postpone(TaskFromCode(9), "restart the computer", false);
    w.pass(600003);
    QCOMPARE(q(w.openLabels()), q(Labels{"restart the computer"}));
    w.fake.activityFake.idle = {60000, {}};
    QCOMPARE(w.request("when idle:2m lock"), std::string("ok"));
    QVERIFY(w.request("status").find("General: lock the workstation when the user is idle for 2 min") !=
            std::string::npos);
    w.fake.activityFake.idle = {120000, {}};
    QTRY_COMPARE_WITH_TIMEOUT(q(w.openLabels()), q(Labels{"restart the computer", "lock the workstation"}),
                              2 * Planner::SampleMs);
    const std::string status = w.request("status");
    QVERIFY2(
        status.find("General: lock the workstation in its reminder\\nReminder: restart the computer in 61 "
                    "s\\nReminder: lock the workstation in 61 s") != std::string::npos,
        status.c_str());
    w.reminders.answer(w.indexOf("lock the workstation"), ReminderAnswer::Execute);
    QCOMPARE(q(w.fake.sessionRequests()), q(Labels{Lock}));
    QCOMPARE(q(w.openLabels()), q(Labels{"restart the computer"}));
    QCOMPARE(w.request("cancel"), std::string("ok"));
    QVERIFY(w.openLabels().empty());
    QCOMPARE(q(w.fake.sessionRequests()), q(Labels{Lock}));
}

// The schedule is loaded, evaluated and stored by the engine alone: no page, no window.
void EngineTest::theScheduleRunsWithoutAnyWindow() {
    World w;
    AppSettings values = w.engine->settings().values();
    values.AutoSave = true;
    values.Remind = false;
    std::string error;
    QVERIFY(w.engine->settings().Apply(values, error));
    w.addDailyItem("night", 11, 21, 10);
    QVERIFY(w.fake.storedFiles.count("/opt/halvo/sch.cks"));
    w.pass(600003);
    QCOMPARE(q(w.fake.sessionRequests()), q(Labels{Lock}));
    QVERIFY(w.reminders.shown.empty());
    QVERIFY(w.reported.empty());
    // The next run of the program finds it, passed for today.
    w.engine.reset();
    Engine next(w.reminders, {});
    next.Start();
    QCOMPARE(next.schedule().manager().Count(), 1);
    QCOMPARE(next.schedule().manager().Item(0).TimeRule.CrossState, TCrossState::Passed);
}

QTEST_GUILESS_MAIN(EngineTest)
#include "EngineTest.moc"
