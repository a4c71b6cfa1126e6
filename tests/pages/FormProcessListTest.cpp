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
    void whichWindowsAreOffered();
    void onlyOkOnASelectedRowHandsItOver();
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

// Which windows are offered: a row for each run of windows of one process, under the run's last title;
// never the last window (the desktop), a process that cannot be looked into, or the program's own. Each run
// end's process is looked into once per row; nothing is ended.
void FormProcessListTest::whichWindowsAreOffered() {
    const std::uint32_t Ours = 0; // stands for the program's own process
    struct Window {
        const char* title;
        std::uint32_t process;
    };
    struct Process {
        std::uint32_t id;
        std::string programFile; // empty: cannot be looked into
    };
    struct Case {
        const char* name;
        std::vector<Window> windows;
        std::vector<Process> processes;
        QStringList rows;
        std::vector<std::string> lookedInto; // empty: not compared
    };
    const std::vector<Case> cases = {
        {"A, A, B, A, C: A under its second title, B and A again; C, being last, never",
         {{"A one", 100}, {"A two", 100}, {"B", 200}, {"A three", 100}, {"C", 300}},
         {{100, "/usr/bin/a"}, {200, "/usr/bin/b"}, {300, "/usr/bin/c"}},
         {"A two|100", "B|200", "A three|100"},
         {"look into process 100", "look into process 200", "look into process 100"}},
        {"processes that cannot be looked into are left out",
         {{"System", 1}, {"Other user", 2}, {"No module", 3}, {"Mine", 4}, {"Last", 5}},
         {{2, ""}, {4, "/usr/bin/mine"}},
         {"Mine|4"},
         {}},
        {"the program's own windows, an alarm message among them, are not offered",
         {{"Editor", 100},
          {"Halvo ShutDown", Ours},
          {"Terminal", 200},
          {"Time to go", Ours},
          {"Desktop", 300}},
         {{100, "/usr/bin/editor"}, {200, "/usr/bin/xterm"}, {Ours, "/opt/halvo/halvo-shutdown"}},
         {"Editor|100", "Terminal|200"},
         {"look into process 100", "look into process 200"}},
    };
    for (const Case& c : cases) {
        World world;
        const auto process = [&world](std::uint32_t id) {
            return id == Ours ? world.platform.currentProcessId : id;
        };
        WindowId window = 0;
        for (const Window& w : c.windows)
            world.platform.addWindow(++window, w.title, process(w.process));
        for (const Process& p : c.processes)
            world.platform.addProcess(process(p.id), p.programFile);
        world.platform.clearCalls();
        TFormProcessList picker;
        QCOMPARE(rows(*picker.ListView1), c.rows);
        if (!c.lookedInto.empty())
            QCOMPARE(lines(world.platform.calls), lines(c.lookedInto));
    }
}

// However the picker is left, only OK on a selected row hands that row over; OK without one asks for it,
// and the picker stays open.
void FormProcessListTest::onlyOkOnASelectedRowHandsItOver() {
    enum class Leave { Ok, Cancel, CloseBox };
    struct Case {
        const char* name;
        bool select; // the first row
        Leave leave;
        int result;
        std::uint32_t processId;
        std::string windowText;
        QStringList messages;
        bool stillShown;
    };
    const std::vector<Case> cases = {
        {"OK on a row", true, Leave::Ok, 1, 1234, "Report.odt - Writer", {}, false},
        {"OK without a row", false, Leave::Ok, 0, 0, "", {"please select item first"}, true},
        {"Cancel", true, Leave::Cancel, 2, 0, "", {}, false},
        {"the close box", true, Leave::CloseBox, 2, 0, "", {}, false},
    };
    for (const Case& c : cases) {
        World world;
        world.platform.addWindow(1, "Report.odt - Writer", 1234);
        world.platform.addWindow(2, "Terminal", 77);
        world.platform.addWindow(3, "Desktop", 1);
        world.platform.addProcess(1234, "/usr/lib/office/soffice.bin");
        world.platform.addProcess(77, "/usr/bin/xterm");
        TFormProcessList picker;
        picker.show();
        if (c.select)
            picker.ListView1->topLevelItem(0)->setSelected(true);
        switch (c.leave) {
        case Leave::Ok:
            picker.SpeedButton1->click();
            break;
        case Leave::Cancel:
            picker.SpeedButton2->click();
            break;
        case Leave::CloseBox:
            picker.close();
            break;
        }
        QVERIFY2(picker.result() == c.result, c.name);
        QVERIFY2(picker.SelectedProcessId == c.processId, c.name);
        QVERIFY2(picker.SelectedWindowText == c.windowText, c.name);
        QVERIFY2(world.dialogs.messages == c.messages, c.name);
        QVERIFY2(picker.isVisible() == c.stillShown, c.name);
    }
}

QTEST_MAIN(FormProcessListTest)
#include "FormProcessListTest.moc"
