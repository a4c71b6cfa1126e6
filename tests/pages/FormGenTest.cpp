#include "pages/FormGen.h"
#include "core/Commands.h"
#include "core/PasswordGuard.h"
#include "core/Planner.h"
#include "core/Settings.h"
#include "model/CommandLine.h"
#include "model/QuickActions.h"
#include "model/Tasks.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/WindowTestSupport.h"
#include "toolkit/UpDown.h"

#include "tests/fakes/FakeActivity.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <optional>

using namespace halvo;

namespace {

const QString SetSuccessfully = "set successfully";

struct World : WindowTestWorld<> {
    RecordingPlatform& fake = platform; // the name these tests know the platform by
    QStringList reminderNames;          // the name on every scripted reminder
    RecordingReminders reminderService;
    Reminders reminders{reminderService};
    Planner planner{reminders, [] { return true; }};
    Settings settings;

    World() {
        // Past the first looks, which learn the wall clock's pace (a true one here).
        for (int look = 0; look < Planner::StartLooks; ++look)
            planner.wake();
    }
    // The planner looks at the clock, as its timer would; the reminders it starts open.
    void look() {
        planner.wake();
        QCoreApplication::processEvents();
    }
    // Time goes by (the wall and the elapsed clock alike), then the planner looks.
    void pass(long long ms) {
        fake.advanceMilliseconds(ms);
        look();
    }
    std::vector<std::string> popupTexts() const {
        std::vector<std::string> texts;
        for (const auto& popup : ui.popups)
            for (const std::string& text : popup->shownTexts)
                texts.push_back(text);
        return texts;
    }

    // The next reminder answers with result (1 run, 2 cancel) after noting its name.
    void answerReminder(int result) {
        reminderService.script.push_back([this, result](const ReminderRequest& request) {
            reminderNames << QString::fromStdString(request.label);
            return result == 1 ? ReminderAnswer::Execute : ReminderAnswer::Cancel;
        });
    }
    std::vector<std::string> exits() const { return fake.sessionRequests(); }
};

// The world and the General page on its planner.
struct PageWorld {
    World w;
    TFormGen page{w.planner};
};

void choose(QComboBox* list, const char* text) {
    list->setCurrentIndex(list->findText(text));
}

// "After" or "At" with the time typed, not yet Set.
void fillAfter(TFormGen& page, const char* h, const char* m, const char* s) {
    page.RadioButton2->click();
    page.Edit1->setText(h);
    page.Edit2->setText(m);
    page.Edit3->setText(s);
}
void fillAt(TFormGen& page, const char* amPm, const char* h, const char* m, const char* s) {
    page.RadioButton3->click();
    if (page.SpeedButton2->text() != amPm)
        page.SpeedButton2Click();
    page.Edit4->setText(h);
    page.Edit5->setText(m);
    page.Edit6->setText(s);
}

void armAfter(TFormGen& page, const char* h, const char* m, const char* s) {
    fillAfter(page, h, m, s);
    page.SpeedButton3Click();
    QCoreApplication::processEvents(); // a delay of 0 comes due at once
}

void armAt(TFormGen& page, const char* amPm, const char* h, const char* m, const char* s) {
    fillAt(page, amPm, h, m, s);
    page.SpeedButton3Click();
}

// The armed delay in seconds, or -1; the armed time of day as hour * 3600 + minute * 60 + second, or -1.
int armedDelay(const TFormGen& page) {
    const AgendaEntry* entry = page.armed();
    return entry && entry->timing->mode == GeneralTiming::Mode::After ? entry->timing->seconds : -1;
}
int armedTime(const TFormGen& page) {
    const AgendaEntry* entry = page.armed();
    if (!entry || entry->timing->mode != GeneralTiming::Mode::At)
        return -1;
    return entry->timing->hour * 3600 + entry->timing->minute * 60 + entry->timing->second;
}

bool inNoneState(const TFormGen& page) {
    if (!page.RadioButton1->isChecked() || page.RadioButton2->isChecked() || page.RadioButton3->isChecked())
        return false;
    for (QLineEdit* e : {page.Edit1, page.Edit2, page.Edit3, page.Edit4, page.Edit5, page.Edit6})
        if (e->isEnabled())
            return false;
    return true;
}

} // namespace

class FormGenTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsQuickActionKeepsTheShownTaskAndTiming();
    void controlsCaptionsAndItems();
    void radioButtonsEnableTheirRowAndShowingResetsThem();
    void setWithoutChoiceOrWithNone();
    void afterCountsTimeAsleepAndNotTheClockSetByHand();
    void invalidIntegerStopsSetAndKeepsTheArmedAction();
    void unreachableDelaysAndTimesAreRefused();
    void twelveHourRule_data();
    void twelveHourRule();
    void atFiresAtItsTimeAndIsMissedWhenLongGone();
    void atTwelveAmFiresAtMidnight();
    void reminderShowsTheTaskNameAndTheListIsReadWhenItFires();
    void commandLineArmsWhatThePageShows();
    void conditionsWaitThenGoThroughTheReminder();
    void everyConditionArmedStaysArmedThroughThePage_data();
    void everyConditionArmedStaysArmedThroughThePage();
    void conditionRowsAreAddedAndRemoved();
    void aClockFakedToRunFastIsFollowed();
    void doItNowRunsAtOnceWithoutReminder();
    void everyListIndexRunsItsOwnTask();
};

void FormGenTest::controlsCaptionsAndItems() {
    auto&& [w, page] = PageWorld();
    QCOMPARE(page.size(), QSize(460, 269));
    QCOMPARE(page.GroupBox1->title(), QString("Do It Now!"));
    QCOMPARE(page.GroupBox2->title(), QString("Do It at specific time"));
    QCOMPARE(page.GroupBox4->title(), QString("At"));
    QCOMPARE(page.SpeedButton1->text(), QString("Do It Now"));
    QCOMPARE(page.SpeedButton2->text(), QString("AM"));
    QCOMPARE(page.SpeedButton3->text(), QString("Set"));
    QCOMPARE(page.RadioButton1->text(), QString("None"));
    QCOMPARE(page.RadioButton2->text(), QString("After"));
    QCOMPARE(page.RadioButton3->text(), QString("At"));
    const QStringList sessionActions = {
        "Shutdown the Computer", "Trun off the computer", "Restart the computer", "Logoff user...",
        "Lock the workstation",  "Start the screensaver", "Sleep the computer",   "Hibernate the computer"};
    QStringList items1, items2;
    for (int i = 0; i < page.ComboBox1->count(); ++i)
        items1 << page.ComboBox1->itemText(i);
    for (int i = 0; i < page.ComboBox2->count(); ++i)
        items2 << page.ComboBox2->itemText(i);
    QCOMPARE(items1, sessionActions + QStringList{""});
    QCOMPARE(items2, sessionActions);
    QCOMPARE(page.ComboBox1->currentIndex(), -1);
    QCOMPARE(page.ComboBox2->currentIndex(), -1);
    QVERIFY(!page.ComboBox1->isEditable());
    QVERIFY(!page.ComboBox2->isEditable());

    const QStringList texts = {page.Edit1->text(), page.Edit2->text(), page.Edit3->text(),
                               page.Edit4->text(), page.Edit5->text(), page.Edit6->text()};
    QCOMPARE(texts, (QStringList{"0", "0", "0", "1", "0", "0"}));
    const UpDown* spinners[] = {page.UpDown1, page.UpDown2, page.UpDown3,
                                page.UpDown4, page.UpDown5, page.UpDown6};
    const int ranges[][3] = {{0, 100, 0}, {0, 59, 0}, {0, 59, 0}, {1, 12, 1}, {0, 59, 0}, {0, 59, 0}};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(spinners[i]->Min(), ranges[i][0]);
        QCOMPARE(spinners[i]->Max(), ranges[i][1]);
        QCOMPARE(spinners[i]->Position(), ranges[i][2]);
    }
    QCOMPARE(page.UpDown4->associate(), page.Edit4);
    QVERIFY(inNoneState(page));
    QCOMPARE(page.findChild<QComboBox*>("ComboBox2"), page.ComboBox2);
    QCOMPARE(page.findChild<QLineEdit*>("Edit6"), page.Edit6);
    QVERIFY(!page.armed());
}

void FormGenTest::radioButtonsEnableTheirRowAndShowingResetsThem() {
    auto&& [w, page] = PageWorld();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    page.RadioButton2->click();
    QVERIFY(page.RadioButton2->isChecked());
    QVERIFY(!page.RadioButton1->isChecked() && !page.RadioButton3->isChecked());
    QVERIFY(page.Edit1->isEnabled() && page.Edit2->isEnabled() && page.Edit3->isEnabled());
    QVERIFY(!page.Edit4->isEnabled() && !page.Edit5->isEnabled() && !page.Edit6->isEnabled());
    QVERIFY(page.UpDown1->isEnabled());
    QVERIFY(!page.UpDown4->isEnabled());

    page.RadioButton3->click();
    QVERIFY(!page.Edit1->isEnabled() && !page.Edit2->isEnabled() && !page.Edit3->isEnabled());
    QVERIFY(page.Edit4->isEnabled() && page.Edit5->isEnabled() && page.Edit6->isEnabled());

    // The AM/PM button is never disabled and toggles.
    QVERIFY(page.SpeedButton2->isEnabled());
    page.SpeedButton2Click();
    QCOMPARE(page.SpeedButton2->text(), QString("PM"));
    page.SpeedButton2Click();
    QCOMPARE(page.SpeedButton2->text(), QString("AM"));

    // Armed, then shown again (another tab and back): the controls keep showing what is armed, and the
    // action stays armed; a look of the planner leaves what the user is typing alone.
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "0", "0", "5");
    page.hide();
    page.show();
    QVERIFY(page.RadioButton2->isChecked() && page.Edit3->isEnabled() && page.Edit3->text() == "5");
    page.Edit3->setText("7");
    w.look();
    QCOMPARE(page.Edit3->text(), QString("7"));
    QCOMPARE(armedDelay(page), 5);

    page.RadioButton1->click();
    QVERIFY(inNoneState(page));
    QCOMPARE(armedDelay(page), 5);
}

void FormGenTest::setWithoutChoiceOrWithNone() {
    auto&& [w, page] = PageWorld();
    armAfter(page, "0", "0", "5");
    QVERIFY(w.dialogs.messages.isEmpty());
    QVERIFY(!page.armed());

    choose(page.ComboBox2, "Restart the computer");
    armAfter(page, "0", "0", "5");
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QCOMPARE(armedDelay(page), 5);

    page.RadioButton1->click();
    page.SpeedButton3Click();
    QVERIFY(!page.armed());
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormGenTest::afterCountsTimeAsleepAndNotTheClockSetByHand() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "1", "30", "15");
    QCOMPARE(armedDelay(page), 5415);

    // Set again replaces the armed action and starts the delay anew.
    armAfter(page, "0", "0", "3");
    QCOMPARE(armedDelay(page), 3);
    // The planner sleeps exactly until the moment, just past it.
    QVERIFY(std::abs(w.planner.plannedMs() - 3003) <= 20);
    // The clock set a day ahead by hand moves nothing.
    w.fake.setNow(2026, 12, 9, 10, 0, 0);
    w.look();
    w.pass(2999);
    QVERIFY(w.reminderService.shown.empty());
    w.answerReminder(1);
    w.pass(1);
    QCOMPARE(w.reminderNames, QStringList{"shutdown the computer"});
    QCOMPARE(lines(w.exits()), lines(std::vector<std::string>{"shut down, forced"}));
    QVERIFY(!page.armed());
    QVERIFY(inNoneState(page));

    // A delay of 0 is due at once.
    choose(page.ComboBox2, "Trun off the computer");
    w.answerReminder(1);
    armAfter(page, "0", "0", "0");
    QCOMPARE(w.reminderNames.size(), 2);
    QCOMPARE(w.reminderNames.last(), QString("turn off the computer"));
    QCOMPARE(w.exits().back(), "power off, forced");

    // Time asleep counts: ten minutes armed, the computer sleeps an hour and wakes. The moment went by
    // while it slept: nothing runs, a popup says so.
    w.fake.setNow(2026, 12, 9, 21, 0, 0);
    armAfter(page, "0", "10", "0");
    w.fake.announce(ClockChange::Suspending);
    w.fake.advanceMilliseconds(3600 * 1000);
    w.fake.announce(ClockChange::Resumed);
    QCoreApplication::processEvents();
    QCOMPARE(w.reminderNames.size(), 2);
    QVERIFY(!page.armed());
    QCOMPARE(w.popupTexts(), std::vector<std::string>{
                                 "Missed while the computer was asleep: turn off the computer at 21:10:00"});
    QCOMPARE(w.exits().size(), std::size_t(2));
}

void FormGenTest::invalidIntegerStopsSetAndKeepsTheArmedAction() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Shutdown the Computer");
    armAt(page, "PM", "1", "5", "0");
    QCOMPARE(armedTime(page), 13 * 3600 + 5 * 60);

    // A typing error in a later field leaves the armed time as it was.
    armAt(page, "AM", "7", "x5", "0");
    QCOMPARE(w.dialogs.errors, QStringList{"'x5' is not a valid integer value"});
    QCOMPARE(armedTime(page), 13 * 3600 + 5 * 60);

    armAfter(page, "1", " 2 x", "3");
    QCOMPARE(w.dialogs.errors.last(), QString("' 2 x' is not a valid integer value"));
    QCOMPARE(armedTime(page), 13 * 3600 + 5 * 60);
    armAfter(page, "", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("'' is not a valid integer value"));
    armAfter(page, "99999999999", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("'99999999999' is not a valid integer value"));
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});

    // Blanks around a number and an explicit sign are numbers.
    armAfter(page, " 2 ", "+0", "-0");
    QCOMPARE(armedDelay(page), 7200);
    QCOMPARE(w.dialogs.errors.size(), 4);
}

void FormGenTest::unreachableDelaysAndTimesAreRefused() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Shutdown the Computer");
    // A negative delay would never come, nor a time the clock never shows; "set successfully" would be a
    // lie.
    armAfter(page, "0", "-1", "30");
    QCOMPARE(w.dialogs.errors, QStringList{"The delay must not be negative"});
    armAfter(page, "600000", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("The delay is too long"));
    for (const auto& [amPm, h, m, s] : {std::tuple{"PM", "12", "60", "0"}, std::tuple{"PM", "13", "0", "0"},
                                        std::tuple{"AM", "24", "5", "0"}, std::tuple{"AM", "1", "0", "-1"}}) {
        armAt(page, amPm, h, m, s);
        QCOMPARE(w.dialogs.errors.last(),
                 QString("The time of day must lie between 12:00:00 AM and 11:59:59 PM"));
    }
    QCOMPARE(w.dialogs.errors.size(), 6);
    QVERIFY(!page.armed());
    QVERIFY(w.dialogs.messages.isEmpty());
    // Minus a minute within an hour is still a delay ahead.
    armAfter(page, "1", "-1", "0");
    QCOMPARE(armedDelay(page), 3540);
}

void FormGenTest::twelveHourRule_data() {
    QTest::addColumn<QString>("amPm");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<int>("armedHour");
    QTest::newRow("AM 12 is midnight") << QString("AM") << QString("12") << 0;
    QTest::newRow("AM 1") << QString("AM") << QString("1") << 1;
    QTest::newRow("AM 11") << QString("AM") << QString("11") << 11;
    QTest::newRow("PM 12 is noon") << QString("PM") << QString("12") << 12;
    QTest::newRow("PM 1") << QString("PM") << QString("1") << 13;
    QTest::newRow("PM 11") << QString("PM") << QString("11") << 23;
}

void FormGenTest::twelveHourRule() {
    QFETCH(QString, amPm);
    QFETCH(QString, hour);
    QFETCH(int, armedHour);
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Lock the workstation");
    armAt(page, qPrintable(amPm), qPrintable(hour), "5", "9");
    QCOMPARE(armedTime(page), armedHour * 3600 + 5 * 60 + 9);
}

void FormGenTest::atFiresAtItsTimeAndIsMissedWhenLongGone() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Logoff user...");
    w.fake.setNow(2026, 12, 8, 13, 4, 58, 400);
    armAt(page, "PM", "1", "5", "0");
    // The planner sleeps until just past the second.
    QVERIFY(std::abs(w.planner.plannedMs() - 1603) <= 20);

    // Before the time nothing happens.
    w.fake.setNow(2026, 12, 8, 13, 4, 59, 999);
    w.look();
    QVERIFY(w.reminderService.shown.empty());

    // The exact second is exactly on time.
    w.fake.setNow(2026, 12, 8, 13, 5, 0, 3);
    w.answerReminder(1);
    w.look();
    QCOMPARE(w.reminderNames, QStringList{"log off  user"});
    QCOMPARE(lines(w.exits()), lines(std::vector<std::string>{"log off"}));
    QVERIFY(inNoneState(page));

    // Two minutes late still runs; a second more is missed, with the reason the program can tell.
    struct Late {
        int seconds;
        bool setByHand;
        const char* popup; // nullptr: the reminder comes
    };
    const Late cases[] = {{120, false, nullptr},
                          {121, false, "Missed while the computer was asleep: log off  user at 13:05:00"},
                          {3600, true, "Missed while the clock changed: log off  user at 13:05:00"}};
    for (const Late& late : cases) {
        w.ui.popups.clear();
        const qsizetype shown = w.reminderNames.size();
        w.fake.setNow(2026, 12, 8, 13, 0, 0);
        armAt(page, "PM", "1", "5", "0");
        if (late.setByHand)
            w.fake.setNow(2026, 12, 8, 13, 5, 0);
        else
            w.fake.advanceMilliseconds(300 * 1000);
        w.fake.advanceMilliseconds(late.seconds * 1000LL);
        if (!late.popup)
            w.answerReminder(2);
        w.look();
        QCOMPARE(w.reminderNames.size(), shown + (late.popup ? 0 : 1));
        QCOMPARE(w.popupTexts(),
                 late.popup ? std::vector<std::string>{late.popup} : std::vector<std::string>{});
        QVERIFY(!page.armed());
    }

    // Across midnight: armed for 00:00:10 at 23:59:58.
    w.fake.setNow(2026, 12, 9, 23, 59, 58);
    armAt(page, "AM", "12", "0", "10");
    w.pass(1000);
    QCOMPARE(w.reminderNames.size(), 2);
    w.answerReminder(2);
    w.pass(11000);
    QCOMPARE(w.reminderNames.size(), 3);

    // Armed in its own second, the time is next due tomorrow; a clock set back reaches nothing.
    w.fake.setNow(2026, 12, 10, 9, 0, 0, 100);
    armAt(page, "AM", "9", "0", "0");
    w.fake.setNow(2026, 12, 10, 8, 30, 0);
    w.look();
    QCOMPARE(w.reminderNames.size(), 3);
    QVERIFY(page.armed());
    w.fake.setNow(2026, 12, 11, 9, 0, 0, 5);
    w.answerReminder(2);
    w.look();
    QCOMPARE(w.reminderNames.size(), 4);
    QCOMPARE(w.exits().size(), std::size_t(1));
}

void FormGenTest::atTwelveAmFiresAtMidnight() {
    // 12:00:00 AM, in the first second of the day and a second late.
    for (const int lateSeconds : {0, 1}) {
        auto&& [w, page] = PageWorld();
        choose(page.ComboBox2, "Lock the workstation");
        w.fake.setNow(2026, 12, 8, 23, 59, 58, 3);
        armAt(page, "AM", "12", "0", "0");
        w.pass(1000);
        QVERIFY(w.reminderNames.isEmpty());
        w.fake.setNow(2026, 12, 9, 0, 0, lateSeconds, 3);
        w.answerReminder(1);
        w.look();
        QCOMPARE(w.reminderNames, QStringList{"lock the workstation"});
        QVERIFY(!page.armed());
    }
}

void FormGenTest::reminderShowsTheTaskNameAndTheListIsReadWhenItFires() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "0", "0", "1");
    // Changed after Set: the new item is announced and would run.
    choose(page.ComboBox2, "Start the screensaver");
    w.answerReminder(2);
    w.pass(1000);
    QCOMPARE(w.reminderNames, QStringList{"start the screensaver"});
    QVERIFY(w.fake.calls.empty());
    QVERIFY(inNoneState(page));

    // "Execute It!" runs the action.
    choose(page.ComboBox2, "Lock the workstation");
    w.reminderService.script.push_back([](const ReminderRequest&) { return ReminderAnswer::Execute; });
    armAfter(page, "0", "0", "0");
    QCOMPARE(w.fake.calls.back(), "lock");
}

void FormGenTest::commandLineArmsWhatThePageShows() {
    auto&& [w, page] = PageWorld();
    QVERIFY(w.planner.armAt(ActionSource::CommandLine, TShutDownTask().Code, 22, 30, 5));
    QVERIFY(page.RadioButton3->isChecked() && page.Edit4->isEnabled());
    QCOMPARE(page.ComboBox2->currentText(), QString("Shutdown the Computer"));
    QCOMPARE(page.Edit4->text() + ":" + page.Edit5->text() + ":" + page.Edit6->text() + " " +
                 page.SpeedButton2->text(),
             QString("10:30:5 PM"));
    QVERIFY(w.planner.armAfter(ActionSource::CommandLine, TLockWorkStationTask().Code, 3725));
    QVERIFY(page.RadioButton2->isChecked());
    QCOMPARE(page.Edit1->text() + ":" + page.Edit2->text() + ":" + page.Edit3->text(), QString("1:2:5"));
    w.planner.disarmGeneral();
    QVERIFY(inNoneState(page));
}

void FormGenTest::conditionsWaitThenGoThroughTheReminder() {
    World w;
    FakeActivity& activity = w.fake.activityFake;
    std::uint64_t received = 0;
    activity.network = {std::vector<InterfaceBytes>{{"eth0", 0, 0}}, {}};
    activity.power = {{}, "This computer has no battery"};
    TFormGen page(w.planner);
    page.show();
    choose(page.ComboBox2, "Shutdown the Computer");
    page.RadioButton4->click();
    QVERIFY(page.ComboBox3->isEnabled() && !page.Edit1->isEnabled() && !page.Edit4->isEnabled());
    QStringList choices;
    for (int i = 0; i < page.ComboBox3->count(); ++i)
        choices << page.ComboBox3->itemText(i);
    QCOMPARE(choices, (QStringList{"the program exits", "the user is idle for", "the processor is below",
                                   "the network is below", "the battery is below"}));

    // A condition the system cannot tell is not offered, and says why; Set refuses it with the reason.
    choose(page.ComboBox3, "the battery is below");
    QCOMPARE(page.Label10->text(), QString("not offered: This computer has no battery"));
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.errors,
             QStringList{"cannot tell when the battery is below 15%: This computer has no battery"});
    QVERIFY(!page.armed());
    // Bad input is refused as the command line refuses it.
    choose(page.ComboBox3, "the processor is below");
    page.Edit7->setText("120");
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.errors.size(), 2);
    QVERIFY(!page.armed());

    // 100 KB/s for half a minute, then nothing.
    choose(page.ComboBox3, "the network is below");
    QCOMPARE(page.Edit7->text() + " " + page.Label7->text() + " for " + page.Edit8->text(),
             QString("50 KB/s for 5"));
    page.Edit8->setText("1");
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QVERIFY(page.armed() && page.armed()->isConditional());
    auto* sampler = w.planner.findChild<QTimer*>("ConditionSampler");
    QVERIFY(sampler && sampler->isActive() && sampler->interval() == 5000);
    w.answerReminder(1);
    // A minute of samples after the first: at the 12th the average over the minute is 50 KB/s, not below;
    // at the 13th one download interval has left the window.
    for (int sample = 1; sample <= 13; ++sample) {
        if (sample <= 6)
            received += 100 * 1024 * 5;
        activity.network = {std::vector<InterfaceBytes>{{"eth0", received, 0}}, {}};
        w.fake.advanceMilliseconds(5000);
        QMetaObject::invokeMethod(sampler, "timeout");
        QCoreApplication::processEvents();
        if (sample == 3)
            QCOMPARE(page.Label10->text(), QString("now 100 KB/s"));
        QVERIFY2(w.reminderNames.isEmpty() == (sample < 13), qPrintable(QString::number(sample)));
    }
    QCOMPARE(w.reminderNames, QStringList{"shutdown the computer"});
    QCOMPARE(lines(w.exits()), lines(std::vector<std::string>{"shut down, forced"}));
    QVERIFY(!page.armed() && !sampler->isActive());
}

namespace {

// Each condition row as the page shows it: "choice value unit[ for minutes min]: reading".
QStringList conditionRows(TFormGen& page) {
    QStringList rows;
    for (int i = 0; i < page.conditionRowCount(); ++i) {
        const TFormGen::ConditionRowControls& row = page.conditionRow(i);
        QString text = row.choice->currentText() + " " + row.value->text();
        if (!row.unit->text().isEmpty())
            text += " " + row.unit->text();
        if (row.minutes->isVisibleTo(&page))
            text += " for " + row.minutes->text() + " " + row.minutesUnit->text();
        rows << text + ": " + row.reading->text();
    }
    return rows;
}

} // namespace

void FormGenTest::everyConditionArmedStaysArmedThroughThePage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("status");
    QTest::newRow("two") << QStringList{"--when", "net:50k:1m", "--when", "cpu:90%:1m", "shutdown"}
                         << QStringList{"the network is below 50 KB/s for 1 min: measuring",
                                        "the processor is below 90 % for 1 min: measuring"}
                         << "General: shutdown the computer when the network is below 50 KB/s for 1 min and "
                            "when the processor is below 90% for 1 min (measuring; measuring)";
    QTest::newRow("three")
        << QStringList{"--when", "idle:2h", "--when", "exit:firefox", "--when", "battery:5", "lock"}
        << QStringList{"the user is idle for 120 min: idle 4 min", "the program exits firefox: running",
                       "the battery is below 5 %: battery 40%"}
        << "General: lock the workstation when the user is idle for 120 min and when the program "
           "firefox exits and when the battery is below 5% (idle 4 min; running; battery 40%)";
}

// What the command line armed is all on the page, and Set arms it all again: none is dropped unsaid.
void FormGenTest::everyConditionArmedStaysArmedThroughThePage() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);
    World w;
    FakeActivity& activity = w.fake.activityFake;
    activity.network = {std::vector<InterfaceBytes>{{"eth0", 0, 0}}, {}};
    activity.processor = {ProcessorTimes{100, 1000}, {}};
    activity.idle = {4 * 60000 + 5000, {}};
    activity.power = {PowerSource{true, 40.0}, {}};
    activity.processes = {{4242, "firefox"}};
    PasswordGuard guard;
    Commands commands(w.planner, w.reminders, w.settings, guard);
    std::vector<std::string> args;
    for (const QString& argument : arguments)
        args.push_back(argument.toStdString());
    const ParsedArguments parsed = ParseArguments(args);
    QVERIFY(parsed.request);
    std::optional<CommandAnswer> answer;
    commands.Command(*parsed.request, [&answer](const CommandAnswer& reply) { answer = reply; });
    QVERIFY(answer); // the fake's readings come at once
    QVERIFY2(answer->ok, answer->text.c_str());
    const std::string statusLine = status.toStdString();
    const auto generalLine = [&commands] {
        const std::string text = commands.StatusText();
        return text.substr(0, text.find('\n'));
    };
    QCOMPARE(generalLine(), statusLine);

    TFormGen page(w.planner);
    page.show();
    QVERIFY(page.RadioButton4->isChecked());
    QCOMPARE(conditionRows(page), rows);
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.errors, QStringList{});
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QCOMPARE(generalLine(), statusLine);
    QVERIFY(page.armed() && page.armed()->source == ActionSource::GeneralPage);
    QCOMPARE(page.armed()->timing->conditions, parsed.request->conditions);
    QCOMPARE(conditionRows(page), rows);
}

void FormGenTest::conditionRowsAreAddedAndRemoved() {
    World w;
    FakeActivity& activity = w.fake.activityFake;
    activity.processor = {ProcessorTimes{100, 1000}, {}};
    activity.idle = {30000, {}};
    activity.power = {{}, "This computer has no battery"};
    activity.processes = {{4242, "firefox"}};
    TFormGen page(w.planner);
    page.show();
    choose(page.ComboBox2, "Lock the workstation");
    QVERIFY(!page.AddCondition->isEnabled()); // only with "When"
    page.RadioButton4->click();
    QVERIFY(page.AddCondition->isEnabled());
    page.Edit7->setText("firefox");
    emit page.Edit7->editingFinished();

    // Each added row offers a kind that no row shows yet, up to the most the page has room for.
    for (int i = 1; i < TFormGen::MaxConditionRows + 2; ++i)
        page.AddCondition->click();
    QCOMPARE(page.conditionRowCount(), TFormGen::MaxConditionRows);
    QVERIFY(!page.AddCondition->isEnabled());
    QCOMPARE(conditionRows(page),
             (QStringList{"the program exits firefox: running", "the user is idle for 30 min: idle 30 s",
                          "the processor is below 10 % for 5 min: measuring"}));
    QCOMPARE(page.conditionRow(1).joiner->text(), QString("and"));

    // Removing the middle row moves the last one up, with its values; a choice of a kind without a reading
    // says why at once.
    page.conditionRow(2).value->setText("20");
    page.conditionRow(1).remove->click();
    QCOMPARE(page.conditionRowCount(), 2);
    QVERIFY(page.AddCondition->isEnabled());
    page.AddCondition->click();
    QCOMPARE(conditionRows(page), (QStringList{"the program exits firefox: running",
                                               "the processor is below 20 % for 5 min: measuring",
                                               "the user is idle for 30 min: idle 30 s"}));
    choose(page.conditionRow(2).choice, "the battery is below");
    QCOMPARE(page.conditionRow(2).reading->text(), QString("not offered: This computer has no battery"));

    // A bad value in any row stops Set with that row's condition named; nothing is armed.
    page.conditionRow(2).remove->click();
    page.conditionRow(1).minutes->setText("0");
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.errors,
             QStringList{"bad condition 'cpu:20%:0m': minutes must be 1m to 24h, like 30m or 2h"});
    QVERIFY(!page.armed());
    page.conditionRow(1).minutes->setText("5");
    page.SpeedButton3Click();
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QVERIFY(page.armed());
    std::string error;
    QCOMPARE(page.armed()->timing->conditions,
             (std::vector<ConditionSpec>{*ParseCondition("exit:firefox", error),
                                         *ParseCondition("cpu:20%:5m", error)}));
}

void FormGenTest::aClockFakedToRunFastIsFollowed() {
    auto&& [w, page] = PageWorld();
    choose(page.ComboBox2, "Lock the workstation");
    w.fake.setNow(2026, 12, 8, 21, 0, 0);
    armAt(page, "PM", "9", "30", "0");
    QVERIFY(w.planner.plannedMs() > Planner::NetMs - 100);
    // A minute of the wall clock to every second: the planner looks as often in wall-clock time.
    const auto second = [&w] {
        w.fake.advanceMilliseconds(60000);
        w.fake.elapsed -= 59000;
        w.look();
    };
    second();
    QCOMPARE(w.planner.wallRate(), 60.0);
    QVERIFY(w.planner.plannedMs() <= 1000);
    w.answerReminder(1);
    for (int looks = 1; looks < 29; ++looks)
        second();
    QVERIFY(w.reminderNames.isEmpty());
    // 21:30:00 comes on the next look, exactly: the fast clock is no reason to miss it.
    second();
    QCOMPARE(w.reminderNames, QStringList{"lock the workstation"});
    QVERIFY(w.popupTexts().empty());
    // Back at the real pace, the planner sleeps as long as it may again.
    w.pass(1000);
    QCOMPARE(w.planner.wallRate(), 1.0);
    QVERIFY(w.planner.plannedMs() > Planner::NetMs - 100);
}

void FormGenTest::doItNowRunsAtOnceWithoutReminder() {
    auto&& [w, page] = PageWorld();
    page.SpeedButton1Click(); // nothing chosen
    choose(page.ComboBox1, "");
    page.SpeedButton1Click(); // the empty item
    QVERIFY(w.fake.calls.empty());

    choose(page.ComboBox1, "Shutdown the Computer");
    QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    QVERIFY(w.reminderService.shown.empty());
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(lines(w.fake.calls), lines((std::vector<std::string>{"shut down, forced"})));
}

void FormGenTest::everyListIndexRunsItsOwnTask() {
    auto&& [w, page] = PageWorld();
    const std::pair<const char*, const char*> lastCallOfItem[] = {
        {"Shutdown the Computer", "shut down, forced"},
        {"Trun off the computer", "power off, forced"},
        {"Restart the computer", "restart"},
        {"Logoff user...", "log off"},
        {"Lock the workstation", "lock"},
        {"Start the screensaver", "start the screen saver"},
        {"Sleep the computer", "sleep"},
        {"Hibernate the computer", "hibernate"}};
    for (const auto& [item, lastCall] : lastCallOfItem) {
        w.fake.clearCalls();
        choose(page.ComboBox1, item);
        page.SpeedButton1Click();
        QCOMPARE(w.fake.calls.back(), std::string(lastCall));
    }
}

// "Save as quick action" keeps what Set would arm, under the name typed, in the command line's words; what
// Set would refuse is refused with the same words, and a name taken is only replaced when the user agrees.
void FormGenTest::saveAsQuickActionKeepsTheShownTaskAndTiming() {
    struct Case {
        const char* what;
        std::function<void(TFormGen&)> fill;
        QString typed;
        std::string words; // empty: nothing saved
        QString error;
    };
    const auto after = [](int task, const char* h, const char* m, const char* s) {
        return [=](TFormGen& page) {
            page.ComboBox2->setCurrentIndex(page.ComboBox2->findData(task));
            fillAfter(page, h, m, s);
        };
    };
    // The name typed into the dialog that asks for it, and OK.
    const auto typeName = [](World& w, const QString& name) {
        w.dialogs.modalHandlers.push_back([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("QuickName")->setText(name);
            return 1;
        });
    };
    const Case cases[] = {
        {"after", after(1, "1", "30", "0"), "  Evening  ", "in 5400 shutdown", ""},
        {"at, PM",
         [](TFormGen& page) {
             page.ComboBox2->setCurrentIndex(page.ComboBox2->findData(2));
             fillAt(page, "PM", "11", "30", "15");
         },
         "Bedtime", "at 23:30:15 poweroff", ""},
        {"when idle",
         [](TFormGen& page) {
             page.ComboBox2->setCurrentIndex(page.ComboBox2->findData(11));
             page.RadioButton4->click();
             page.ComboBox3->setCurrentIndex(page.ComboBox3->findData(int(ConditionKind::UserIdle)));
             page.Edit7->setText("15");
         },
         "Idle", "when idle:15m lock", ""},
        {"no wait", after(11, "0", "0", "0"), "Now", "", "A quick action waits at least one second"},
        {"bad field", after(11, "x", "0", "0"), "X", "", "'x' is not a valid integer value"},
        {"none",
         [](TFormGen& page) {
             page.ComboBox2->setCurrentIndex(page.ComboBox2->findData(11));
             page.RadioButton1->click();
         },
         "None", "", "Choose an action and After, At or When first"},
        {"empty name", after(11, "0", "5", "0"), "   ", "", "The name must not be empty"},
    };
    for (const Case& c : cases) {
        auto&& [w, page] = PageWorld();
        page.SetQuickActionStore(&w.settings);
        QVERIFY(!page.SaveQuick->isHidden());
        QCOMPARE(page.SaveQuick->text(), QString("Save as quick action"));
        c.fill(page);
        typeName(w, c.typed);
        page.SaveQuickClick();
        QCOMPARE(w.dialogs.errors, c.error.isEmpty() ? QStringList() : QStringList{c.error});
        QVERIFY2(!page.armed(), c.what); // saving arms nothing
        if (c.words.empty()) {
            QVERIFY2(w.settings.quickActions().empty(), c.what);
            continue;
        }
        QCOMPARE(w.settings.quickActions().size(), std::size_t(1));
        const QuickAction& saved = w.settings.quickActions().front();
        QCOMPARE(QString::fromStdString(saved.name), c.typed.trimmed());
        QCOMPARE(QString::fromStdString(QuickActionWords(saved.request)), QString::fromStdString(c.words));
        QCOMPARE(w.dialogs.messages, QStringList{"Saved as quick action \"" + c.typed.trimmed() + "\""});
    }

    // The same name again: kept unless the user agrees to replace it.
    auto&& [w, page] = PageWorld();
    page.SetQuickActionStore(&w.settings);
    for (const char* hours : {"1", "2", "3"}) {
        after(11, hours, "0", "0")(page);
        typeName(w, "Later");
        page.SaveQuickClick();
    }
    QCOMPARE(w.dialogs.questions, QStringList({"Save as quick action|Replace the quick action \"Later\"?",
                                               "Save as quick action|Replace the quick action \"Later\"?"}));
    QCOMPARE(w.settings.quickActions().size(), std::size_t(1));
    QCOMPARE(w.settings.quickActions().front().request.seconds, 3 * 3600);
    w.dialogs.answers = {2};
    after(11, "4", "0", "0")(page);
    typeName(w, "Later");
    page.SaveQuickClick();
    QCOMPARE(w.settings.quickActions().front().request.seconds, 3 * 3600);
}

QTEST_MAIN(FormGenTest)
#include "FormGenTest.moc"
