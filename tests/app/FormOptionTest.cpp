#include "app/FormOption.h"
#include "app/FormCtrl.h"
#include "app/QuickActionsDialog.h"
#include "core/Settings.h"
#include "tests/helpers/ProgramUnderTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace halvo;

namespace {

const std::string Command = "\"/opt/halvo/halvo-shutdown\"";
const std::string Ensure = "ensure auto-start \"" + Command + "\"";
const std::string Write = "write auto-start \"" + Command + "\"";
const std::string Remove = "remove auto-start";

struct World : WindowTestWorld<> {
    RecordingPlatform& fake = platform; // the name these tests know the platform by

    std::vector<std::string> autoStartCalls() const {
        std::vector<std::string> out;
        for (const auto& call : fake.calls)
            if (call.find("auto-start") != std::string::npos)
                out.push_back(call);
        return out;
    }
};

// The world, the settings set to flags, and the Option page on them.
struct OptionPage {
    explicit OptionPage(const AppSettings& flags = {}) : page((settings.Set(flags), settings)) {}
    World w;
    Settings settings;
    TFormOption page;
};

} // namespace

class FormOptionTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTheBoxesFromTheFlags();
    void showingWithTheFlagSetKeepsTheRunValueInPlace();
    void otherValuesAtShowing();
    void setWritesOrRemovesTheRunValueAndStoresTheFlags();
    void setStopsWhenTheValueCannotBeWritten();
    void cancelSettingPutsTheBoxesBack();
    void boxTickedWithoutSetInTheRunningProgram();
    void turningAutoSaveOnKeepsTheStoredScheduleAsACopy();
    void countdownBarIsAnOptionOfSet();
    void quickActionsAreRenamedDeletedAndOrderedInTheirList();
    void theAwakeOptionsAndWhereNoWakeAlarmCanBeSet();
};

void FormOptionTest::controlsAndTheBoxesFromTheFlags() {
    auto&& [w, settings, page] = OptionPage(AppSettings{true, false, true});
    QCOMPARE(page.size(), QSize(460, 270));
    QCOMPARE(page.GroupBox1->title(), QString("start"));
    QCOMPARE(page.GroupBox1->geometry(), QRect(0, 2, 459, 95));
    QCOMPARE(page.GroupBox2->title(), QString("shutdown"));
    QCOMPARE(page.GroupBox2->geometry(), QRect(0, 99, 459, 67));
    QCOMPARE(page.CheckBox_AutoStartup->text(), QString("auto startup when windows startup"));
    QCOMPARE(page.CheckBox_AutoSave->text(), QString("auto save the schedule setting"));
    QCOMPARE(page.CheckBox_Remind->text(), QString("remind me before shutdown/restart/log off"));
    QCOMPARE(page.CheckBox_AutoStartup->pos(), QPoint(16, 24));
    QCOMPARE(page.CheckBox_Remind->parentWidget(), page.GroupBox2);
    QCOMPARE(page.SpeedButton1->text(), QString("Set"));
    QCOMPARE(page.SpeedButton1->geometry(), QRect(43, 176, 129, 33));
    QCOMPARE(page.SpeedButton2->text(), QString("Cancel Setting"));
    QCOMPARE(page.SpeedButton2->geometry(), QRect(269, 176, 129, 33));
    QVERIFY(page.CheckBox_AutoStartup->isChecked());
    QVERIFY(!page.CheckBox_AutoSave->isChecked());
    QVERIFY(page.CheckBox_Remind->isChecked());
    // Not refreshed from the flags afterwards.
    setFlag(settings, &AppSettings::AutoSave, true);
    page.hide();
    page.show();
    QVERIFY(!page.CheckBox_AutoSave->isChecked());
}

void FormOptionTest::showingWithTheFlagSetKeepsTheRunValueInPlace() {
    auto&& [w, settings, page] = OptionPage();
    page.show();
    QVERIFY(w.autoStartCalls().empty()); // unticked: the entry stays untouched

    // A box ticked without "Set" asks for nothing.
    page.hide();
    page.CheckBox_AutoStartup->setChecked(true);
    page.show();
    QVERIFY(w.autoStartCalls().empty());
    QVERIFY(!w.fake.autoStartEntry);

    setFlag(settings, &AppSettings::AutoStartup, true); // as "Set" left it
    page.hide();
    page.show();
    QCOMPARE(lines(w.autoStartCalls()), lines({Ensure}));
    QCOMPARE(w.fake.autoStartEntry, Command);
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormOptionTest::otherValuesAtShowing() {
    auto&& [w, settings, page] = OptionPage(AppSettings{true, false, false});
    // An entry for another copy stays.
    w.fake.autoStartEntry = "\"/usr/bin/halvo-shutdown\"";
    page.FormShow();
    QCOMPARE(w.fake.autoStartEntry, std::string("\"/usr/bin/halvo-shutdown\""));
    // One that is not a command line is reported and left alone.
    w.fake.autoStartIsCommand = false;
    page.FormShow();
    QCOMPARE(w.dialogs.errors, QStringList{"Invalid data type for 'Halvo Shutdown'"});
    QCOMPARE(lines(w.autoStartCalls()), lines({Ensure, Ensure}));
}

void FormOptionTest::setWritesOrRemovesTheRunValueAndStoresTheFlags() {
    auto&& [w, settings, page] = OptionPage();
    w.fake.autoStartEntry = "\"/elsewhere/halvo-shutdown\"";
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_Remind->setChecked(true);
    QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    QCOMPARE(lines(w.autoStartCalls()), lines({Write}));
    QCOMPARE(w.fake.autoStartEntry, Command);
    QVERIFY(settings.values().AutoStartup);
    QVERIFY(!settings.values().AutoSave);
    QVERIFY(settings.values().Remind);
    // Stored at once, so the file agrees with the entry.
    QCOMPARE(w.fake.storedFiles[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=1\nSetting_AutoSave=0\nSetting_Remind=1\nSetting_"
                         "KeepAwake=1\nSetting_WakeFromSleep=0\n"));
    QVERIFY(w.dialogs.messages.isEmpty());

    w.fake.clearCalls();
    page.CheckBox_AutoStartup->setChecked(false);
    page.SpeedButton1Click();
    QCOMPARE(lines(w.autoStartCalls()), lines({Remove}));
    QVERIFY(!w.fake.autoStartEntry);
    QVERIFY(!settings.values().AutoStartup);
    // Again with the entry already gone: no fault.
    page.SpeedButton1Click();
    QVERIFY(w.dialogs.errors.isEmpty());
    QCOMPARE(w.fake.storedFiles[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=1\nSetting_"
                         "KeepAwake=1\nSetting_WakeFromSleep=0\n"));

    // The file cannot be written: said so; the flags have changed all the same.
    w.fake.unwritableFiles.insert(SettingsFile);
    page.CheckBox_AutoSave->setChecked(true);
    page.SpeedButton1Click();
    QCOMPARE(w.dialogs.errors, QStringList{"Unable to write to /opt/halvo/setting.ini"});
    QVERIFY(settings.values().AutoSave);
}

void FormOptionTest::setStopsWhenTheValueCannotBeWritten() {
    auto&& [w, settings, page] = OptionPage();
    w.fake.autoStartWritable = false;
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_AutoSave->setChecked(true);
    page.SpeedButton1Click();
    QCOMPARE(w.dialogs.errors, QStringList{"Failed to set data for 'Halvo Shutdown'"});
    QCOMPARE(lines(w.autoStartCalls()), lines({Write}));
    QVERIFY(!settings.values().AutoStartup);
    QVERIFY(!settings.values().AutoSave);
    QVERIFY(!w.fake.storedFiles.count(SettingsFile));
}

void FormOptionTest::cancelSettingPutsTheBoxesBack() {
    auto&& [w, settings, page] = OptionPage(AppSettings{false, true, false});
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_AutoSave->setChecked(false);
    page.CheckBox_Remind->setChecked(true);
    QTest::mouseClick(page.SpeedButton2, Qt::LeftButton);
    QVERIFY(!page.CheckBox_AutoStartup->isChecked());
    QVERIFY(page.CheckBox_AutoSave->isChecked());
    QVERIFY(!page.CheckBox_Remind->isChecked());
    QVERIFY(w.fake.calls.empty());
    QCOMPARE(settings.values().AutoSave, true);
}

void FormOptionTest::boxTickedWithoutSetInTheRunningProgram() {
    World w;
    {
        Program window;
        window.Setting1Click();
        window.Option1Click();
        window.FormOption->CheckBox_AutoStartup->setChecked(true);
        window.General1Click();
        window.Option1Click();
        QVERIFY(!w.fake.autoStartEntry);
        QVERIFY(!window.core.settings().values().AutoStartup);
        // "Set" then writes it, and coming back to the page puts it back when it has gone.
        window.FormOption->SpeedButton1Click();
        QCOMPARE(w.fake.autoStartEntry, Command);
        w.fake.autoStartEntry = "";
        window.General1Click();
        window.Option1Click();
        QCOMPARE(w.fake.autoStartEntry, Command);
    }
    QCOMPARE(w.fake.storedFiles[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=1\nSetting_AutoSave=0\nSetting_Remind=0\nSetting_"
                         "KeepAwake=1\nSetting_WakeFromSleep=0\n"));
    // The entry is never removed at the end.
    QCOMPARE(w.fake.autoStartEntry, Command);
}

void FormOptionTest::turningAutoSaveOnKeepsTheStoredScheduleAsACopy() {
    World w;
    const std::string stored = "the records of an earlier run";
    w.fake.storedFiles[ScheduleFile] = stored;
    w.fake.storedFiles[SettingsFile] = "[schManager]\ncount=1\n";
    Program window;
    window.Setting1Click(); // the Schedule page starts empty: AutoSave is off
    window.Option1Click();
    window.FormOption->CheckBox_AutoSave->setChecked(true);
    window.FormOption->SpeedButton1Click();
    // This run's schedule is stored from now on; the one it never loaded is kept, and the user told.
    QCOMPARE(w.fake.storedFiles[ScheduleFile + ".bak"], stored);
    QCOMPARE(w.fake.storedFiles[ScheduleFile], std::string());
    QCOMPARE(
        w.fake.storedFiles[SettingsFile],
        std::string("[schManager]\ncount=0\n[setting]\nSetting_AutoStartup=0\n"
                    "Setting_AutoSave=1\nSetting_Remind=0\nSetting_KeepAwake=1\nSetting_WakeFromSleep=0\n"));
    const QStringList told{
        "Copies of the stored schedule, newest first:\n/opt/halvo/sch.cks.bak: 0 items and "
        "a part that cannot be read, the file as this run found it"};
    QCOMPARE(w.dialogs.notices, told);
    window.FormOption->SpeedButton1Click();
    QCOMPARE(w.dialogs.notices, told);
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormOptionTest::countdownBarIsAnOptionOfSet() {
    World w;
    Settings settings;
    TFormOption page(settings);
    QCOMPARE(page.CheckBox_CountdownBar->text() + " " + page.ComboBox_BarEdge->itemText(0),
             QString("show a countdown bar at the top of the screen"));
    QCOMPARE(page.ComboBox_BarEdge->itemText(1), QString("bottom of the screen"));
    // Offered here: the tests' platform is no Wayland session.
    QVERIFY(page.CheckBox_CountdownBar->isEnabled() && page.Label_BarUnsupported->isHidden());
    QVERIFY(!page.CheckBox_CountdownBar->isChecked());
    const std::string flags = "[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=0\n"
                              "Setting_KeepAwake=1\nSetting_WakeFromSleep=0\n";
    const struct {
        bool on;
        int edge;
        AppSettings::Bar bar;
        std::string stored;
    } steps[] = {
        {true, 1, AppSettings::Bar::Bottom, flags + "Setting_CountdownBar=2\n"},
        {true, 0, AppSettings::Bar::Top, flags + "Setting_CountdownBar=1\n"},
        {false, 1, AppSettings::Bar::None, flags + "Setting_CountdownBar=0\n"},
    };
    for (const auto& step : steps) {
        page.CheckBox_CountdownBar->setChecked(step.on);
        page.ComboBox_BarEdge->setCurrentIndex(step.edge);
        page.SpeedButton1Click();
        QCOMPARE(settings.values().CountdownBar, step.bar);
        QCOMPARE(w.fake.storedFiles[SettingsFile], step.stored);
    }
    settings.Set({false, false, false, true, false, AppSettings::Bar::Bottom});
    page.SpeedButton2Click();
    QVERIFY(page.CheckBox_CountdownBar->isChecked());
    QCOMPARE(page.ComboBox_BarEdge->currentIndex(), 1);
}

void FormOptionTest::quickActionsAreRenamedDeletedAndOrderedInTheirList() {
    World w;
    Settings settings;
    const auto action = [](const char* name, std::vector<std::string> args) {
        return QuickAction{name, ParseArguments(args).request.value()};
    };
    std::string error;
    QVERIFY(settings.SetQuickActions({action("One", {"--in", "1h", "shutdown"}),
                                      action("Two", {"--at", "22:30", "poweroff"}),
                                      action("Three", {"--when", "idle:15m", "lock"})},
                                     error));
    TFormOption page(settings);
    QCOMPARE(page.QuickActions->text(), QString("Quick actions..."));
    const auto names = [&settings] {
        QStringList list;
        for (const QuickAction& quick : settings.quickActions())
            list << QString::fromStdString(quick.name);
        return list;
    };
    const auto shown = [](QuickActionsDialog& dialog) {
        QStringList rows;
        for (int i = 0; i < dialog.QuickList->topLevelItemCount(); ++i)
            rows << dialog.QuickList->topLevelItem(i)->text(0) + " | " +
                        dialog.QuickList->topLevelItem(i)->text(1);
        return rows;
    };
    // Cancel keeps the list as it was, whatever was done in it.
    w.dialogs.modalHandlers.push_back([&](QDialog& d) {
        auto& dialog = static_cast<QuickActionsDialog&>(d);
        [&] {
            QCOMPARE(shown(dialog), QStringList({"One | --in 1h shutdown", "Two | --at 22:30 poweroff",
                                                 "Three | --when idle:15m lock"}));
            QVERIFY(!dialog.UpButton->isEnabled() && dialog.DownButton->isEnabled());
        }();
        dialog.DeleteClick();
        return 2;
    });
    page.QuickActionsClick();
    QCOMPARE(names(), QStringList({"One", "Two", "Three"}));

    // A name given twice is said, and the list comes back as it was left; then put right and kept.
    w.dialogs.modalHandlers.push_back([](QDialog& d) {
        auto& dialog = static_cast<QuickActionsDialog&>(d);
        dialog.QuickList->setCurrentItem(dialog.QuickList->topLevelItem(2));
        dialog.MoveClick(-1); // One, Three, Two
        dialog.MoveClick(-1); // Three, One, Two
        dialog.QuickList->setCurrentItem(dialog.QuickList->topLevelItem(1));
        dialog.DeleteClick(); // Three, Two
        dialog.QuickList->topLevelItem(1)->setText(0, "Three");
        return 1;
    });
    w.dialogs.modalHandlers.push_back([&](QDialog& d) {
        auto& dialog = static_cast<QuickActionsDialog&>(d);
        [&] {
            QCOMPARE(shown(dialog),
                     QStringList({"Three | --when idle:15m lock", "Three | --at 22:30 poweroff"}));
        }();
        dialog.QuickList->topLevelItem(1)->setText(0, "  Bedtime ");
        return 1;
    });
    page.QuickActionsClick();
    QCOMPARE(w.dialogs.errors, QStringList{"The name \"Three\" is given twice"});
    QCOMPARE(names(), QStringList({"Three", "Bedtime"}));
    QCOMPARE(settings.quickActions()[1].request,
             ParseArguments({"--at", "22:30", "poweroff"}).request.value());
    QVERIFY(
        w.fake.storedFiles[SettingsFile].starts_with("[quick]\nName1=\"Three\"\nAction1=when idle:15m "
                                                     "lock\nName2=\"Bedtime\"\nAction2=at 22:30:00 poweroff\n"
                                                     "Name3=\nAction3=\n"));
}

void FormOptionTest::theAwakeOptionsAndWhereNoWakeAlarmCanBeSet() {
    struct Case {
        const char* name;
        std::string problem, caveat;
        bool wakeBefore;
        QString tip;
        QStringList messages; // after ticking both and "Set"
        bool wakeStored;
    };
    const QString note = "Only from sleep or hibernation: a computer that is powered off is not turned on.";
    const Case cases[] = {
        {"offered", "", "", false, note, {}, true},
        {"offered, with a caveat said once it is turned on",
         "",
         "Wake timers are off.",
         false,
         note,
         {"Wake timers are off."},
         true},
        {"on already: the caveat is not said again", "", "Wake timers are off.", true, note, {}, true},
        {"refused",
         "The wake helper is missing.",
         "",
         true,
         "Not available: The wake helper is missing.",
         {},
         false},
    };
    for (const Case& c : cases) {
        World w;
        w.fake.wakeProblem = c.problem;
        w.fake.wakeCaveat = c.caveat;
        Settings settings;
        AppSettings values;
        values.WakeForSchedule = c.wakeBefore;
        settings.Set(values);
        TFormOption page(settings);
        QCOMPARE(page.GroupBox3->geometry(), QRect(0, 212, 459, 58));
        QCOMPARE(page.CheckBox_KeepAwake->text(), QString("keep the computer awake while an action waits"));
        QCOMPARE(page.CheckBox_WakeFromSleep->text(),
                 QString("wake the computer from sleep for scheduled actions"));
        QVERIFY(page.CheckBox_KeepAwake->isChecked()); // on by default
        QCOMPARE(page.CheckBox_WakeFromSleep->isEnabled(), c.problem.empty());
        QCOMPARE(page.CheckBox_WakeFromSleep->isChecked(), c.wakeBefore && c.problem.empty());
        QCOMPARE(page.CheckBox_WakeFromSleep->toolTip(), c.tip);
        // The boxes stay within the page.
        QVERIFY(page.GroupBox3->geometry().bottom() < TFormOption::PageSize.height());
        page.CheckBox_KeepAwake->setChecked(false);
        if (page.CheckBox_WakeFromSleep->isEnabled())
            page.CheckBox_WakeFromSleep->setChecked(true);
        page.SpeedButton1Click();
        QCOMPARE(w.dialogs.messages, c.messages);
        QVERIFY(!settings.values().KeepAwake);
        QCOMPARE(settings.values().WakeForSchedule, c.wakeStored);
        QVERIFY2(
            w.fake.storedFiles[SettingsFile].find(std::string("Setting_KeepAwake=0\nSetting_WakeFromSleep=") +
                                                  (c.wakeStored ? "1" : "0")) != std::string::npos,
            c.name);
    }
}

QTEST_MAIN(FormOptionTest)
#include "FormOptionTest.moc"
