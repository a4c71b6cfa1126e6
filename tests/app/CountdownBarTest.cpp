#include "app/CountdownBar.h"
#include "core/Planner.h"
#include "core/Settings.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace halvo;

namespace {

struct World : WindowTestWorld<> {
    RecordingReminders reminderService;
    Reminders reminders{reminderService};
    Planner planner{reminders, [] { return true; }};
    Settings settings;
    CountdownBar bar{planner, settings};

    World() {
        platform.setNow(2026, 12, 8, 21, 0, 0);
        for (int look = 0; look < Planner::StartLooks; ++look)
            planner.wake();
        reminderService.keepOpen = true;
    }
    void edge(AppSettings::Bar edge) {
        AppSettings values = settings.values();
        values.CountdownBar = edge;
        settings.Set(values);
    }
    void pass(long long ms) {
        platform.advanceMilliseconds(ms);
        planner.wake();
        QCoreApplication::processEvents();
        bar.Refresh();
    }
};

} // namespace

class CountdownBarTest : public QObject {
    Q_OBJECT
private slots:
    void emptiesAsTheMomentComesAndTurnsRedInTheLastMinute();
    void onlyForAnArmedAfterOrAtActionWithTheOptionOn();
};

void CountdownBarTest::emptiesAsTheMomentComesAndTurnsRedInTheLastMinute() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int top = screen.top(), bottom = screen.bottom() - CountdownBar::BarHeight + 1;
    struct Step {
        long long passMs;
        int width;
        bool red;
    };
    struct Case {
        const char* what;
        AppSettings::Bar edge;
        bool at; // else After two minutes
        int y;
        std::vector<Step> steps;
        QString tip;
    };
    // As wide as the part of the two minutes still to come.
    const auto width = [&screen](long long remainingMs) {
        return std::max(2, int(std::lround(screen.width() * remainingMs / 120000.0)));
    };
    const Case cases[] = {
        {"after, top",
         AppSettings::Bar::Top,
         false,
         top,
         {{0, width(120000), false},
          {30000, width(90000), false},
          {29000, width(61000), false},
          {1000, width(60000), true},
          {45000, width(15000), true}},
         "Halvo Shutdown: lock the workstation at 21:02:00 (in 2 min)"},
        // At 21:02:00, armed at 21:00:00: the wait seen when armed is the full bar.
        {"at, bottom",
         AppSettings::Bar::Bottom,
         true,
         bottom,
         {{0, width(120000), false}, {60000, width(60000), true}, {59000, width(1000), true}},
         "Halvo Shutdown: lock the workstation at 21:02:00 (in 2 min)"},
    };
    for (const Case& c : cases) {
        World world;
        world.edge(c.edge);
        QVERIFY(!world.bar.isVisible());
        if (c.at)
            QVERIFY(world.planner.armAt(ActionSource::GeneralPage, 11, 21, 2, 0));
        else
            QVERIFY(world.planner.armAfter(ActionSource::CommandLine, 11, 120));
        QCOMPARE(world.bar.ToolTipText(), c.tip);
        for (const Step& step : c.steps) {
            world.pass(step.passMs);
            QVERIFY2(world.bar.isVisible(), c.what);
            QCOMPARE(world.bar.geometry(), QRect(screen.left(), c.y, step.width, CountdownBar::BarHeight));
            QCOMPARE(world.bar.colour(), step.red ? CountdownBar::LastMinuteColour : CountdownBar::Colour);
        }
        world.planner.disarmGeneral();
        QVERIFY2(!world.bar.isVisible(), c.what);
    }
}

void CountdownBarTest::onlyForAnArmedAfterOrAtActionWithTheOptionOn() {
    World world;
    const Qt::WindowFlags flags = world.bar.windowFlags();
    for (const Qt::WindowType flag : {Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus,
                                      Qt::WindowTransparentForInput, Qt::FramelessWindowHint})
        QVERIFY(flags.testFlag(flag));
    QVERIFY(world.bar.testAttribute(Qt::WA_ShowWithoutActivating));

    QVERIFY(world.planner.armAfter(ActionSource::GeneralPage, 11, 600));
    QVERIFY2(!world.bar.isVisible(), "the option is off");
    world.edge(AppSettings::Bar::Top);
    QVERIFY2(world.bar.isVisible(), "turned on while armed");
    world.edge(AppSettings::Bar::None);
    QVERIFY2(!world.bar.isVisible(), "turned off");
    world.edge(AppSettings::Bar::Bottom);
    QVERIFY(world.bar.isVisible());

    // Its reminder counts down in its own window: the bar goes.
    world.pass(600000);
    QCOMPARE(world.reminderService.openCount(), std::size_t(1));
    QVERIFY2(!world.bar.isVisible(), "in its reminder");

    // Conditions have no moment to count down to.
    bool armed = false;
    world.platform.activityFake.idle = {0, {}};
    std::string error;
    world.planner.armWhen(ActionSource::GeneralPage, 11, {ParseCondition("idle:15m", error).value()},
                          [&armed](const std::string& failure) { armed = failure.empty(); });
    QVERIFY(armed);
    world.bar.Refresh();
    QVERIFY2(!world.bar.isVisible(), "a conditional action");
}

QTEST_MAIN(CountdownBarTest)
#include "CountdownBarTest.moc"
