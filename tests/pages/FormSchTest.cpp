#include "pages/FormSch.h"
#include "core/Reminders.h"
#include "core/ScheduleStore.h"
#include "core/Settings.h"
#include "pages/FormSchWizard.h"
#include "platform/IniFile.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/WindowTestSupport.h"
#include "toolkit/TimeFormat.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

using namespace halvo;

namespace {

// The fake platform, user interface and dialogs for one test, with the settings the schedule works on.
struct World : WindowTestWorld<> {
    Settings settings;
    RecordingReminders reminderService;
    Reminders reminders{reminderService};
    World() { setAutoSave(true); } // the schedule is stored; without it, the file is left alone
    void setAutoSave(bool on) {
        AppSettings values = settings.values();
        values.AutoSave = on;
        settings.Set(values);
    }
    ScheduleStore::Reports reports() {
        return {[](const std::string& text) { halvo::dialogs().Error(QString::fromStdString(text)); },
                [](const std::string& text) { halvo::dialogs().Notice(QString::fromStdString(text)); }};
    }

    std::string count() const {
        const auto it = platform.storedFiles.find(SettingsFile);
        if (it == platform.storedFiles.end())
            return "(no file)";
        return ini::GetValue(it->second, "schManager", "count").value_or("(no key)");
    }
    std::string schedule() const {
        const auto it = platform.storedFiles.find(ScheduleFile);
        return it == platform.storedFiles.end() ? "(no file)" : it->second;
    }
};

// One run of the program as the page sees it: the engine's schedule loaded at the start and stored at
// the end, the page on it.
struct Run {
    explicit Run(World& world)
        : store(world.settings, world.reminders, world.reports()), page((store.Load(), store)) {}
    ~Run() { store.StoreIfKept(); }
    ScheduleStore store;
    TFormSch page;
};

enum class Rule { Daily, Weekly, Monthly };

// What the user enters in the wizard, page by page.
struct Entry {
    Entry(QString name, QString task = "Shutdown the Computer", QString parameter = {}, QString memo = "\n",
          QTime time = QTime(22, 30, 0), Rule rule = Rule::Daily, int dayEntry = -1)
        : name(std::move(name)), task(std::move(task)), parameter(std::move(parameter)),
          memo(std::move(memo)), time(time), rule(rule), dayEntry(dayEntry) {}
    QString name;
    QString task; // the task list item
    QString parameter;
    QString memo;
    QTime time;
    Rule rule;
    int dayEntry; // ComboBox2 or ComboBox3 entry for the weekly and monthly rules
};

// Walks an "add" wizard through its four pages with the buttons, as a user does, and completes it.
int completeNew(QDialog& dialog, const Entry& entry) {
    auto& w = dynamic_cast<TFormSchWizard&>(dialog);
    w.show();
    w.Edit1->setText(entry.name);
    w.SpeedButton2->click();
    w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(entry.task));
    w.ComboBox1Change();
    if (!entry.parameter.isEmpty())
        w.Edit_Para->setText(entry.parameter);
    w.Memo1->setPlainText(entry.memo);
    w.SpeedButton2->click();
    w.DateTimePicker1->setTime(entry.time);
    switch (entry.rule) {
    case Rule::Daily:
        w.RadioButton2->click();
        break;
    case Rule::Weekly:
        w.RadioButton3->click();
        w.ComboBox2->setCurrentIndex(entry.dayEntry);
        break;
    case Rule::Monthly:
        w.RadioButton4->click();
        w.ComboBox3->setCurrentIndex(entry.dayEntry);
        break;
    }
    w.SpeedButton2->click();
    w.SpeedButton2->click(); // "Complete"
    return w.result();
}

QStringList rowTexts(const QTreeWidget& list, int row) {
    const QTreeWidgetItem* item = list.topLevelItem(row);
    return {item->text(0), item->text(1), item->text(2)};
}

int rowCount(const QTreeWidget& list) {
    return list.topLevelItemCount();
}

void addItem(World& world, TFormSch& page, const Entry& entry) {
    world.dialogs.modalHandlers.push_back([entry](QDialog& d) { return completeNew(d, entry); });
    page.SpeedButton1Click();
}

void selectRow(TFormSch& page, int row) {
    page.AdvListView1->topLevelItem(row)->setSelected(true);
}

// "modify" on a row that changes only the item's time, completed.
void modifyTime(World& world, TFormSch& page, int row, QTime time) {
    world.dialogs.modalHandlers.push_back([time](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        w.show();
        w.SpeedButton2->click();
        w.SpeedButton2->click();
        w.DateTimePicker1->setTime(time);
        w.SpeedButton2->click();
        w.SpeedButton2->click();
        return w.result();
    });
    page.AdvListView1->clearSelection();
    selectRow(page, row);
    page.SpeedButton2Click();
}

const QString CopiesKept = "Copies of the stored schedule, newest first:\n";

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

class FormSchTest : public QObject {
    Q_OBJECT
private slots:
    void listHasItsColumnsAndNoInPlaceEditing();
    void addThenCloseBoxLeavesScheduleAsBefore();
    void addThenCompleteAppendsRowAndStoresTheExactRecord();
    void deleteMiddleOfThreeThenModifyEditsTheFormerThird();
    void deleteAsksAndCancelKeepsEverything();
    void modifyThenCancelLeavesTheItem();
    void modifyWithoutParameterChangesKeepsCommandLineAndMessage();
    void modifyAndDeleteWithoutSelectionOnlyTellTheUser();
    void modifiedItemStartsOverAndNeverRunsAtOnce();
    void loadsAtCreationOnlyWithAutoSaveAndStoresAtDestruction();
    void withoutAutoSaveTheStoredScheduleStaysByteForByte();
    void loadFaultIsShownAndCompleteItemsStay();
    void firingStoresTheScheduleBeforeTheTaskRuns();
    void firingWithReminderRunsOnlyAfterOk();
    void storeFaultsAreReportedWithoutHoldingUpTheTask();
    void timerAimsJustPastTheNextSecond();
    void listKeysReachTheButtons();
};

void FormSchTest::listHasItsColumnsAndNoInPlaceEditing() {
    World world;
    auto&& [store, page] = Run(world);
    QTreeWidget& list = *page.AdvListView1;
    QCOMPARE(list.objectName(), QString("AdvListView1"));
    QCOMPARE(list.columnCount(), 4);
    QCOMPARE(list.headerItem()->text(0), QString("schedule name"));
    QCOMPARE(list.headerItem()->text(1), QString("Task"));
    QCOMPARE(list.headerItem()->text(2), QString("Time"));
    QCOMPARE(list.headerItem()->text(3), QString("Next run"));
    // "Next run" is read whole without scrolling in the page's size, with enough rows for a scroll bar.
    QVERIFY(!page.Timer1->isActive()); // hidden, the rows have nothing to tick for
    page.show();
    for (int row = 0; row < 30; ++row)
        addItem(world, page, Entry{"Night"});
    QCoreApplication::processEvents();
    const QString longest = QLocale().toString(QDate(2026, 12, 28), QLocale::ShortFormat) + ' ' +
                            QLocale().toString(QTime(22, 58, 58), LongTimeFormat(QLocale()));
    QVERIFY(list.header()->length() <= list.viewport()->width());
    QVERIFY(list.columnWidth(3) >= list.fontMetrics().horizontalAdvance(longest) + 8);
    for (int row = 0; row < 30; ++row) {
        list.setCurrentItem(list.topLevelItem(0));
        page.SpeedButton3Click();
    }
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!list.isSortingEnabled());
    QVERIFY(!list.header()->sectionsClickable());
    QCOMPARE(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(page.SpeedButton1->text(), QString("add"));
    QCOMPARE(page.SpeedButton2->text(), QString("modify"));
    QCOMPARE(page.SpeedButton3->text(), QString("delete"));
    QVERIFY(page.SpeedButton1->font().bold());
    QCOMPARE(page.findChild<QToolButton*>("SpeedButton3"), page.SpeedButton3);
    QVERIFY(page.Timer1->isActive()); // shown: the rows tick
    page.hide();
    QVERIFY(!page.Timer1->isActive());

    addItem(world, page, Entry{"Night"});
    QTreeWidgetItem* row = list.topLevelItem(0);
    QVERIFY(!(row->flags() & Qt::ItemIsEditable));
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    list.editItem(row, 0);
    QVERIFY(!list.viewport()->findChild<QLineEdit*>());
}

void FormSchTest::addThenCloseBoxLeavesScheduleAsBefore() {
    World world;
    auto&& [store, page] = Run(world);
    page.show();
    addItem(world, page, Entry{"First"});
    const std::string storedBefore = world.schedule();

    bool timerStopped = false;
    bool newItemUntouched = false;
    int countDuring = 0;
    bool newItemWithoutTask = false;
    QString caption;
    bool storedWhileOpen = false;
    std::string storedDuring;
    std::string countStoredDuring;
    world.dialogs.modalHandlers.push_back([&](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        timerStopped = !page.Timer1->isActive();
        // The planner's look while the wizard is open leaves the new item alone.
        page.Evaluate();
        newItemUntouched = !page.manager().Item(1).Active &&
                           page.manager().Item(1).TimeRule.CrossState == TCrossState::NotSeen;
        countDuring = page.manager().Count();
        newItemWithoutTask = w.ScheduleItem == &page.manager().Item(1) && !w.ScheduleItem->Task;
        w.show();
        caption = w.windowTitle();
        w.Edit1->setText("Second");
        w.SpeedButton2->click();
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText("Shutdown the Computer"));
        w.SpeedButton2->click(); // the item now has a task and a name
        // The session ends while the wizard is open: only confirmed items reach the file.
        storedWhileOpen = store.Store();
        storedDuring = world.schedule();
        countStoredDuring = world.count();
        w.close(); // the close box
        return w.result();
    });
    page.SpeedButton1Click();

    QVERIFY(storedWhileOpen);
    QCOMPARE(storedDuring, storedBefore);
    QCOMPARE(countStoredDuring, std::string("1"));
    QVERIFY(timerStopped);
    QVERIFY(newItemUntouched);
    QCOMPARE(caption, QString("new schedule item"));
    QCOMPARE(countDuring, 2);
    QVERIFY(newItemWithoutTask);
    QCOMPARE(page.manager().Count(), 1);
    QCOMPARE(page.manager().Item(0).ItemName, std::string("First"));
    QCOMPARE(rowCount(*page.AdvListView1), 1);
    QCOMPARE(world.schedule(), storedBefore);
    QVERIFY(page.Timer1->isActive());
}

void FormSchTest::addThenCompleteAppendsRowAndStoresTheExactRecord() {
    World world;
    auto&& [store, page] = Run(world);
    QCOMPARE(world.schedule(), std::string("(no file)"));
    addItem(world, page, Entry{"Night"});

    QCOMPARE(page.manager().Count(), 1);
    QCOMPARE(rowTexts(*page.AdvListView1, 0),
             QStringList({"Night", "shutdown the computer", "22:30:00:EveryDay"}));
    // Stored at once, not only at the end of the run: the item has not been evaluated yet.
    const QByteArray expected = QByteArray::fromHex("54504630"
                                                    "0D545363686564756C654974656D"
                                                    "00"
                                                    "0C5461736B50726F7065727479"
                                                    "0201"
                                                    "0E535054696D6550726F7065727479"
                                                    "061132323A33303A30303A4576657279446179"
                                                    "0200"
                                                    "0200"
                                                    "0200"
                                                    "110000000000000000"
                                                    "11000000000000EE3F"
                                                    "0D4F7468657250726F7065727479"
                                                    "080808"
                                                    "06054E69676874"
                                                    "0000");
    QCOMPARE(expected.size(), 118);
    QCOMPARE(bytes(world.schedule()), expected);
    QCOMPARE(world.count(), std::string("1"));

    addItem(
        world, page,
        Entry{"Weekly", "Execute", "\"/opt/my tools/backup\" --all", "\n", QTime(7, 5, 0), Rule::Weekly, 1});
    QCOMPARE(rowCount(*page.AdvListView1), 2);
    QCOMPARE(rowTexts(*page.AdvListView1, 1),
             QStringList({"Weekly", "execute the program", "07:05:00:EveryWeek:Monday"}));
    const TScheduleItem& last = page.manager().Item(1);
    QCOMPARE(last.TimeRule.Day, 2);
    QCOMPARE(dynamic_cast<const TExecuteTask&>(*last.Task).CommandLine,
             std::string("\"/opt/my tools/backup\" --all"));
    QCOMPARE(world.count(), std::string("2"));
    QVERIFY(bytes(world.schedule()).startsWith(expected));
}

void FormSchTest::deleteMiddleOfThreeThenModifyEditsTheFormerThird() {
    World world;
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"one"});
    addItem(world, page, Entry{"two", "Restart the computer"});
    addItem(world, page, Entry{"three", "Message", {}, "wake up\nnow\n"});

    selectRow(page, 1);
    page.SpeedButton3Click();
    QCOMPARE(world.dialogs.questions, QStringList({"information|do you want to delete it?"}));
    QCOMPARE(page.manager().Count(), 2);
    QCOMPARE(rowCount(*page.AdvListView1), 2);
    QCOMPARE(rowTexts(*page.AdvListView1, 0)[0], QString("one"));
    QCOMPARE(rowTexts(*page.AdvListView1, 1)[0], QString("three"));
    QCOMPARE(page.manager().Item(1).ItemName, std::string("three"));
    QCOMPARE(world.count(), std::string("2"));

    const TScheduleItem* itemThree = &page.manager().Item(1);
    QString nameShown;
    QString caption;
    const TScheduleItem* edited = nullptr;
    world.dialogs.modalHandlers.push_back([&](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        edited = w.ScheduleItem;
        w.show();
        caption = w.windowTitle();
        nameShown = w.Edit1->text();
        w.Edit1->setText("third");
        w.SpeedButton2->click();
        w.SpeedButton2->click(); // the message task as it was
        w.RadioButton4->click();
        w.ComboBox3->setCurrentIndex(14);
        w.SpeedButton2->click();
        w.SpeedButton2->click();
        return w.result();
    });
    selectRow(page, 1);
    page.SpeedButton2Click();

    QCOMPARE(caption, QString("modify the schedule item"));
    QCOMPARE(nameShown, QString("three"));
    QVERIFY(edited != itemThree); // a working copy, not the item itself
    QCOMPARE(page.manager().Count(), 2);
    QCOMPARE(&page.manager().Item(1), itemThree);
    QCOMPARE(itemThree->ItemName, std::string("third"));
    QCOMPARE(itemThree->TimeRule.Period, TPeriod::EveryMonth);
    QCOMPARE(itemThree->TimeRule.Day, 15);
    QCOMPARE(dynamic_cast<const TMessageTask&>(*itemThree->Task).Lines,
             std::vector<std::string>({"wake up", "now"}));
    QCOMPARE(page.manager().Item(0).ItemName, std::string("one"));
    // The row shows the item as it is now.
    QCOMPARE(rowTexts(*page.AdvListView1, 1),
             QStringList({"third", "alarm message", "22:30:00:EveryMonth:15"}));
    QCOMPARE(rowTexts(*page.AdvListView1, 0),
             QStringList({"one", "shutdown the computer", "22:30:00:EveryDay"}));
    QVERIFY(bytes(world.schedule()).contains("third"));
    QVERIFY(!bytes(world.schedule()).contains("two"));
}

void FormSchTest::deleteAsksAndCancelKeepsEverything() {
    World world;
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"keep"});
    const std::string stored = world.schedule();
    world.dialogs.answers = {2};
    selectRow(page, 0);
    page.SpeedButton3Click();
    QCOMPARE(world.dialogs.questions, QStringList({"information|do you want to delete it?"}));
    QCOMPARE(page.manager().Count(), 1);
    QCOMPARE(rowCount(*page.AdvListView1), 1);
    QCOMPARE(world.schedule(), stored);

    page.SpeedButton3Click(); // OK this time
    QCOMPARE(page.manager().Count(), 0);
    QCOMPARE(rowCount(*page.AdvListView1), 0);
    QCOMPARE(world.schedule(), std::string());
    QCOMPARE(world.count(), std::string("0"));
}

void FormSchTest::modifyThenCancelLeavesTheItem() {
    World world;
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"Night"});
    const std::string stored = world.schedule();
    world.platform.clearCalls();

    world.dialogs.modalHandlers.push_back([](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        w.show();
        w.Edit1->setText("Morning");
        w.SpeedButton2->click();
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText("Restart the computer"));
        w.SpeedButton2->click();
        w.DateTimePicker1->setTime(QTime(6, 0, 0));
        w.SpeedButton2->click();
        // The copy holds every change by now.
        if (w.ScheduleItem->ItemName != "Morning" || w.ScheduleItem->Task->Code != 9)
            return 0;
        w.close();
        return w.result();
    });
    selectRow(page, 0);
    page.SpeedButton2Click();

    QCOMPARE(world.dialogs.modalDialogs.size(), 2);
    const TScheduleItem& item = page.manager().Item(0);
    QCOMPARE(item.ItemName, std::string("Night"));
    QCOMPARE(item.Task->Code, 1);
    QCOMPARE(item.TimeRule.DisplayText, std::string("22:30:00:EveryDay"));
    QCOMPARE(rowTexts(*page.AdvListView1, 0),
             QStringList({"Night", "shutdown the computer", "22:30:00:EveryDay"}));
    QCOMPARE(world.schedule(), stored);
    QVERIFY(world.platform.callsStartingWith("write [").empty());
}

void FormSchTest::modifyWithoutParameterChangesKeepsCommandLineAndMessage() {
    World world;
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"run", "Execute", "\"/opt/my tools/backup\" --all"});
    addItem(world, page, Entry{"say", "Message", {}, "line one\n\nline three\n"});
    auto passThrough = [](QDialog& d) {
        auto& w = dynamic_cast<TFormSchWizard&>(d);
        w.show();
        for (int page = 0; page < 4; ++page)
            w.SpeedButton2->click();
        return w.result();
    };
    world.dialogs.modalHandlers.push_back(passThrough);
    selectRow(page, 0);
    page.SpeedButton2Click();
    world.dialogs.modalHandlers.push_back(passThrough);
    page.AdvListView1->clearSelection();
    selectRow(page, 1);
    page.SpeedButton2Click();

    QCOMPARE(dynamic_cast<const TExecuteTask&>(*page.manager().Item(0).Task).CommandLine,
             std::string("\"/opt/my tools/backup\" --all"));
    QCOMPARE(dynamic_cast<const TMessageTask&>(*page.manager().Item(1).Task).Lines,
             std::vector<std::string>({"line one", "", "line three"}));
}

void FormSchTest::modifyAndDeleteWithoutSelectionOnlyTellTheUser() {
    World world;
    auto&& [store, page] = Run(world);
    page.SpeedButton2Click();
    page.SpeedButton3Click();
    addItem(world, page, Entry{"only"});
    page.AdvListView1->clearSelection();
    page.SpeedButton2Click();
    page.SpeedButton3Click();
    QCOMPARE(world.dialogs.messages, QStringList({"please select item", "please select a item",
                                                  "please select item", "please select a item"}));
    QVERIFY(world.dialogs.questions.isEmpty());
    QCOMPARE(world.dialogs.modalDialogs.size(), 1); // only the wizard of "add"
    QCOMPARE(page.manager().Count(), 1);
}

void FormSchTest::modifiedItemStartsOverAndNeverRunsAtOnce() {
    World world;
    world.platform.setNow(2026, 12, 8, 22, 29, 59, 3);
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"backup", "Execute", "/usr/bin/backup", "\n", QTime(22, 30, 0)});
    page.Timer1Timer();
    world.platform.setNow(2026, 12, 8, 22, 30, 0, 3);
    page.Timer1Timer();
    QCOMPARE(world.platform.callsStartingWith("run ").size(), std::size_t(1));

    // Moved to a time that has passed already: nothing runs.
    world.platform.setNow(2026, 12, 8, 22, 45, 0, 3);
    modifyTime(world, page, 0, QTime(22, 40, 0));
    QCOMPARE(page.manager().Item(0).TimeRule.CrossState, TCrossState::NotSeen);
    page.Timer1Timer();
    world.platform.advanceMilliseconds(1000);
    page.Timer1Timer();
    QCOMPARE(page.manager().Item(0).TimeRule.CrossState, TCrossState::Passed);
    QCOMPARE(world.platform.callsStartingWith("run ").size(), std::size_t(1));

    // Moved to a time still to come: it runs then, although it ran today.
    modifyTime(world, page, 0, QTime(23, 0, 0));
    page.Timer1Timer();
    world.platform.setNow(2026, 12, 8, 23, 0, 0, 3);
    page.Timer1Timer();
    QCOMPARE(world.platform.callsStartingWith("run ").size(), std::size_t(2));
    QCOMPARE(rowTexts(*page.AdvListView1, 0)[2], QString("23:00:00:EveryDay"));
}

void FormSchTest::loadsAtCreationOnlyWithAutoSaveAndStoresAtDestruction() {
    World world;
    {
        auto&& [store, page] = Run(world);
        addItem(world, page, Entry{"a"});
        addItem(world, page, Entry{"b", "Lock the workstation"});
        // A change the wizard does not make reaches the file at the latest when the page goes.
        page.manager().Item(1).Spare = true;
    }
    QCOMPARE(world.count(), std::string("2"));

    auto&& [store, page] = Run(world);
    QCOMPARE(page.manager().Count(), 2);
    QCOMPARE(rowTexts(*page.AdvListView1, 0),
             QStringList({"a", "shutdown the computer", "22:30:00:EveryDay"}));
    QCOMPARE(rowTexts(*page.AdvListView1, 1),
             QStringList({"b", "lock the workstation", "22:30:00:EveryDay"}));
    QVERIFY(page.manager().Item(1).Spare);
    QVERIFY(world.dialogs.errors.isEmpty());
    QVERIFY(world.ui.popups.empty());
}

void FormSchTest::withoutAutoSaveTheStoredScheduleStaysByteForByte() {
    World world;
    world.platform.setNow(2026, 12, 8, 22, 29, 59, 3);
    {
        auto&& [store, page] = Run(world);
        addItem(world, page, Entry{"a"});
        addItem(world, page, Entry{"b", "Lock the workstation"});
    }
    const std::string stored = world.schedule();
    const std::string settings = world.platform.storedFiles[SettingsFile];
    world.platform.clearCalls();

    // A run without AutoSave: nothing is read, and adding, deleting, firing and ending write nothing.
    world.setAutoSave(false);
    {
        auto&& [store, page] = Run(world);
        QCOMPARE(page.manager().Count(), 0);
        addItem(world, page, Entry{"c", "Execute", "/usr/bin/true", "\n", QTime(22, 30, 0)});
        addItem(world, page, Entry{"d"});
        selectRow(page, 1);
        page.SpeedButton3Click();
        page.Timer1Timer();
        world.platform.setNow(2026, 12, 8, 22, 30, 0, 3);
        page.Timer1Timer();
        QCOMPARE(world.platform.callsStartingWith("run ").size(), std::size_t(1));
        QVERIFY(store.Store()); // the session ends
    }
    QCOMPARE(world.schedule(), stored);
    QCOMPARE(world.platform.storedFiles[SettingsFile], settings);
    QVERIFY(world.platform.callsStartingWith("write [").empty());
    QVERIFY(!world.platform.storedFiles.count(ScheduleFile + ".bak"));

    // Turned on in a run that did not load the file: the stored file is kept before it is replaced, and
    // the user is told once.
    {
        auto&& [store, page] = Run(world);
        addItem(world, page, Entry{"e"});
        QCOMPARE(world.schedule(), stored);
        world.setAutoSave(true);
        QVERIFY(store.Store()); // what "Set" does
        QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak"], stored);
        QCOMPARE(world.count(), std::string("1"));
        QCOMPARE(
            world.dialogs.notices,
            QStringList({CopiesKept + "/opt/halvo/sch.cks.bak: 2 items, the file as this run found it"}));
        addItem(world, page, Entry{"f"});
        QCOMPARE(world.count(), std::string("2"));
    }
    QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak"], stored);
    QCOMPARE(world.dialogs.notices.size(), 1);
    QVERIFY(world.dialogs.errors.isEmpty());

    auto&& [store, page] = Run(world);
    QCOMPARE(rowTexts(*page.AdvListView1, 1)[0], QString("f"));
}

void FormSchTest::loadFaultIsShownAndCompleteItemsStay() {
    World world;
    {
        auto&& [store, page] = Run(world);
        addItem(world, page, Entry{"whole"});
    }
    const std::string one = world.schedule();
    world.platform.storedFiles[ScheduleFile] += "XXXX and more";
    world.platform.writeKey(SettingsFile, "schManager", "count", "2");
    const std::string damaged = world.schedule();

    {
        auto&& [store, page] = Run(world);
        // The fault's own text, and where the file that could not be read was kept, in a message that
        // holds nothing up.
        QCOMPARE(world.dialogs.notices,
                 QStringList({"Invalid stream format\n\n" + CopiesKept +
                              "/opt/halvo/sch.cks.bak: 1 item and a part that cannot be read, the file as "
                              "this run found it"}));
        QVERIFY(world.dialogs.errors.isEmpty());
        QCOMPARE(page.manager().Count(), 1);
        QCOMPARE(rowCount(*page.AdvListView1), 1);
        QCOMPARE(rowTexts(*page.AdvListView1, 0)[0], QString("whole"));
        page.show();
        QVERIFY(page.Timer1->isActive());
        QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak"], damaged);
        QVERIFY(world.ui.popups.empty());
    }

    world.platform.unreadableFiles.insert(ScheduleFile);
    world.dialogs.notices.clear();
    {
        Run runSecond(world);
        TFormSch& second = runSecond.page;
        QCOMPARE(world.dialogs.notices,
                 QStringList({"Cannot open file \"/opt/halvo/sch.cks\". Access is denied"}));
        QCOMPARE(second.manager().Count(), 0);
        world.platform.unreadableFiles.clear();
        world.dialogs.notices.clear();
    }
    // Its first store kept the file it could not open, and said so then; the earlier copy moved back.
    QCOMPARE(world.dialogs.notices,
             QStringList({CopiesKept + "/opt/halvo/sch.cks.bak: 1 item, the file as this run found it\n"
                                       "/opt/halvo/sch.cks.bak.1: 1 item and a part that cannot be read, an "
                                       "earlier copy"}));
    QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak"], one);
    QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak.1"], damaged);

    // Whole records beyond the count all load; the user hears once that the count is set right.
    world.platform.storedFiles[ScheduleFile] = one + one + one;
    world.platform.writeKey(SettingsFile, "schManager", "count", "1");
    world.dialogs.notices.clear();
    {
        Run runCounted(world);
        TFormSch& counted = runCounted.page;
        QCOMPARE(counted.manager().Count(), 3);
        QCOMPARE(
            world.dialogs.notices,
            QStringList({"The schedule file /opt/halvo/sch.cks holds 3 items, but /opt/halvo/setting.ini "
                         "counted 1. All of them were loaded, and the count is set right when the "
                         "schedule is next stored."}));
    }
    QCOMPARE(world.count(), std::string("3"));
    QCOMPARE(world.schedule(), one + one + one);
    Run runAgain(world);
    QCOMPARE(world.dialogs.notices.size(), 1);
    QVERIFY(world.dialogs.errors.isEmpty());
    QCOMPARE(world.platform.storedFiles[ScheduleFile + ".bak"], one);
}

void FormSchTest::firingStoresTheScheduleBeforeTheTaskRuns() {
    World world;
    world.platform.setNow(2026, 12, 8, 22, 29, 58, 500);
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"backup", "Execute", "/usr/bin/backup --now", "\n", QTime(22, 30, 0)});
    page.Timer1Timer(); // the time still lies ahead
    QCOMPARE(page.manager().Item(0).TimeRule.CrossState, TCrossState::Ahead);
    world.platform.clearCalls();

    world.platform.setNow(2026, 12, 8, 22, 30, 0, 3);
    page.Timer1Timer();

    const std::vector<std::string> expected = {
        "write [schManager] count = \"1\" to \"/opt/halvo/setting.ini\"",
        "run \"/usr/bin/backup\" with \"--now\""};
    QCOMPARE(world.platform.calls, expected);
    // On disk the item has passed its time, so a start after a forced shutdown does not fire it again.
    const std::string stored = world.schedule();
    const std::string passed = std::string("\x02\x02\x02\x00", 4); // CrossState 2, Period 0
    QVERIFY(stored.find(std::string("EveryDay") + passed) != std::string::npos);

    world.platform.clearCalls();
    world.platform.advanceMilliseconds(1000);
    page.Timer1Timer();
    QVERIFY(world.platform.calls.empty());
}

void FormSchTest::firingWithReminderRunsOnlyAfterOk() {
    World world;
    AppSettings values = world.settings.values();
    values.Remind = true;
    world.settings.Set(values);
    world.platform.setNow(2026, 12, 8, 7, 59, 59, 0);
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"wake", "Execute", "/usr/bin/alarm", "\n", QTime(8, 0, 0)});
    addItem(world, page, Entry{"lock", "Lock the workstation", {}, "\n", QTime(8, 0, 0)});
    page.Timer1Timer();

    std::string storedWhenAsked;
    QStringList labels;
    world.reminderService.script.push_back([&](const ReminderRequest& request) {
        storedWhenAsked = world.schedule();
        labels << QString::fromStdString(request.label);
        return ReminderAnswer::Cancel; // the first item's task does not run
    });
    world.reminderService.script.push_back([&](const ReminderRequest& request) {
        labels << QString::fromStdString(request.label);
        return ReminderAnswer::Execute;
    });
    world.platform.clearCalls();
    world.platform.setNow(2026, 12, 8, 8, 0, 0, 4);
    page.Timer1Timer();

    QCOMPARE(labels, QStringList({"execute the program", "lock the workstation"}));
    QVERIFY(storedWhenAsked.find(std::string("EveryDay\x02\x02", 10)) != std::string::npos);
    QVERIFY(world.platform.callsStartingWith("run ").empty());
    QCOMPARE(world.platform.callsStartingWith("lock").size(), std::size_t(1));
}

void FormSchTest::storeFaultsAreReportedWithoutHoldingUpTheTask() {
    World world;
    world.platform.unwritableFiles.insert(ScheduleFile);
    world.platform.setNow(2026, 12, 8, 11, 59, 59, 0);
    auto&& [store, page] = Run(world);
    addItem(world, page, Entry{"noon", "Execute", "/usr/bin/lunch", "\n", QTime(12, 0, 0)});
    const QString fault = "Cannot create file \"/opt/halvo/sch.cks\". Access is denied";
    QCOMPARE(world.dialogs.errors, QStringList({fault}));
    QCOMPARE(rowCount(*page.AdvListView1), 1); // the item is in the schedule all the same
    QVERIFY(!store.Store());
    QCOMPARE(world.dialogs.errors.size(), 2);

    page.Timer1Timer();
    world.platform.setNow(2026, 12, 8, 12, 0, 0, 2);
    page.Timer1Timer();
    QCOMPARE(world.dialogs.errors.size(), 2); // no box in the way of the task
    QCOMPARE(world.platform.callsStartingWith("run ").size(), std::size_t(1));
    QCOMPARE(world.dialogs.notices, QStringList({fault}));
}

void FormSchTest::timerAimsJustPastTheNextSecond() {
    World world;
    world.platform.setNow(2026, 12, 8, 10, 0, 0, 250);
    auto&& [store, page] = Run(world);
    QVERIFY(!page.Timer1->isActive()); // hidden, its rows have nothing to show
    page.show();
    QVERIFY(page.Timer1->isActive());
    QCOMPARE(page.Timer1->timerType(), Qt::PreciseTimer);
    QCOMPARE(page.Timer1->interval(), 753);
    world.platform.setNow(2026, 12, 8, 10, 0, 1, 2);
    QMetaObject::invokeMethod(page.Timer1, "timeout"); // what the timer does when it runs out
    QCOMPARE(page.Timer1->interval(), 1001);
    world.platform.setNow(2026, 12, 8, 10, 0, 1, 999); // woken a little early
    page.StartTimer1();
    QCOMPARE(page.Timer1->interval(), 4);
}

void FormSchTest::listKeysReachTheButtons() {
    World world;
    auto&& [store, page] = Run(world);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QCOMPARE(QApplication::focusWidget(), page.AdvListView1);

    world.dialogs.modalHandlers.push_back([](QDialog& d) { return completeNew(d, Entry{"by key"}); });
    QTest::keyClick(page.AdvListView1, Qt::Key_Insert);
    QCOMPARE(page.manager().Count(), 1);
    page.AdvListView1->setCurrentItem(page.AdvListView1->topLevelItem(0));

    QString caption;
    world.dialogs.modalHandlers.push_back([&](QDialog& d) {
        d.show();
        caption = d.windowTitle();
        return 2;
    });
    QTest::keyClick(page.AdvListView1, Qt::Key_Return);
    QCOMPARE(caption, QString("modify the schedule item"));

    world.dialogs.answers = {2};
    QTest::keyClick(page.AdvListView1, Qt::Key_Delete);
    QCOMPARE(world.dialogs.questions, QStringList({"information|do you want to delete it?"}));
    QCOMPARE(page.manager().Count(), 1);
}

int main(int argc, char** argv) {
    // Display texts follow the locale; the expected ones are written for the C locale.
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    // Windows takes its locale from the user's settings, not from the environment.
    QLocale::setDefault(QLocale::c());
    FormSchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormSchTest.moc"
