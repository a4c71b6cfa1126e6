#include "pages/FormGen.h"
#include "model/Tasks.h"
#include "pages/FormExecuteTip.h"
#include "tests/helpers/WindowTestSupport.h"
#include "toolkit/UpDown.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace halvo;

namespace {

const QString SetSuccessfully = "set successfully";

struct World : WindowTestWorld<> {
    RecordingPlatform& fake = platform; // the name these tests know the platform by
    QStringList reminderNames;          // Label2 of every reminder shown

    // The next reminder answers with result (1 run, 2 cancel) after noting its name.
    void answerReminder(int result) {
        dialogs.modalHandlers.push_back([this, result](QDialog& d) {
            auto& tip = static_cast<TFormExecuteTip&>(d);
            reminderNames << tip.Label2->text();
            return result;
        });
    }
    std::vector<std::string> exits() const { return fake.sessionRequests(); }
};

void choose(QComboBox* list, const char* text) {
    list->setCurrentIndex(list->findText(text));
}

void armAfter(TFormGen& page, const char* h, const char* m, const char* s) {
    page.RadioButton2->click();
    page.Edit1->setText(h);
    page.Edit2->setText(m);
    page.Edit3->setText(s);
    page.SpeedButton3Click();
}

void armAt(TFormGen& page, const char* amPm, const char* h, const char* m, const char* s) {
    page.RadioButton3->click();
    if (page.SpeedButton2->text() != amPm)
        page.SpeedButton2Click();
    page.Edit4->setText(h);
    page.Edit5->setText(m);
    page.Edit6->setText(s);
    page.SpeedButton3Click();
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
    void controlsCaptionsAndItems();
    void radioButtonsEnableTheirRowAndShowingResetsThem();
    void setWithoutChoiceOrWithNone();
    void afterDelayFiresOnTheTickAfterItRunsOut();
    void invalidIntegerStopsSetAndKeepsTheArmedAction();
    void unreachableDelaysAreRefused();
    void twelveHourRule_data();
    void twelveHourRule();
    void atFiresOnTheFirstTickThatReachedItsTime();
    void atTwelveAmFiresAtMidnight();
    void atTimeTheClockNeverShowsNeverFires();
    void reminderCancelRunsNothingAndTheListIsReadWhenItFires();
    void doItNowRunsAtOnceWithoutReminder();
    void everyListIndexRunsItsOwnTask();
};

void FormGenTest::controlsCaptionsAndItems() {
    World w;
    TFormGen page;
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
    QCOMPARE(page.Timer1->interval(), 1000);
    QVERIFY(!page.Timer1->isActive());
    QVERIFY(inNoneState(page));
    QCOMPARE(page.findChild<QComboBox*>("ComboBox2"), page.ComboBox2);
    QCOMPARE(page.findChild<QLineEdit*>("Edit6"), page.Edit6);
    QVERIFY(!page.action().Armed());
}

void FormGenTest::radioButtonsEnableTheirRowAndShowingResetsThem() {
    World w;
    TFormGen page;
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
    // action keeps counting.
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "0", "0", "5");
    QVERIFY(page.Timer1->isActive());
    page.hide();
    page.show();
    QVERIFY(page.RadioButton2->isChecked() && page.Edit3->isEnabled() && page.Edit3->text() == "5");
    QVERIFY(page.Timer1->isActive());
    QCOMPARE(page.action().CountDown(), 5);

    page.RadioButton1->click();
    QVERIFY(inNoneState(page));
    QVERIFY(page.Timer1->isActive());
}

void FormGenTest::setWithoutChoiceOrWithNone() {
    World w;
    TFormGen page;
    armAfter(page, "0", "0", "5");
    QVERIFY(w.dialogs.messages.isEmpty());
    QVERIFY(!page.Timer1->isActive());

    choose(page.ComboBox2, "Restart the computer");
    armAfter(page, "0", "0", "5");
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QVERIFY(page.Timer1->isActive());

    page.RadioButton1->click();
    page.SpeedButton3Click();
    QVERIFY(!page.Timer1->isActive());
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormGenTest::afterDelayFiresOnTheTickAfterItRunsOut() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "1", "30", "15");
    QCOMPARE(page.action().CountDown(), 5415);
    QCOMPARE(page.action().Mode(), TSimpleAction::TMode::After);

    // Set again replaces the armed action and restarts the delay: 3 seconds fire on the 4th tick.
    armAfter(page, "0", "0", "3");
    QCOMPARE(page.action().CountDown(), 3);
    w.answerReminder(1);
    for (int tick = 1; tick <= 3; ++tick) {
        page.Timer1Timer();
        QVERIFY(w.dialogs.modalDialogs.isEmpty());
    }
    page.Timer1Timer();
    QCOMPARE(w.reminderNames, QStringList{"Shutdown the Computer"});
    QCOMPARE(lines(w.exits()), lines(std::vector<std::string>{"shut down, forced"}));
    QVERIFY(!page.Timer1->isActive());
    QVERIFY(inNoneState(page));

    // A delay of 0 fires on the first tick.
    choose(page.ComboBox2, "Trun off the computer");
    armAfter(page, "0", "0", "0");
    w.answerReminder(1);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 2);
    QCOMPARE(w.reminderNames.last(), QString("Trun off the computer"));
    QCOMPARE(w.exits().back(), "power off, forced");
}

void FormGenTest::invalidIntegerStopsSetAndKeepsTheArmedAction() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Shutdown the Computer");
    armAt(page, "PM", "1", "5", "0");
    QCOMPARE(page.action().Hour(), 13);
    QVERIFY(page.Timer1->isActive());

    // A typing error in a later field leaves the armed hour as it was.
    armAt(page, "AM", "7", "x5", "0");
    QCOMPARE(w.dialogs.errors, QStringList{"'x5' is not a valid integer value"});
    QCOMPARE(page.action().Hour(), 13);
    QCOMPARE(page.action().Minute(), 5);
    QCOMPARE(page.action().Mode(), TSimpleAction::TMode::At);
    QVERIFY(page.Timer1->isActive());

    armAfter(page, "1", " 2 x", "3");
    QCOMPARE(w.dialogs.errors.last(), QString("' 2 x' is not a valid integer value"));
    QCOMPARE(page.action().Mode(), TSimpleAction::TMode::At);
    armAfter(page, "", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("'' is not a valid integer value"));
    armAfter(page, "99999999999", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("'99999999999' is not a valid integer value"));
    QCOMPARE(w.dialogs.messages, QStringList{SetSuccessfully});

    // Blanks around a number and an explicit sign are numbers.
    armAfter(page, " 2 ", "+0", "-0");
    QCOMPARE(page.action().CountDown(), 7200);
    QCOMPARE(w.dialogs.errors.size(), 4);
}

void FormGenTest::unreachableDelaysAreRefused() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Shutdown the Computer");
    // A negative delay would never come; "set successfully" would be a lie.
    armAfter(page, "0", "-1", "30");
    QCOMPARE(w.dialogs.errors, QStringList{"The delay must not be negative"});
    QVERIFY(!page.Timer1->isActive());
    armAfter(page, "600000", "0", "0");
    QCOMPARE(w.dialogs.errors.last(), QString("The delay is too long"));
    QVERIFY(!page.Timer1->isActive());
    QVERIFY(w.dialogs.messages.isEmpty());
    // Minus a minute within an hour is still a delay ahead.
    armAfter(page, "1", "-1", "0");
    QCOMPARE(page.action().CountDown(), 3540);
}

void FormGenTest::twelveHourRule_data() {
    QTest::addColumn<QString>("amPm");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<int>("armedHour");
    QTest::newRow("AM 12 is midnight") << "AM"
                                       << "12" << 0;
    QTest::newRow("AM 1") << "AM"
                          << "1" << 1;
    QTest::newRow("AM 11") << "AM"
                           << "11" << 11;
    QTest::newRow("PM 12 is noon") << "PM"
                                   << "12" << 12;
    QTest::newRow("PM 1") << "PM"
                          << "1" << 13;
    QTest::newRow("PM 11") << "PM"
                           << "11" << 23;
    QTest::newRow("typed beyond the spinner") << "PM"
                                              << "13" << 25;
}

void FormGenTest::twelveHourRule() {
    QFETCH(QString, amPm);
    QFETCH(QString, hour);
    QFETCH(int, armedHour);
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Lock the workstation");
    armAt(page, qPrintable(amPm), qPrintable(hour), "5", "9");
    QCOMPARE(page.action().Hour(), armedHour);
    QCOMPARE(page.action().Minute(), 5);
    QCOMPARE(page.action().Second(), 9);
    QCOMPARE(page.action().Mode(), TSimpleAction::TMode::At);
}

void FormGenTest::atFiresOnTheFirstTickThatReachedItsTime() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Logoff user...");
    w.fake.setNow(2026, 12, 8, 13, 4, 58, 400);
    armAt(page, "PM", "1", "5", "0");

    // Before the time nothing happens, whatever the date says.
    page.Timer1Timer();
    w.fake.setNow(2026, 12, 8, 13, 4, 59, 400);
    page.Timer1Timer();
    QVERIFY(w.dialogs.modalDialogs.isEmpty());

    // The exact second is exactly on time.
    w.fake.setNow(2026, 12, 8, 13, 5, 0, 400);
    w.answerReminder(1);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames, QStringList{"Logoff user..."});
    QCOMPARE(lines(w.exits()), lines(std::vector<std::string>{"log off"}));
    QVERIFY(!page.Timer1->isActive());
    QVERIFY(inNoneState(page));

    // A late tick that skipped the second still fires.
    w.fake.setNow(2026, 12, 8, 13, 4, 59, 900);
    armAt(page, "PM", "1", "5", "0");
    w.fake.setNow(2026, 12, 8, 13, 5, 1, 200);
    w.answerReminder(2);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 2);

    // Asleep across the time, waking the next morning: fires at the first tick after waking.
    w.fake.setNow(2026, 12, 8, 22, 0, 0);
    armAt(page, "PM", "11", "0", "0");
    page.Timer1Timer();
    w.fake.setNow(2026, 12, 9, 7, 15, 0);
    w.answerReminder(2);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 3);

    // Across midnight: armed for 00:00:10, ticks at 23:59:59 and 00:00:11.
    w.fake.setNow(2026, 12, 9, 23, 59, 58);
    armAt(page, "AM", "12", "0", "10");
    w.fake.setNow(2026, 12, 9, 23, 59, 59);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 3);
    w.fake.setNow(2026, 12, 10, 0, 0, 11);
    w.answerReminder(2);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 4);

    // A clock set back reaches nothing new; armed in the same second, the time is next due tomorrow.
    w.fake.setNow(2026, 12, 10, 9, 0, 0, 100);
    armAt(page, "AM", "9", "0", "0");
    w.fake.setNow(2026, 12, 10, 9, 0, 1, 100);
    page.Timer1Timer();
    w.fake.setNow(2026, 12, 10, 8, 30, 0);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 4);
    QVERIFY(page.Timer1->isActive());
    w.fake.setNow(2026, 12, 11, 9, 0, 0, 5);
    w.answerReminder(2);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames.size(), 5);
    QCOMPARE(w.exits().size(), std::size_t(1));
}

void FormGenTest::atTwelveAmFiresAtMidnight() {
    // 12:00:00 AM, on the tick in the first second of the day and on a tick that came a second late.
    for (const int lateSeconds : {0, 1}) {
        World w;
        TFormGen page;
        choose(page.ComboBox2, "Lock the workstation");
        w.fake.setNow(2026, 12, 8, 23, 59, 58, 3);
        armAt(page, "AM", "12", "0", "0");
        w.fake.setNow(2026, 12, 8, 23, 59, 59, 3);
        page.Timer1Timer();
        QVERIFY(w.reminderNames.isEmpty());
        w.fake.setNow(2026, 12, 9, 0, 0, lateSeconds, 3);
        w.answerReminder(1);
        page.Timer1Timer();
        QCOMPARE(w.reminderNames, QStringList{"Lock the workstation"});
        QVERIFY(!page.Timer1->isActive());
    }
}

void FormGenTest::atTimeTheClockNeverShowsNeverFires() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Shutdown the Computer");
    armAt(page, "PM", "12", "60", "0"); // 12:60:00
    QCOMPARE(page.action().Minute(), 60);
    for (int hour = 0; hour < 24; ++hour) {
        w.fake.setNow(2026, 12, 8, hour, 0, 0);
        page.Timer1Timer();
        w.fake.setNow(2026, 12, 8, hour, 59, 59);
        page.Timer1Timer();
    }
    w.fake.setNow(2026, 12, 12, 13, 0, 0); // days later
    page.Timer1Timer();
    QVERIFY(w.dialogs.modalDialogs.isEmpty());
    QVERIFY(page.Timer1->isActive());
}

void FormGenTest::reminderCancelRunsNothingAndTheListIsReadWhenItFires() {
    World w;
    TFormGen page;
    choose(page.ComboBox2, "Shutdown the Computer");
    armAfter(page, "0", "0", "1");
    // Changed after Set: the new item is announced and would run.
    choose(page.ComboBox2, "Start the screensaver");
    page.Timer1Timer();
    w.answerReminder(2);
    page.Timer1Timer();
    QCOMPARE(w.reminderNames, QStringList{"Start the screensaver"});
    QVERIFY(w.fake.calls.empty());
    QVERIFY(!page.Timer1->isActive());
    QVERIFY(inNoneState(page));

    // Run: the screen saver starts.
    armAfter(page, "0", "0", "0");
    w.answerReminder(1);
    page.Timer1Timer();
    QCOMPARE(lines(w.fake.calls), lines((std::vector<std::string>{"start the screen saver"})));

    // The real dialog is what the page shows: its "Execute It!" runs the action.
    w.fake.clearCalls();
    choose(page.ComboBox2, "Lock the workstation");
    w.dialogs.modalHandlers.push_back([](QDialog& d) {
        auto& tip = static_cast<TFormExecuteTip&>(d);
        tip.Button2Click();
        return tip.result();
    });
    page.RunQuickAction(TLockWorkStationTask().Code);
    QCOMPARE(w.fake.calls.back(), "lock");
}

void FormGenTest::doItNowRunsAtOnceWithoutReminder() {
    World w;
    TFormGen page;
    page.SpeedButton1Click(); // nothing chosen
    choose(page.ComboBox1, "");
    page.SpeedButton1Click(); // the empty item
    QVERIFY(w.fake.calls.empty());

    choose(page.ComboBox1, "Shutdown the Computer");
    QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    QVERIFY(w.dialogs.modalDialogs.isEmpty());
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(lines(w.fake.calls), lines((std::vector<std::string>{"shut down, forced"})));
}

void FormGenTest::everyListIndexRunsItsOwnTask() {
    World w;
    TFormGen page;
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

QTEST_MAIN(FormGenTest)
#include "FormGenTest.moc"
