#include "pages/FormProcessList.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace halvo;

namespace {

using World = WindowTestWorld<>;

QStringList rows(const QTreeWidget& list) {
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << list.topLevelItem(i)->text(0) + "|" + list.topLevelItem(i)->text(1);
    return out;
}

} // namespace

class FormProcessListTest : public QObject {
    Q_OBJECT
private slots:
    void listHasItsColumnsAndButtons();
    void fewerThanTwoWindowsGiveAnEmptyList();
    void oneRowPerRunEndUnderItsLastTitle();
    void processesThatCannotBeLookedIntoAreLeftOut();
    void ownWindowsAreNotOffered();
    void okHandsOverTheSelectedRow();
    void okWithoutSelectionTellsTheUserAndStaysOpen();
    void cancelAndCloseBoxHandOverNothing();
};

void FormProcessListTest::listHasItsColumnsAndButtons() {
    World world;
    TFormProcessList picker;
    QCOMPARE(picker.ListView1->columnCount(), 2);
    QCOMPARE(picker.ListView1->headerItem()->text(0), QString("window"));
    QCOMPARE(picker.ListView1->headerItem()->text(1), QString("processId"));
    QCOMPARE(picker.ListView1->columnWidth(0), 150);
    QCOMPARE(picker.ListView1->columnWidth(1), 100);
    QCOMPARE(picker.ListView1->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(picker.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(picker.SpeedButton1->text(), QString("OK"));
    QCOMPARE(picker.SpeedButton2->text(), QString("Cancel"));
    QCOMPARE(picker.findChild<QTreeWidget*>("ListView1"), picker.ListView1);
    QCOMPARE(picker.SelectedProcessId, 0u);
}

void FormProcessListTest::fewerThanTwoWindowsGiveAnEmptyList() {
    World world;
    world.platform.addProcess(10, "/usr/bin/editor");
    {
        TFormProcessList picker;
        QCOMPARE(picker.ListView1->topLevelItemCount(), 0);
    }
    world.platform.addWindow(1, "Editor", 10);
    world.platform.clearCalls();
    TFormProcessList picker;
    QCOMPARE(picker.ListView1->topLevelItemCount(), 0);
    QVERIFY(world.platform.calls.empty());
}

void FormProcessListTest::oneRowPerRunEndUnderItsLastTitle() {
    World world;
    // A, A, B, A, C: rows for A (its second title), B and A again; C, being last, is never offered.
    world.platform.addWindow(1, "A one", 100);
    world.platform.addWindow(2, "A two", 100);
    world.platform.addWindow(3, "B", 200);
    world.platform.addWindow(4, "A three", 100);
    world.platform.addWindow(5, "C", 300);
    world.platform.addProcess(100, "/usr/bin/a");
    world.platform.addProcess(200, "/usr/bin/b");
    world.platform.addProcess(300, "/usr/bin/c");
    world.platform.clearCalls();
    TFormProcessList picker;
    QCOMPARE(rows(*picker.ListView1), QStringList({"A two|100", "B|200", "A three|100"}));

    // Each run end's process is looked into once per row; nothing is ended.
    QCOMPARE(lines(world.platform.calls),
             lines({"look into process 100", "look into process 200", "look into process 100"}));
}

void FormProcessListTest::processesThatCannotBeLookedIntoAreLeftOut() {
    World world;
    world.platform.addWindow(1, "System", 1);
    world.platform.addWindow(2, "Other user", 2);
    world.platform.addWindow(3, "No module", 3);
    world.platform.addWindow(4, "Mine", 4);
    world.platform.addWindow(5, "Last", 5);
    world.platform.addProcess(2); // cannot be looked into
    world.platform.addProcess(4, "/usr/bin/mine");
    TFormProcessList picker;
    QCOMPARE(rows(*picker.ListView1), QStringList({"Mine|4"}));
}

void FormProcessListTest::ownWindowsAreNotOffered() {
    World world;
    const std::uint32_t own = world.platform.currentProcessId;
    world.platform.addWindow(1, "Editor", 100);
    world.platform.addWindow(2, "Halvo ShutDown", own);
    world.platform.addWindow(3, "Terminal", 200);
    world.platform.addWindow(4, "Time to go", own); // an alarm message of ours
    world.platform.addWindow(5, "Desktop", 300);
    world.platform.addProcess(100, "/usr/bin/editor");
    world.platform.addProcess(200, "/usr/bin/xterm");
    world.platform.addProcess(own, "/opt/halvo/halvo-shutdown");
    world.platform.clearCalls();
    TFormProcessList picker;
    QCOMPARE(rows(*picker.ListView1), QStringList({"Editor|100", "Terminal|200"}));
    QCOMPARE(lines(world.platform.calls), lines({"look into process 100", "look into process 200"}));
}

void FormProcessListTest::okHandsOverTheSelectedRow() {
    World world;
    world.platform.addWindow(1, "Report.odt - Writer", 1234);
    world.platform.addWindow(2, "Terminal", 77);
    world.platform.addWindow(3, "Desktop", 1);
    world.platform.addProcess(1234, "/usr/lib/office/soffice.bin");
    world.platform.addProcess(77, "/usr/bin/xterm");
    TFormProcessList picker;
    picker.show();
    picker.ListView1->topLevelItem(0)->setSelected(true);
    picker.SpeedButton1->click();
    QCOMPARE(picker.result(), 1);
    QCOMPARE(picker.SelectedProcessId, 1234u);
    QCOMPARE(picker.SelectedWindowText, std::string("Report.odt - Writer"));
    QVERIFY(world.dialogs.messages.isEmpty());
}

void FormProcessListTest::okWithoutSelectionTellsTheUserAndStaysOpen() {
    World world;
    world.platform.addWindow(1, "Terminal", 77);
    world.platform.addWindow(2, "Desktop", 1);
    world.platform.addProcess(77, "/usr/bin/xterm");
    TFormProcessList picker;
    picker.show();
    picker.SpeedButton1Click();
    QCOMPARE(world.dialogs.messages, QStringList({"please select item first"}));
    QVERIFY(picker.isVisible());
    QCOMPARE(picker.result(), 0);
    QCOMPARE(picker.SelectedProcessId, 0u);
    QVERIFY(picker.SelectedWindowText.empty());
}

void FormProcessListTest::cancelAndCloseBoxHandOverNothing() {
    World world;
    world.platform.addWindow(1, "Terminal", 77);
    world.platform.addWindow(2, "Desktop", 1);
    world.platform.addProcess(77, "/usr/bin/xterm");
    {
        TFormProcessList picker;
        picker.show();
        picker.ListView1->topLevelItem(0)->setSelected(true);
        picker.SpeedButton2->click();
        QCOMPARE(picker.result(), 2);
        QCOMPARE(picker.SelectedProcessId, 0u);
        QVERIFY(picker.SelectedWindowText.empty());
    }
    TFormProcessList picker;
    picker.show();
    picker.ListView1->topLevelItem(0)->setSelected(true);
    picker.close();
    QCOMPARE(picker.result(), 2);
    QCOMPARE(picker.SelectedProcessId, 0u);
}

QTEST_MAIN(FormProcessListTest)
#include "FormProcessListTest.moc"
