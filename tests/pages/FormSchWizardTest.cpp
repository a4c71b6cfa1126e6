#include "pages/FormSchWizard.h"
#include "pages/FormProcessList.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace halvo;

namespace {

using World = WindowTestWorld<>;

QStringList entries(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

// A world and a new item with a shown wizard on it; prepare, when given, sets the clock or the item first.
struct NewWizard {
    explicit NewWizard(const std::function<void(World&, TScheduleItem&)>& prepare = nullptr) {
        if (prepare)
            prepare(world, item);
        w.SetScheduleItem(&item);
        w.SetIsNew(true);
        w.show();
    }
    World world;
    TScheduleItem item;
    TFormSchWizard w;
};

// A shown wizard on item, new or not.
struct Wizard {
    explicit Wizard(TScheduleItem& item, bool isNew) {
        w.SetScheduleItem(&item);
        w.SetIsNew(isNew);
        w.show();
    }
    TFormSchWizard w;
};

void choose(TFormSchWizard& w, const char* text) {
    w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(text));
    w.ComboBox1Change();
}

} // namespace

class FormSchWizardTest : public QObject {
    Q_OBJECT
private slots:
    void newWizardShowsItsPagesAndControls();
    void nameChecksAndTheNewNameClearedOnReturn();
    void taskChecksAndParameterControls();
    void buildTaskMakesAFreshTaskWithItsParameters();
    void browseForExecuteQuotesPathsWithBlanks();
    void browseForCloseProgramTakesThePickersChoice();
    void periodButtonsWriteThePeriodAndTodaysDefault();
    void timePageStoresDayAndDisplayText();
    void typedDayAndStoredDayAgree();
    void newWizardStartsTimePageFromEveryday();
    void prevAfterCompleteStillCompletesFromAnEarlierPage();
    void closeBoxIsCancelOnAnyPage();
    void editShowsTheItemAndKeepsItWhenPassedUnchanged();
    void editFillsAndShowsTheParameterControls();
    void editWithoutItemReportsTheError();
    void timeTextFollowsTheLocaleWithoutTimeZone();
};

void FormSchWizardTest::newWizardShowsItsPagesAndControls() {
    World world;
    TScheduleItem item;
    TFormSchWizard w;
    QCOMPARE(w.windowTitle(), QString("Wizard"));
    QVERIFY(w.ScheduleItem == nullptr);
    QCOMPARE(w.size(), QSize(400, 300));
    QCOMPARE(w.PageControl1->geometry(), QRect(0, 0, 400, 250));
    QCOMPARE(w.PageControl1->count(), 4);
    QCOMPARE(w.SpeedButton1->size(), QSize(90, 25));
    QCOMPARE(w.SpeedButton1->text(), QString("<<Prev"));
    QCOMPARE(w.SpeedButton2->text(), QString("Next>>"));
    QCOMPARE(w.SpeedButton3->text(), QString("Help"));
    QVERIFY(w.SpeedButton1->x() < w.SpeedButton2->x() && w.SpeedButton2->x() < w.SpeedButton3->x());
    QCOMPARE(w.Label1->text(), QString("Schedule Name:"));
    QCOMPARE(w.Label2->text(), QString("Select the task:"));
    QCOMPARE(entries(*w.ComboBox1),
             QStringList({"Shutdown the Computer", "Trun off the computer", "Restart the computer",
                          "Logoff user...", "Lock the workstation", "Start the screensaver",
                          "Close all the program", "Close program", "Execute", "Message",
                          "Sleep the computer", "Hibernate the computer"}));
    QVERIFY(!w.ComboBox1->isEditable());
    QCOMPARE(w.SpeedButton4->text(), QString());
    QCOMPARE(w.Memo1->toPlainText(), QString("\n"));
    QCOMPARE(w.GroupBox1->title(), QString("Time"));
    QCOMPARE(w.GroupBox2->title(), QString("Date"));
    QCOMPARE(w.Label3->text(), QString("Select the Time for schedule"));
    QCOMPARE(w.DateTimePicker1->time(), QTime(16, 14, 12));
    QCOMPARE(w.DateTimePicker1->displayFormat(), QString("HH:mm:ss"));
    QCOMPARE(w.RadioButton1->text(), QString("Once"));
    QCOMPARE(w.RadioButton2->text(), QString("everyday"));
    QCOMPARE(w.RadioButton3->text(), QString("Everyweek"));
    QCOMPARE(w.RadioButton4->text(), QString("Everymonth"));
    QCOMPARE(entries(*w.ComboBox2),
             QStringList({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QCOMPARE(entries(*w.ComboBox3), days);
    QVERIFY(w.ComboBox2->isEditable() && w.ComboBox3->isEditable());
    QVERIFY(w.DateTimePicker2->calendarPopup());
    QCOMPARE(w.Label4->text(), QString("complete."));
    QCOMPARE(w.findChild<QLineEdit*>("Edit_Para"), w.Edit_Para);

    w.SetScheduleItem(&item);
    w.SetIsNew(true);
    w.show();
    QCOMPARE(w.windowTitle(), QString("new schedule item"));
    QCOMPARE(w.ActivePage(), 0);
    QVERIFY(w.Edit1->text().isEmpty());
    QVERIFY(!w.SpeedButton1->isEnabled());
}

void FormSchWizardTest::nameChecksAndTheNewNameClearedOnReturn() {
    auto&& [world, item, w] = NewWizard();
    w.SpeedButton2->click();
    QCOMPARE(world.dialogs.messages, QStringList({"Schedule item name is null"}));
    QCOMPARE(w.ActivePage(), 0);

    w.Edit1->setText("   ");
    w.SpeedButton2->click();
    QCOMPARE(w.ActivePage(), 1);
    QCOMPARE(item.ItemName, std::string("   "));
    QVERIFY(w.SpeedButton1->isEnabled());

    w.SpeedButton1->click();
    QCOMPARE(w.ActivePage(), 0);
    QVERIFY(w.Edit1->text().isEmpty());
    QVERIFY(!w.SpeedButton1->isEnabled());
    w.SpeedButton2->click();
    QCOMPARE(world.dialogs.messages.size(), 2);
    QCOMPARE(w.ActivePage(), 0);
}

void FormSchWizardTest::taskChecksAndParameterControls() {
    auto&& [world, item, w] = NewWizard();
    w.Edit1->setText("x");
    w.SpeedButton2->click();
    QVERIFY(!w.Label_Para->isVisible() && !w.Edit_Para->isVisible() && !w.SpeedButton4->isVisible() &&
            !w.Memo1->isVisible());

    w.SpeedButton2->click();
    choose(w, "Execute");
    QVERIFY(w.Label_Para->isVisible() && w.Edit_Para->isVisible() && w.SpeedButton4->isVisible());
    QVERIFY(!w.Memo1->isVisible());
    QCOMPARE(w.Label_Para->text(), QString("select program"));
    QCOMPARE(w.SpeedButton4->text(), QString("Browse"));
    w.SpeedButton2->click();
    choose(w, "Close program");
    QCOMPARE(w.Label_Para->text(), QString("select program"));
    w.SpeedButton2->click();

    choose(w, "Message");
    QCOMPARE(w.Label_Para->text(), QString("message content:"));
    QVERIFY(w.Label_Para->isVisible() && w.Memo1->isVisible());
    QVERIFY(!w.Edit_Para->isVisible() && !w.SpeedButton4->isVisible());
    w.Memo1->clear();
    w.SpeedButton2->click();
    QCOMPARE(world.dialogs.messages, QStringList({"select a task", "please  select the parameter of the task",
                                                  "please  select the parameter of the task",
                                                  "please inpute the content of message"}));
    QCOMPARE(w.ActivePage(), 1);
    QVERIFY(!item.Task);

    choose(w, "Logoff user...");
    QVERIFY(!w.Label_Para->isVisible() && !w.Memo1->isVisible() && !w.Edit_Para->isVisible());

    // The untouched memo holds one empty line, which passes.
    choose(w, "Message");
    w.Memo1->setPlainText("\n");
    w.SpeedButton2->click();
    QCOMPARE(w.ActivePage(), 2);
    QCOMPARE(dynamic_cast<TMessageTask&>(*item.Task).Lines, std::vector<std::string>({""}));
}

void FormSchWizardTest::buildTaskMakesAFreshTaskWithItsParameters() {
    auto&& [world, item, w] = NewWizard([](World&, TScheduleItem& item) { item.UnknownTaskCode = 42; });
    choose(w, "Execute");
    w.Edit_Para->setText("/bin/true");
    w.BuildTask();
    const TTask* first = item.Task.get();
    QCOMPARE(first->Code, 8);
    QCOMPARE(dynamic_cast<const TExecuteTask*>(first)->CommandLine, std::string("/bin/true"));
    QVERIFY(!item.UnknownTaskCode);

    choose(w, "Close program"); // the box keeps its text when the entry changes
    w.ProcessId = 4321;
    w.BuildTask();
    auto& close = dynamic_cast<TCloseProgramTask&>(*item.Task);
    QCOMPARE(close.WindowText, std::string("/bin/true"));
    QCOMPARE(close.ProcessId, 4321u);

    choose(w, "Message");
    w.Memo1->setPlainText("one\ntwo\n\nfour");
    w.BuildTask();
    QCOMPARE(dynamic_cast<TMessageTask&>(*item.Task).Lines,
             std::vector<std::string>({"one", "two", "", "four"}));

    for (const TaskKind* kind : WizardListKinds()) {
        choose(w, kind->ListText);
        w.BuildTask();
        QCOMPARE(item.Task->Code, kind->Code);
    }
}

void FormSchWizardTest::browseForExecuteQuotesPathsWithBlanks() {
    // File dialogs answer with forward slashes; the box shows the system's own separators.
#ifdef Q_OS_WIN
    const QString spaced = "C:/My Tools/backup now", spacedShown = "C:\\My Tools\\backup now";
    const QString plain = "C:/Tools/rsync.exe", plainShown = "C:\\Tools\\rsync.exe";
#else
    const QString spaced = "/opt/My Tools/backup now", spacedShown = spaced;
    const QString plain = "/usr/bin/rsync", plainShown = plain;
#endif
    auto&& [world, item, w] = NewWizard();
    w.Edit1->setText("run");
    w.SpeedButton2->click();
    choose(w, "Execute");
    world.dialogs.files = {spaced, plain, ""};
    w.SpeedButton4->click();
    QCOMPARE(w.Edit_Para->text(), '"' + spacedShown + '"');
    // The task takes the quoted program whole, without parameters.
    const CommandLineParts parts = SplitCommandLine(w.Edit_Para->text().toStdString());
    QCOMPARE(parts.file, spacedShown.toStdString());
    QVERIFY(!parts.hasParameters);

    w.SpeedButton4->click();
    QCOMPARE(w.Edit_Para->text(), plainShown);
    w.SpeedButton4->click(); // cancelled: the box keeps its text
    QCOMPARE(w.Edit_Para->text(), plainShown);
    w.SpeedButton2->click();
    QCOMPARE(dynamic_cast<TExecuteTask&>(*item.Task).CommandLine, plainShown.toStdString());
    // Back on the task page the parameter is shown with the entry it belongs to.
    w.SpeedButton1->click();
    QVERIFY(w.Edit_Para->isVisible() && w.SpeedButton4->isVisible());
    QCOMPARE(w.Edit_Para->text(), plainShown);

    // For any other entry "Browse" does nothing.
    choose(w, "Message");
    w.SpeedButton4Click();
    QCOMPARE(world.dialogs.modalDialogs.size(), 0);
}

void FormSchWizardTest::browseForCloseProgramTakesThePickersChoice() {
    auto&& [world, item, w] = NewWizard([](World& world, TScheduleItem&) {
        world.platform.addWindow(1, "Mail", 555);
        world.platform.addWindow(2, "Desktop", 1);
        world.platform.addProcess(555, "/usr/bin/mail");
    });
    choose(w, "Close program");

    world.dialogs.modalHandlers.push_back([](QDialog& d) {
        auto& picker = dynamic_cast<TFormProcessList&>(d);
        picker.ListView1->topLevelItem(0)->setSelected(true);
        picker.SpeedButton2Click(); // Cancel
        return picker.result();
    });
    w.SpeedButton4->click();
    QVERIFY(w.Edit_Para->text().isEmpty());
    QCOMPARE(w.ProcessId, 0);

    world.dialogs.modalHandlers.push_back([](QDialog& d) {
        auto& picker = dynamic_cast<TFormProcessList&>(d);
        picker.ListView1->topLevelItem(0)->setSelected(true);
        picker.SpeedButton1Click();
        return picker.result();
    });
    w.SpeedButton4->click();
    QCOMPARE(w.Edit_Para->text(), QString("Mail"));
    QCOMPARE(w.ProcessId, 555);
    w.BuildTask();
    auto& task = dynamic_cast<TCloseProgramTask&>(*item.Task);
    QCOMPARE(task.WindowText, std::string("Mail"));
    QCOMPARE(task.ProcessId, 555u);
}

void FormSchWizardTest::periodButtonsWriteThePeriodAndTodaysDefault() {
    auto&& [world, item, w] = NewWizard([](World& world, TScheduleItem&) {
        world.platform.setNow(2026, 12, 9, 9, 0, 0); // a Wednesday
    });
    w.SetActivePage(TFormSchWizard::TimePage);
    QVERIFY(w.RadioButton2->isChecked());

    w.RadioButton3->click();
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryWeek); // at once, not on "Next>>"
    QCOMPARE(w.ComboBox2->currentText(), QString("Wednesday"));
    QVERIFY(w.ComboBox2->isEnabled() && !w.ComboBox3->isEnabled() && !w.DateTimePicker2->isEnabled());
    QVERIFY(!w.RadioButton2->isChecked());

    w.RadioButton4->click();
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryMonth);
    QCOMPARE(w.ComboBox3->currentText(), QString("9"));
    QVERIFY(!w.ComboBox2->isEnabled() && w.ComboBox3->isEnabled());

    w.RadioButton1->click();
    QCOMPARE(item.TimeRule.Period, TPeriod::Once);
    QCOMPARE(w.DateTimePicker2->date(), QDate(2026, 12, 9));
    QVERIFY(w.DateTimePicker2->isEnabled() && !w.ComboBox3->isEnabled());

    // Clicking the selected button runs nothing: the date stays as the user set it.
    w.DateTimePicker2->setDate(QDate(2027, 1, 2));
    w.RadioButton1->click();
    QCOMPARE(w.DateTimePicker2->date(), QDate(2027, 1, 2));

    w.ClearRadioButton();
    QVERIFY(!w.RadioButton1->isChecked() && !w.RadioButton2->isChecked() && !w.RadioButton3->isChecked() &&
            !w.RadioButton4->isChecked());
    QVERIFY(!w.DateTimePicker2->isEnabled() && !w.ComboBox2->isEnabled() && !w.ComboBox3->isEnabled());
    QCOMPARE(item.TimeRule.Period, TPeriod::Once);
    w.RadioButton2->click();
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryDay);
}

void FormSchWizardTest::timePageStoresDayAndDisplayText() {
    auto&& [world, item, w] = NewWizard([](World& world, TScheduleItem& item) {
        world.platform.setNow(2026, 12, 9, 9, 0, 0); // Wednesday the 9th
        item.TimeRule.CrossState = TCrossState::Passed;
    });
    w.SetActivePage(TFormSchWizard::TimePage);

    w.RadioButton3->click();
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Day, 4);
    QCOMPARE(item.TimeRule.DisplayText, std::string("16:14:12:EveryWeek:Wednesday"));
    QCOMPARE(item.TimeRule.TimeOfDay, EncodeTime(16, 14, 12));

    world.platform.setNow(2026, 12, 15, 9, 0, 0);
    w.SetActivePage(TFormSchWizard::TimePage);
    w.RadioButton4->click();
    QCOMPARE(w.ComboBox3->currentText(), QString("15"));
    w.DateTimePicker1->setTime(QTime(7, 5, 0));
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Day, 15);
    QCOMPARE(item.TimeRule.DisplayText, std::string("07:05:00:EveryMonth:15"));
    QCOMPARE(item.TimeRule.TimeOfDay, EncodeTime(7, 5, 0));

    w.SetActivePage(TFormSchWizard::TimePage);
    w.RadioButton1->click();
    w.DateTimePicker2->setDate(QDate(2027, 3, 1));
    w.DateTimePicker1->setTime(QTime(22, 30, 0));
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.OnceDate, EncodeDate(2027, 3, 1));
    QCOMPARE(item.TimeRule.DisplayText, std::string("22:30:00:Once:1 Mar 2027"));

    w.SetActivePage(TFormSchWizard::TimePage);
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryDay);
    QCOMPARE(item.TimeRule.DisplayText, std::string("22:30:00:EveryDay"));
    // The wizard never touches the detector's state or the flags.
    QCOMPARE(item.TimeRule.CrossState, TCrossState::Passed);
    QVERIFY(!item.Active && !item.Spare && !item.DueToday);
}

void FormSchWizardTest::typedDayAndStoredDayAgree() {
    auto&& [world, item, w] = NewWizard();
    w.SetActivePage(TFormSchWizard::TimePage);
    w.RadioButton3->click();
    w.ComboBox2->setEditText("Friday");
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Day, 6);
    QCOMPARE(item.TimeRule.DisplayText, std::string("16:14:12:EveryWeek:Friday"));

    w.SetActivePage(TFormSchWizard::TimePage);
    w.RadioButton4->click();
    w.ComboBox3->setEditText("32");
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Day, 0); // no such day: never due, and the text says what was typed
    QCOMPARE(item.TimeRule.DisplayText, std::string("16:14:12:EveryMonth:32"));
}

void FormSchWizardTest::newWizardStartsTimePageFromEveryday() {
    auto&& [world, item, w] = NewWizard();
    w.SetActivePage(TFormSchWizard::TimePage);
    w.RadioButton3->click();
    w.DateTimePicker1->setTime(QTime(5, 4, 3));
    w.SpeedButton2->click();
    w.SpeedButton1Click();
    QCOMPARE(w.ActivePage(), 2);
    QVERIFY(w.RadioButton2->isChecked());
    QVERIFY(!w.RadioButton3->isChecked() && !w.ComboBox2->isEnabled());
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryDay);
    QCOMPARE(w.DateTimePicker1->time(), QTime(5, 4, 3));
}

void FormSchWizardTest::prevAfterCompleteStillCompletesFromAnEarlierPage() {
    auto&& [world, item, w] = NewWizard();
    w.Edit1->setText("n");
    w.SpeedButton2->click();
    choose(w, "Restart the computer");
    w.SpeedButton2->click();
    w.SpeedButton2->click();
    QCOMPARE(w.ActivePage(), 3);
    QCOMPARE(w.SpeedButton2->text(), QString("Complete"));
    QCOMPARE(w.result(), 0);

    w.SpeedButton1->click();
    w.SpeedButton1->click();
    QCOMPARE(w.ActivePage(), 1);
    QCOMPARE(w.SpeedButton2->text(), QString("Complete"));
    QCOMPARE(item.Task->Code, 9);
    choose(w, "Shutdown the Computer");
    w.SpeedButton2->click();
    QCOMPARE(w.result(), 1);
    QVERIFY(!w.isVisible());
    QCOMPARE(item.Task->Code, 1);
    QCOMPARE(item.ItemName, std::string("n"));
}

void FormSchWizardTest::closeBoxIsCancelOnAnyPage() {
    World world;
    for (int page = 0; page < 4; ++page) {
        TScheduleItem item;
        Wizard wiz(item, true);
        wiz.w.SetActivePage(page);
        wiz.w.close();
        QCOMPARE(wiz.w.result(), 2);
    }
    // Through the modal run as the Schedule page does it.
    TScheduleItem item;
    TFormSchWizard w;
    w.SetScheduleItem(&item);
    w.SetIsNew(true);
    world.dialogs.modalHandlers.push_back([](QDialog& d) {
        d.show();
        d.reject();
        return d.result();
    });
    QCOMPARE(world.dialogs.RunModal(w), 2);
}

void FormSchWizardTest::editShowsTheItemAndKeepsItWhenPassedUnchanged() {
    World world;
    world.platform.setNow(2026, 12, 10, 9, 0, 0); // Thursday
    TScheduleItem item;
    item.ItemName = "Weekly restart";
    item.Task = TaskFromCode(9);
    item.TimeRule.Period = TPeriod::EveryWeek;
    item.TimeRule.Day = 2;
    item.TimeRule.TimeOfDay = EncodeTime(22, 30, 0);
    item.TimeRule.DisplayText = "10:30:00 PM:EveryWeek:Monday"; // made under another locale
    Wizard wiz(item, false);
    TFormSchWizard& w = wiz.w;
    QCOMPARE(w.windowTitle(), QString("modify the schedule item"));
    QCOMPARE(w.Edit1->text(), QString("Weekly restart"));
    w.SpeedButton2->click();
    QCOMPARE(w.ComboBox1->currentText(), QString("Restart the computer"));
    w.SpeedButton2->click();
    QVERIFY(w.RadioButton3->isChecked());
    QCOMPARE(w.ComboBox2->currentText(), QString("Monday"));
    QVERIFY(w.ComboBox2->isEnabled());
    QCOMPARE(w.DateTimePicker1->time(), QTime(22, 30, 0));
    w.SpeedButton2->click();
    QCOMPARE(item.TimeRule.Day, 2);
    QCOMPARE(item.TimeRule.Period, TPeriod::EveryWeek);
    QCOMPARE(item.TimeRule.DisplayText, std::string("22:30:00:EveryWeek:Monday"));
    w.SpeedButton2->click();
    QCOMPARE(w.result(), 1);

    TScheduleItem monthly;
    monthly.Task = TaskFromCode(1);
    monthly.ItemName = "m";
    monthly.TimeRule.Period = TPeriod::EveryMonth;
    monthly.TimeRule.Day = 31;
    Wizard m(monthly, false);
    m.w.SetActivePage(TFormSchWizard::TimePage);
    QVERIFY(m.w.RadioButton4->isChecked());
    QCOMPARE(m.w.ComboBox3->currentText(), QString("31"));

    TScheduleItem once;
    once.Task = TaskFromCode(6); // only a file can hold it: no entry is selected
    once.TimeRule.Period = TPeriod::Once;
    once.TimeRule.OnceDate = EncodeDate(2027, 2, 14);
    Wizard o(once, false);
    o.w.SetActivePage(TFormSchWizard::TaskPage);
    QCOMPARE(o.w.ComboBox1->currentIndex(), -1);
    o.w.SetActivePage(TFormSchWizard::TimePage);
    QVERIFY(o.w.RadioButton1->isChecked());
    QCOMPARE(o.w.DateTimePicker2->date(), QDate(2027, 2, 14));
}

void FormSchWizardTest::editFillsAndShowsTheParameterControls() {
    World world;
    TScheduleItem execute;
    execute.ItemName = "e";
    auto command = std::make_unique<TExecuteTask>();
    command->CommandLine = "\"/opt/my tools/sync\" --quiet";
    execute.Task = std::move(command);
    {
        Wizard wiz(execute, false);
        TFormSchWizard& w = wiz.w;
        w.SpeedButton2->click();
        QCOMPARE(w.ComboBox1->currentText(), QString("Execute"));
        QCOMPARE(w.Edit_Para->text(), QString("\"/opt/my tools/sync\" --quiet"));
        QVERIFY(w.Edit_Para->isVisible() && w.Label_Para->isVisible() && w.SpeedButton4->isVisible());
        w.SpeedButton2->click();
        QCOMPARE(dynamic_cast<TExecuteTask&>(*execute.Task).CommandLine,
                 std::string("\"/opt/my tools/sync\" --quiet"));
    }

    TScheduleItem message;
    message.ItemName = "m";
    auto text = std::make_unique<TMessageTask>();
    text->Lines = {"Time to go", "", "home"};
    message.Task = std::move(text);
    {
        Wizard wiz(message, false);
        TFormSchWizard& w = wiz.w;
        w.SpeedButton2->click();
        QVERIFY(w.Memo1->isVisible());
        QCOMPARE(w.MemoLines(), std::vector<std::string>({"Time to go", "", "home"}));
        w.SpeedButton2->click();
        QCOMPARE(dynamic_cast<TMessageTask&>(*message.Task).Lines,
                 std::vector<std::string>({"Time to go", "", "home"}));
    }

    TScheduleItem close;
    close.ItemName = "c";
    auto program = std::make_unique<TCloseProgramTask>();
    program->WindowText = "Mail";
    program->ProcessId = 3000000000u;
    close.Task = std::move(program);
    {
        Wizard wiz(close, false);
        TFormSchWizard& w = wiz.w;
        w.SpeedButton2->click();
        QCOMPARE(w.Edit_Para->text(), QString("Mail"));
        w.SpeedButton2->click();
        auto& task = dynamic_cast<TCloseProgramTask&>(*close.Task);
        QCOMPARE(task.WindowText, std::string("Mail"));
        QCOMPARE(task.ProcessId, 3000000000u);
    }
}

void FormSchWizardTest::editWithoutItemReportsTheError() {
    World world;
    TFormSchWizard w;
    w.SetIsNew(false);
    w.show();
    w.Edit1->setText("kept");
    w.SetActivePage(TFormSchWizard::SchNamePage);
    QCOMPARE(w.Edit1->text(), QString("kept"));
    w.SetActivePage(TFormSchWizard::TaskPage);
    w.SetActivePage(TFormSchWizard::TimePage);
    QCOMPARE(world.dialogs.errors, QStringList({"modify the scheduleItem,but _ScheduleItem=nil",
                                                "modify the scheduleItem,but _ScheduleItem=nil"}));
}

void FormSchWizardTest::timeTextFollowsTheLocaleWithoutTimeZone() {
    const QTime evening(22, 30, 0);
    QCOMPARE(TimeText(evening, QLocale(QLocale::English, QLocale::UnitedStates)), QString("10:30:00 PM"));
    QCOMPARE(TimeText(evening, QLocale(QLocale::German, QLocale::Germany)), QString("22:30:00"));
    QCOMPARE(TimeText(QTime(7, 5, 0), QLocale(QLocale::Chinese, QLocale::China)), QString("07:05:00"));
    QCOMPARE(WithoutTimeZone("HH 'h' mm 'min' ss 's' t"), QString("HH 'h' mm 'min' ss 's'"));
    QCOMPARE(WithoutTimeZone("h:mm:ss AP tttt"), QString("h:mm:ss AP"));
    QCOMPARE(TimeText(evening), QString("22:30:00"));
}

int main(int argc, char** argv) {
    // Display texts follow the locale; the expected ones are written for the C locale.
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    // Windows takes its locale from the user's settings, not from the environment.
    QLocale::setDefault(QLocale::c());
    FormSchWizardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormSchWizardTest.moc"
