#include "app/FormCtrl.h"
#include "app/FormAbout.h"
#include "app/FormOption.h"
#include "app/TerminationSignals.h"
#include "app/TrayMenu.h"
#include "core/Engine.h"
#include "model/Schedule.h"
#include "pages/FormGen.h"
#include "pages/FormSch.h"
#include "tests/helpers/ProgramUnderTest.h"
#include "toolkit/SideCaptionMenu.h"
#include "toolkit/TrayIcon.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace halvo;

namespace {

struct World : WindowTestWorld<> {
    RecordingPlatform& fake = platform; // the name these tests know the platform by

    // A schedule file with one daily item, as a previous run left it.
    void saveOneItemSchedule() {
        TScheduleManager manager;
        TScheduleItem& item = manager.Add();
        item.ItemName = "night";
        item.Task = TaskFromCode(1);
        item.TimeRule.Period = TPeriod::EveryDay;
        item.TimeRule.TimeOfDay = EncodeTime(22, 30, 0);
        item.TimeRule.DisplayText = "22:30:00:EveryDay";
        manager.SetSettingsPath(SettingsFile);
        QCOMPARE(manager.SaveSchedule(ScheduleFile), std::string());
    }
};

// The world and the program started in it, as most tests begin.
struct Started {
    World w;
    Program window;
};

QStringList menuCaptions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isVisible())
            captions << action->text();
    return captions;
}

// What is written to stderr (the file descriptor, as a child of the session would see it) while it lives.
class CapturedStderr {
public:
    CapturedStderr() : m_file(std::tmpfile()) {
        std::fflush(stderr);
        m_saved = dup(2);
        dup2(fileno(m_file), 2);
    }
    ~CapturedStderr() {
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        std::fclose(m_file);
    }
    std::string text() {
        std::fflush(stderr);
        std::string out;
        std::rewind(m_file);
        char buffer[512];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, m_file))
            out.append(buffer, n);
        return out;
    }

private:
    std::FILE* m_file;
    int m_saved;
};

// The main window with its event filter in reach, to hand it what the platform sends at the session's end.
struct ExposedFormCtrl : Program {
    using Program::eventFilter;
};

// The planner looks at the clock, as its timer would; the reminders it starts open.
void look(Program& window) {
    window.planner().wake();
    QCoreApplication::processEvents();
}
// Time goes by (the wall and the elapsed clock alike), then the planner looks.
void pass(Program& window, World& w, long long ms) {
    w.fake.advanceMilliseconds(ms);
    look(window);
}

} // namespace

class FormCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void trayQuickActionsFollowTheSavedListAndArmThem();
    void startsHiddenInTheTrayWithTheSettingsLoaded();
    void settingsLiveInTheUserFolderWhenTheProgramFolderIsReadOnly();
    void firstShowingCreatesScheduleThenGeneral();
    void savedScheduleRunsFromTheStartWhenAutoSaveIsSet();
    void aboutAndMenusSwitchPagesAndCreateThemOnDemand();
    void closingAndMinimizingHide();
    void trayActionsRunAtOnceWhateverRemindSays();
    void traySleepsOnlyWhereOfferedAndReportsRefusals();
    void statusLineClock();
    void helpOpensTheDocumentBesideTheProgram();
    void aboutPage();
    void exitDestroysThePagesNewestFirstThenStoresTheSettings();
    void exitBeforeTheWindowWasShownLeavesTheScheduleAlone();
    void storeFaultsAtTheEndGoToStderrWithoutABox();
    void agreesToTheEndOfTheSession();
    void goesOnWhenTheEndOfTheSessionIsCalledOff();
    void exitAndTerminationEndTheProgramInOrder();
    void commandLineRequestsArmTheGeneralPageAndTellWhatIsPending();
    void postponedActionsComeBackAndCanBeCancelled();
    void cancellingAnActionClosesItsOpenReminder();
    void tooltipAndWarningFollowTheSchedule();
    void tooltipCarriesTheConditionsReading();
    void tooltipTakesTheNewestReadingWhenItShows();
};

void FormCtrlTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void FormCtrlTest::startsHiddenInTheTrayWithTheSettingsLoaded() {
    World w;
    w.fake.storedFiles[SettingsFile] =
        "[setting]\nSetting_AutoStartup=2\nSetting_AutoSave=0x1\nSetting_Remind=yes\n";
    Program window;
    QVERIFY(window.Settings().AutoStartup);
    QVERIFY(window.Settings().AutoSave);
    QVERIFY(!window.Settings().Remind);
    QCOMPARE(lines(w.fake.callsStartingWith("read [")),
             lines((std::vector<std::string>{
                 "read [setting] Setting_AutoStartup of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_AutoSave of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_Remind of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_KeepAwake of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_WakeFromSleep of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_CountdownBar of \"/opt/halvo/setting.ini\"",
                 "read [quick] Name1 of \"/opt/halvo/setting.ini\"",
                 "read [quick] Action1 of \"/opt/halvo/setting.ini\"",
                 "read [setting] Setting_Password of \"/opt/halvo/setting.ini\"",
             })));

    QVERIFY(!window.isVisible());
    QVERIFY(window.pagesInCreationOrder().empty());
    QVERIFY(!window.FormGen && !window.FormSch && !window.FormOption && !window.FormAbout);
    QCOMPARE(window.PageControl1->currentIndex(), 1);
    QCOMPARE(window.windowTitle(), QString("Halvo ShutDown"));
    QVERIFY(!window.windowIcon().isNull());

    QCOMPARE(window.PageControl1->count(), 4);
    QStringList tabs;
    for (int i = 0; i < 4; ++i)
        tabs << window.PageControl1->tabText(i);
    QCOMPARE(tabs, (QStringList{"General", "Schedule", "Option", "About"}));
    QCOMPARE(window.File1->title(), QString("File"));
    QCOMPARE(menuCaptions(window.File1), (QStringList{"General", "Schedule", "Option"}));
    QCOMPARE(window.Help1->title(), QString("Help"));
    QCOMPARE(menuCaptions(window.Help1), (QStringList{"help", "about"}));
    QCOMPARE(window.Label1->text(), QString("Time"));
    QCOMPARE(window.Label2->text(), QString("Time"));
    // Hidden, nothing ticks: the clock waits for the window, the planner for the next minute at most.
    QVERIFY(!window.Timer1->isActive());
    QCOMPARE(window.Timer1->interval(), 1000);
    QVERIFY(window.planner().timer()->isActive() && window.planner().plannedMs() <= Planner::NetMs);

    // The tray: the window's icon, the tooltip with nothing pending, the menu with the side caption and its
    // ten items.
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QVERIFY(tray->isVisible());
    QCOMPARE(tray->toolTip(), QString("Halvo Shutdown"));
    QCOMPARE(tray->contextMenu(), window.Tray->PopupMenu1);
    QCOMPARE(window.Tray->PopupMenu1->caption(), QString("Halvo Shutdown"));
    QCOMPARE(
        menuCaptions(window.Tray->PopupMenu1),
        (QStringList{"Shut down the system", "Power off the computer", "Log off ...", "Restart the computer",
                     "Lock the computer", "Sleep", "Hibernate", "Setting", "Exit", "About..."}));
    QCOMPARE(window.Tray->Shutdown1->text(), QString("Shut down the system"));
    QCOMPARE(window.Tray->About2->text(), QString("About..."));
    // Nothing was written and no platform action made.
    QVERIFY(w.fake.callsStartingWith("Write").empty());
}

void FormCtrlTest::settingsLiveInTheUserFolderWhenTheProgramFolderIsReadOnly() {
    World w;
    w.fake.readOnlyFolders.insert("/opt/halvo/");
    const std::string userSettings = "/home/user/.config/halvo-shutdown/setting.ini";
    w.fake.storedFiles[userSettings] = "[setting]\nSetting_Remind=1\n";
    {
        Program window;
        QVERIFY(window.Settings().Remind);
        window.setSetting(&AppSettings::AutoSave, true);
    }
    QCOMPARE(w.fake.storedFiles[userSettings],
             std::string("[setting]\nSetting_Remind=1\nSetting_AutoStartup=0\nSetting_AutoSave=1\n"
                         "Setting_KeepAwake=1\nSetting_WakeFromSleep=0\n"
                         "[notice]\nReadOnlyProgramFolder=/opt/halvo/\n"));
    QVERIFY(!w.fake.storedFiles.count(SettingsFile));
    // Said at the first start only, in a message that holds nothing up; said again for another folder.
    const QString told = "The program folder %1 cannot be written to, so the settings and the schedule are "
                         "kept in /home/user/.config/halvo-shutdown/ instead.";
    QCOMPARE(w.dialogs.notices, QStringList({told.arg("/opt/halvo/")}));
    delete new Program;
    QCOMPARE(w.dialogs.notices.size(), 1);
    w.fake.executableFolderText = "/media/stick/";
    w.fake.readOnlyFolders.insert("/media/stick/");
    delete new Program;
    QCOMPARE(w.dialogs.notices, QStringList({told.arg("/opt/halvo/"), told.arg("/media/stick/")}));
}

void FormCtrlTest::firstShowingCreatesScheduleThenGeneral() {
    auto&& [w, window] = Started();
    window.Setting1Click();
    QVERIFY(window.isVisible());
    QVERIFY(window.FormSch && window.FormGen);
    QCOMPARE(window.pagesInCreationOrder(), (std::vector<QWidget*>{window.FormSch, window.FormGen}));
    QCOMPARE(window.PageControl1->currentIndex(), 0);
    QVERIFY(window.FormGen->isVisible());
    QVERIFY(!window.FormSch->isVisible());
    QVERIFY(!window.FormSch->Timer1->isActive()); // its rows tick only while it is shown
    QCOMPARE(window.FormGen->parentWidget(), window.TabSheet1);
    QCOMPARE(window.FormSch->parentWidget(), window.TabSheet2);
    QCOMPARE(window.FormGen->geometry(), QRect(0, 0, 460, 269));
    QCOMPARE(window.FormSch->geometry(), QRect(0, 0, 460, 270));
    QVERIFY(!window.FormOption && !window.FormAbout);

    // "Setting" on a shown window keeps the page.
    window.Schedule1Click();
    window.Setting1Click();
    QCOMPARE(window.PageControl1->currentIndex(), 1);
    QVERIFY(window.FormSch->isVisible());
    QVERIFY(!window.FormGen->isVisible());

    // Hidden and shown again: General in front, nothing created anew; the planner evaluates the schedule.
    QVERIFY(window.planner().timer()->isActive());
    window.hide();
    QVERIFY(!window.FormSch->Timer1->isActive() && window.planner().timer()->isActive());
    window.Setting1Click();
    QCOMPARE(window.PageControl1->currentIndex(), 0);
    QVERIFY(window.FormGen->isVisible());
    QCOMPARE(window.pagesInCreationOrder().size(), std::size_t(2));
}

void FormCtrlTest::savedScheduleRunsFromTheStartWhenAutoSaveIsSet() {
    {
        World w;
        w.saveOneItemSchedule();
        w.fake.storedFiles[SettingsFile] += "[setting]\nSetting_AutoSave=1\n";
        Program window;
        // The engine runs it: no page is built for that.
        QVERIFY(window.pagesInCreationOrder().empty());
        QCOMPARE(window.core.schedule().manager().Count(), 1);
        QCOMPARE(window.planner().agenda().Schedule(), &window.core.schedule().manager());
        // The first showing builds the pages, which show the engine's schedule.
        window.Setting1Click();
        QCOMPARE(window.pagesInCreationOrder(), (std::vector<QWidget*>{window.FormSch, window.FormGen}));
        QCOMPARE(&window.FormSch->manager(), &window.core.schedule().manager());
        QCOMPARE(window.FormSch->AdvListView1->topLevelItemCount(), 1);
        QCOMPARE(window.PageControl1->currentIndex(), 0);
    }
    {
        // AutoSave without a file, and a file without AutoSave: start-up as always.
        World w;
        w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_AutoSave=1\n";
        Program window;
        QVERIFY(!window.FormSch);
    }
    {
        World w;
        w.saveOneItemSchedule();
        Program window;
        QVERIFY(!window.FormSch);
    }
}

void FormCtrlTest::aboutAndMenusSwitchPagesAndCreateThemOnDemand() {
    auto&& [w, window] = Started();
    // "About..." on a hidden window: shown, General created on the way, then About in front.
    window.About2Click();
    QVERIFY(window.isVisible());
    QCOMPARE(window.PageControl1->currentIndex(), 3);
    QCOMPARE(window.pagesInCreationOrder(),
             (std::vector<QWidget*>{window.FormSch, window.FormGen, window.FormAbout}));
    QVERIFY(window.FormAbout->isVisible());
    QVERIFY(!window.FormGen->isVisible());
    QCOMPARE(window.FormAbout->geometry(), QRect(0, 0, 461, 270));

    window.Option1Click();
    QCOMPARE(window.PageControl1->currentIndex(), 2);
    QVERIFY(window.FormOption && window.FormOption->isVisible());
    QVERIFY(!window.FormAbout->isVisible());
    QCOMPARE(window.FormOption->geometry(), QRect(0, 0, 460, 270));
    window.General1Click();
    QCOMPARE(window.PageControl1->currentIndex(), 0);
    QVERIFY(!window.FormOption->isVisible());
    window.about1Click();
    QCOMPARE(window.PageControl1->currentIndex(), 3);
    // "About..." on a shown window only switches.
    window.General1Click();
    window.About2Click();
    QCOMPARE(window.PageControl1->currentIndex(), 3);
    QCOMPARE(window.pagesInCreationOrder().size(), std::size_t(4));

    // Clicking a tab does the same as the menu.
    window.PageControl1->setCurrentIndex(1);
    QVERIFY(window.FormSch->isVisible());
    QVERIFY(!window.FormAbout->isVisible());
}

void FormCtrlTest::closingAndMinimizingHide() {
    auto&& [w, window] = Started();
    window.Setting1Click();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.close());
    QVERIFY(!window.isVisible());
    QVERIFY(window.planner().timer()->isActive());
    QVERIFY(window.Tray->TrayIcon1->isVisible());

    window.Setting1Click();
    QVERIFY(window.isVisible());
    window.setWindowState(Qt::WindowMinimized);
    QVERIFY(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    window.Setting1Click();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QCOMPARE(window.PageControl1->currentIndex(), 0);
    QVERIFY(!window.exitRequested());
}

void FormCtrlTest::trayActionsRunAtOnceWhateverRemindSays() {
    World w;
    w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_Remind=1\n";
    Program window;
    QVERIFY(window.Settings().Remind);
    w.fake.clearCalls();
    window.Tray->Shutdown1->trigger();
    QCOMPARE(lines(w.fake.calls), lines((std::vector<std::string>{
                                      "shut down, forced",
                                  })));
    window.Tray->N1->trigger();
    window.Tray->Logoff1->trigger();
    window.Tray->Restartthecomputer1->trigger();
    QCOMPARE(
        lines(w.fake.sessionRequests()),
        lines((std::vector<std::string>{"shut down, forced", "power off, forced", "log off", "restart"})));
    w.fake.clearCalls();
    window.Tray->Lockthecomputer1->trigger();
    QCOMPARE(w.fake.calls.back(), "lock");
    QVERIFY(window.reminderService.shown.empty());
    QVERIFY(w.dialogs.messages.isEmpty());
    QVERIFY(!window.isVisible());
    QVERIFY(window.pagesInCreationOrder().empty());
}

void FormCtrlTest::traySleepsOnlyWhereOfferedAndReportsRefusals() {
    World w;
    w.saveOneItemSchedule();
    w.fake.storedFiles[SettingsFile] += "[setting]\nSetting_AutoSave=1\n";
    Program window;
    w.fake.suspendAllowed = false;
    emit window.Tray->PopupMenu1->aboutToShow();
    QVERIFY(!window.Tray->Sleep1->isEnabled());
    QVERIFY(window.Tray->Hibernate1->isEnabled());
    QVERIFY(window.Tray->Shutdown1->isEnabled());

    // The schedule is stored before the computer goes into hibernation.
    w.fake.clearCalls();
    window.Tray->Hibernate1->trigger();
    const std::vector<std::string>& calls = w.fake.calls;
    const auto stored = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("write [schManager] count = \"1\"", 0) == 0;
    });
    const auto hibernated = std::find(calls.begin(), calls.end(), "hibernate");
    QVERIFY(stored != calls.end() && hibernated != calls.end() && stored < hibernated);
    QVERIFY(w.ui.popups.empty());

    // A refusal says which action failed and why.
    w.fake.refusal = "Permission denied";
    window.Tray->N1->trigger();
    QCOMPARE(w.ui.popups.size(), std::size_t(1));
    QCOMPARE(w.ui.popups[0]->shownTexts,
             std::vector<std::string>{"Power off the computer failed: Permission denied"});
}

void FormCtrlTest::statusLineClock() {
    auto&& [w, window] = Started();
    QCOMPARE(window.Label2->text(), QString("Time"));
    w.fake.setNow(2026, 12, 8, 10, 0, 1);
    window.Timer1Timer();
    QCOMPARE(window.Label2->text(), QString("12/8/26 10:00:01 AM"));
    w.fake.setNow(2027, 1, 31, 23, 59, 59, 999);
    window.Timer1Timer();
    QCOMPARE(window.Label2->text(), QString("1/31/27 11:59:59 PM"));
    w.fake.setNow(2027, 2, 1, 0, 0, 0, 500);
    window.Timer1Timer();
    QCOMPARE(window.Label2->text(), QString("2/1/27"));
    // The real timer drives it once a second while the window is shown, and stops with it hidden.
    window.Setting1Click();
    w.fake.setNow(2027, 2, 1, 0, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(window.Label2->text(), QString("2/1/27 12:00:02 AM"), 2500);
    window.hide();
    QVERIFY(!window.Timer1->isActive());
}

void FormCtrlTest::helpOpensTheDocumentBesideTheProgram() {
    auto&& [w, window] = Started();
    window.Setting1Click();
    w.fake.clearCalls();
    window.help2Click();
    QCOMPARE(w.dialogs.errors, QStringList{"The help file /opt/halvo/AppHelp.html is missing"});
    QVERIFY(w.fake.calls.empty());

    w.fake.storedFiles["/opt/halvo/AppHelp.html"] = "<html></html>";
    window.help2->trigger();
    QCOMPARE(lines(w.fake.calls),
             lines(std::vector<std::string>{"open \"/opt/halvo/AppHelp.html\" over a window"}));
}

void FormCtrlTest::aboutPage() {
    auto&& [w, window] = Started();
    window.About2Click();
    TFormAbout& about = *window.FormAbout;
    QCOMPARE(about.Label2->text(), QString("Halvo Shutdown\nVersion 2.01\n"
                                           "Shuts the computer down on a schedule.\n"));
    // With no address of the build's own, the homepage is the help document shipped beside the program.
    QCOMPARE(about.LabelHomepage->text(), QString("file:///opt/halvo/AppHelp.html"));
    QCOMPARE(about.Button1->text(), QString("Visit Homepage"));
    QCOMPARE(about.Button2->text(), QString("OK"));

    w.fake.clearCalls();
    QTest::mouseClick(about.Button1, Qt::LeftButton);
    QCOMPARE(w.dialogs.errors, QStringList{"The help file /opt/halvo/AppHelp.html is missing"});
    QVERIFY(w.fake.calls.empty());
    w.fake.storedFiles["/opt/halvo/AppHelp.html"] = "<html></html>";
    QTest::mouseClick(about.Button1, Qt::LeftButton);
    QCOMPARE(lines(w.fake.calls),
             lines(std::vector<std::string>{"open \"file:///opt/halvo/AppHelp.html\" over a window"}));
    QVERIFY(window.isVisible());

    // "OK" puts the program back into the tray; "Setting" brings it back on General.
    QTest::mouseClick(about.Button2, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(window.planner().timer()->isActive());
    window.Tray->Setting1->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(window.PageControl1->currentIndex(), 0);
}

void FormCtrlTest::exitDestroysThePagesNewestFirstThenStoresTheSettings() {
    World w;
    std::vector<std::string> order;
    {
        Program window;
        window.Setting1Click();
        window.Option1Click();
        window.about1Click();
        window.setSetting(&AppSettings::Remind, true);
        window.setSetting(&AppSettings::AutoSave, true);
        QObject::connect(window.FormAbout, &QObject::destroyed, [&] { order.push_back("About"); });
        QObject::connect(window.FormOption, &QObject::destroyed, [&] { order.push_back("Option"); });
        QObject::connect(window.FormGen, &QObject::destroyed, [&] { order.push_back("General"); });
        QObject::connect(window.FormSch, &QObject::destroyed, [&] { order.push_back("Schedule"); });
        window.core.schedule().ItemsChanged(); // a schedule this run has to keep
        w.fake.clearCalls();
    }
    QCOMPARE(lines(order), lines((std::vector<std::string>{"About", "Option", "General", "Schedule"})));
    // The schedule's count first, then the three flags in order.
    QCOMPARE(lines(w.fake.callsStartingWith("write [")),
             lines((std::vector<std::string>{
                 "write [schManager] count = \"0\" to \"/opt/halvo/setting.ini\"",
                 "write [setting] Setting_AutoStartup = \"0\" to \"/opt/halvo/setting.ini\"",
                 "write [setting] Setting_AutoSave = \"1\" to \"/opt/halvo/setting.ini\"",
                 "write [setting] Setting_Remind = \"1\" to \"/opt/halvo/setting.ini\"",
                 "write [setting] Setting_KeepAwake = \"1\" to \"/opt/halvo/setting.ini\"",
                 "write [setting] Setting_WakeFromSleep = \"0\" to \"/opt/halvo/setting.ini\"",
             })));
    QVERIFY(w.fake.storedFiles.count(ScheduleFile));
}

void FormCtrlTest::exitBeforeTheWindowWasShownLeavesTheScheduleAlone() {
    World w;
    w.saveOneItemSchedule();
    const std::string before = w.fake.storedFiles[ScheduleFile];
    w.fake.clearCalls();
    { Program window; }
    QCOMPARE(w.fake.storedFiles[ScheduleFile], before);
    QCOMPARE(
        w.fake.storedFiles[SettingsFile],
        std::string("[schManager]\ncount=1\n[setting]\nSetting_AutoStartup=0\n"
                    "Setting_AutoSave=0\nSetting_Remind=0\nSetting_KeepAwake=1\nSetting_WakeFromSleep=0\n"));
    QCOMPARE(w.fake.callsStartingWith("write [").size(), std::size_t(5));
}

void FormCtrlTest::storeFaultsAtTheEndGoToStderrWithoutABox() {
    const std::string settingsLine = "halvo-shutdown: Unable to write to /opt/halvo/setting.ini\n";
    const std::string scheduleLine =
        "halvo-shutdown: Cannot create file \"/opt/halvo/sch.cks\". Access is denied\n";
    struct Case {
        const char* name;
        std::function<void(Program&)> end; // what ends the program before the window goes, if anything
        std::string unwritable;
        std::string stderrText; // once the window is gone
    };
    const std::vector<Case> cases = {
        {"Exit", [](Program& window) { window.Tray->Exit1->trigger(); }, SettingsFile, settingsLine},
        {"termination request",
         [](Program& window) {
             InstallTerminationHandlers();
             std::raise(SIGTERM);
             QTRY_VERIFY(window.exitRequested());
         },
         SettingsFile, settingsLine},
        // Stored at the end of the session and once more as the window goes: one fault, one line.
        {"end of the session", [](Program& window) { window.SessionEnding(); }, SettingsFile, settingsLine},
        {"the window going without Exit", nullptr, SettingsFile, settingsLine},
        {"schedule at Exit", [](Program& window) { window.Tray->Exit1->trigger(); }, ScheduleFile,
         scheduleLine},
    };
    for (const Case& c : cases) {
        World w;
        // A schedule this run has to keep, stored at the end.
        if (c.unwritable == ScheduleFile)
            w.saveOneItemSchedule();
        w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_AutoSave=1\n";
        w.fake.unwritableFiles.insert(c.unwritable);
        CapturedStderr captured;
        {
            Program window;
            window.Setting1Click();
            window.hide();
            if (c.end) {
                c.end(window);
                QVERIFY2(window.ending(), c.name);
                // Whatever asks for an answer from now on gets Cancel at once.
                QCOMPARE(dialogs().Question("do you want to delete it?", "information"), 2);
            }
        }
        QVERIFY2(w.dialogs.errors.isEmpty(), c.name);
        QVERIFY2(w.dialogs.questions.isEmpty(), c.name);
        QCOMPARE(QString::fromStdString(captured.text()), QString::fromStdString(c.stderrText));
        QCOMPARE(&dialogs(), &w.dialogs); // the test's own service is back
    }

    // Before the end the fault is shown as before.
    World w;
    w.fake.unwritableFiles.insert(SettingsFile);
    CapturedStderr captured;
    {
        Program window;
        // Said at the start, before anything is lost, in a message that holds nothing up.
        QCOMPARE(w.dialogs.notices,
                 QStringList{"The settings file /opt/halvo/setting.ini cannot be written: "
                             "Access is denied. Changes to the settings will not be kept."});
        QVERIFY(w.dialogs.errors.isEmpty());
        window.Setting1Click();
        window.setSetting(&AppSettings::AutoSave, true);
        QVERIFY(!window.ending());
        window.core.schedule().Store();
        QCOMPARE(w.dialogs.errors, QStringList{"Unable to write to /opt/halvo/setting.ini"});
        QCOMPARE(captured.text(), std::string());
    }
    QCOMPARE(QString::fromStdString(captured.text()), QString::fromStdString(settingsLine));
}

void FormCtrlTest::agreesToTheEndOfTheSession() {
    World w;
    ExposedFormCtrl window;
    window.Setting1Click();
    window.setSetting(&AppSettings::AutoSave, true);
    window.core.schedule().ItemsChanged(); // a schedule this run has to keep
    QVERIFY(!window.close());              // an ordinary close only hides
    w.fake.clearCalls();

    // What the platform sends when the session ends: the program stores everything and lets go.
    QEvent quit(QEvent::Quit);
    QSpontaneKeyEvent::setSpontaneous(&quit);
    QVERIFY(!window.eventFilter(QCoreApplication::instance(), &quit));
    QVERIFY(window.sessionEnding());
    QCOMPARE(w.fake.storedFiles[SettingsFile],
             std::string("[schManager]\ncount=0\n[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=1\n"
                         "Setting_Remind=0\nSetting_KeepAwake=1\nSetting_WakeFromSleep=0\n"));
    QCOMPARE(lines(w.fake.callsStartingWith("write [")),
             lines({"write [setting] Setting_AutoStartup = \"0\" to \"/opt/halvo/setting.ini\"",
                    "write [setting] Setting_AutoSave = \"1\" to \"/opt/halvo/setting.ini\"",
                    "write [setting] Setting_Remind = \"0\" to \"/opt/halvo/setting.ini\"",
                    "write [setting] Setting_KeepAwake = \"1\" to \"/opt/halvo/setting.ini\"",
                    "write [setting] Setting_WakeFromSleep = \"0\" to \"/opt/halvo/setting.ini\"",
                    "write [schManager] count = \"0\" to \"/opt/halvo/setting.ini\""}));
    QVERIFY(w.fake.storedFiles.count(ScheduleFile));
    window.show();
    QVERIFY(window.close());

    // The session manager's own request does the same.
    World again;
    Program second;
    second.Setting1Click();
    second.setSetting(&AppSettings::AutoSave, true);
    second.core.schedule().ItemsChanged();
    again.fake.storedFiles.erase(ScheduleFile);
    second.SessionEnding();
    QVERIFY(again.fake.storedFiles.count(ScheduleFile));
    QVERIFY(again.fake.storedFiles.count(SettingsFile));
    QVERIFY(second.close());
}

void FormCtrlTest::goesOnWhenTheEndOfTheSessionIsCalledOff() {
    auto&& [w, window] = Started();
    QCOMPARE(window.Request("halvo-shutdown/1 in 1 restart"), std::string("ok"));
    window.SessionEnding();
    pass(window, w, 1000); // due while the session ends: nothing runs, nothing is asked
    QVERIFY(window.reminderService.shown.empty());

    // Another program kept the session: the action comes through its reminder, and a close only hides.
    w.fake.announce(ClockChange::SessionEndCancelled);
    QVERIFY(!window.sessionEnding() && !window.ending());
    window.reminderService.script.push_back([](const ReminderRequest&) { return ReminderAnswer::Execute; });
    QTRY_COMPARE(window.reminderService.shown.size(), std::size_t(1));
    QCOMPARE(lines(w.fake.sessionRequests()), lines(std::vector<std::string>{"restart"}));
    window.show();
    QVERIFY(!window.close());

    // A session manager that only saves the session, or does not say that its end was called off: the
    // program goes on once the wait runs out, and a call-off that is told ends the wait.
    window.SessionEndAsked();
    QVERIFY(window.ending() && window.SessionEndTimer->isActive());
    QVERIFY(window.SessionEndTimer->remainingTime() > 60000); // not while a slow end of session is on its way
    window.SessionEndTimer->start(1);
    QTRY_VERIFY(!window.ending());
    QVERIFY(!window.sessionEnding());
    window.SessionEndAsked();
    w.fake.announce(ClockChange::SessionEndCancelled);
    QVERIFY(!window.ending() && !window.SessionEndTimer->isActive());

    // Called off once the user chose "Exit": the program still goes.
    window.Tray->Exit1->trigger();
    w.fake.announce(ClockChange::SessionEndCancelled);
    QVERIFY(window.exitRequested() && window.ending());
}

void FormCtrlTest::exitAndTerminationEndTheProgramInOrder() {
    World w;
    {
        Program window;
        window.Tray->Exit1->trigger();
        QVERIFY(window.exitRequested());
        window.show();
        QVERIFY(window.close());
    }
    {
        // A termination request is taken at the next clock tick, as an "Exit".
        InstallTerminationHandlers();
        Program window;
        window.Timer1Timer();
        QVERIFY(!window.exitRequested());
        std::raise(SIGTERM);
        QVERIFY(TerminationRequested());
        QTRY_VERIFY(window.exitRequested());
    }
}

void FormCtrlTest::commandLineRequestsArmTheGeneralPageAndTellWhatIsPending() {
    World w;
    w.fake.setNow(2026, 12, 8, 21, 25, 0);
    Program window;
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QCOMPARE(window.Request("halvo-shutdown/1 status"),
             std::string("ok General: nothing armed\\nSchedule: no items"));

    // At: armed without building the page and without a message box; the page shows it once it is shown.
    QCOMPARE(window.Request("halvo-shutdown/1 at 22:30:00 shutdown"), std::string("ok"));
    QVERIFY(!window.FormGen);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(window.Request("halvo-shutdown/1 status"),
             std::string(
                 "ok General: shutdown the computer at 22:30:00 (in 1 h 5 min)\\nKeeping the computer awake "
                 "until: shutdown the computer at 22:30:00 (in 1 h 5 min)\\nSchedule: no items"));
    QCOMPARE(tray->toolTip(),
             QString("Halvo Shutdown\nshutdown the computer at 22:30:00 (in 1 h 5 min)\nKeeping the computer "
                     "awake until: shutdown the computer at 22:30:00 (in 1 h 5 min)"));
    window.Setting1Click();
    QVERIFY(window.FormGen && window.FormGen->isVisible());
    QCOMPARE(window.FormGen->ComboBox2->currentText(), QString("Shutdown the Computer"));
    QVERIFY(window.FormGen->RadioButton3->isChecked() && window.FormGen->Edit4->isEnabled());
    QCOMPARE(window.FormGen->Edit4->text() + ":" + window.FormGen->Edit5->text() + ":" +
                 window.FormGen->Edit6->text() + " " + window.FormGen->SpeedButton2->text(),
             QString("10:30:0 PM"));
    window.hide();

    // In: replaces it; the tooltip follows the clock.
    QCOMPARE(window.Request("halvo-shutdown/1 in 90 lock"), std::string("ok"));
    QVERIFY(window.FormGen->RadioButton2->isChecked());
    QCOMPARE(window.FormGen->Edit1->text() + ":" + window.FormGen->Edit2->text() + ":" +
                 window.FormGen->Edit3->text(),
             QString("0:1:30"));
    QCOMPARE(window.FormGen->ComboBox2->currentText(), QString("Lock the workstation"));
    QCOMPARE(tray->toolTip(),
             QString("Halvo Shutdown\nlock the workstation at 21:26:30 (in 1 min)\nKeeping the computer "
                     "awake until: lock the workstation at 21:26:30 (in 1 min)"));

    // Lines it cannot read are refused and change nothing.
    for (const char* line : {"halvo-shutdown/1 in 90 reboot", "halvo-shutdown/9 cancel", "cancel", "",
                             "halvo-shutdown/1 at 25:00:00 lock", "halvo-shutdown/1 cancel now"}) {
        const std::string answer = window.Request(line);
        QVERIFY2(answer.rfind("error ", 0) == 0, line);
    }
    QCOMPARE(window.FormGen->armed()->timing->seconds, 90);

    QCOMPARE(window.Request("halvo-shutdown/1 cancel"), std::string("ok"));
    QVERIFY(!window.FormGen->armed());
    QVERIFY(window.FormGen->RadioButton1->isChecked());
    QCOMPARE(tray->toolTip(), QString("Halvo Shutdown"));

    // Now: runs as the tray menu does, after the answer went out; no reminder.
    w.fake.clearCalls();
    QCOMPARE(window.Request("halvo-shutdown/1 now lock"), std::string("ok"));
    QVERIFY(w.fake.callsStartingWith("lock").empty());
    QTRY_COMPARE(w.fake.callsStartingWith("lock").size(), std::size_t(1));
    QVERIFY(window.reminderService.shown.empty());

    QCOMPARE(window.Request("halvo-shutdown/1 show"), std::string("ok"));
    QVERIFY(window.isVisible());
}

void FormCtrlTest::postponedActionsComeBackAndCanBeCancelled() {
    World w;
    w.fake.setNow(2026, 12, 8, 21, 0, 0);
    Program window;
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QCOMPARE(window.Request("halvo-shutdown/1 in 1 restart"), std::string("ok"));
    QStringList labels;
    const auto postpone = [&labels](const ReminderRequest& request) {
        labels << QString::fromStdString(request.label);
        return ReminderAnswer::Postpone;
    };
    window.reminderService.script.push_back(postpone);
    w.fake.clearCalls();
    pass(window, w, 1000); // due: the reminder, answered "Postpone 10 min"
    QCOMPARE(labels, QStringList{"restart the computer"});
    QVERIFY(w.fake.sessionRequests().empty());
    QVERIFY(!window.planner().agenda().General());
    QVERIFY(window.Tray->CancelPostponed1->isVisible());
    QCOMPARE(
        tray->toolTip(),
        QString(
            "Halvo Shutdown\npostponed: restart the computer at 21:10:01 (in 10 min)\nKeeping the computer "
            "awake until: restart the computer at 21:10:01 (in 10 min)"));
    QCOMPARE(window.Request("halvo-shutdown/1 status"),
             std::string("ok General: nothing armed\\nKeeping the computer awake until: restart the computer "
                         "at 21:10:01 (in 10 min)\\nPostponed: restart the computer at 21:10:01 (in 10 "
                         "min)\\nSchedule: no items"));

    // Ten minutes later the same task comes again through a new reminder; "Execute It!" runs it.
    window.reminderService.script.push_back([](const ReminderRequest&) { return ReminderAnswer::Execute; });
    pass(window, w, 599999);
    QCOMPARE(window.reminderService.shown.size(), std::size_t(1));
    pass(window, w, 1);
    QCOMPARE(window.reminderService.shown.size(), std::size_t(2));
    QCOMPARE(lines(w.fake.sessionRequests()), lines(std::vector<std::string>{"restart"}));
    QVERIFY(!window.Tray->CancelPostponed1->isVisible());
    QCOMPARE(tray->toolTip(), QString("Halvo Shutdown"));

    // Postponed again, then cancelled from the tray menu: nothing comes back.
    QCOMPARE(window.Request("halvo-shutdown/1 in 1 restart"), std::string("ok"));
    window.reminderService.script.push_back(postpone);
    pass(window, w, 1000);
    QVERIFY(window.Tray->CancelPostponed1->isVisible());
    QVERIFY(menuCaptions(window.Tray->PopupMenu1).contains("Cancel postponed action"));
    window.Tray->CancelPostponed1->trigger();
    QVERIFY(!window.Tray->CancelPostponed1->isVisible());
    for (int minute = 0; minute < 12; ++minute)
        pass(window, w, 60000);
    QCOMPARE(window.reminderService.shown.size(), std::size_t(3));
    QCOMPARE(w.fake.sessionRequests().size(), std::size_t(1));

    // From the schedule: the item's crossing state stays as the firing left it; --cancel drops the run.
    w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_Remind=1\n";
    window.setSetting(&AppSettings::Remind, true);
    window.Schedule1Click();
    window.Setting1Click();
    QVERIFY(window.FormSch);
    TScheduleItem& item = window.FormSch->manager().Add();
    item.ItemName = "night";
    item.Task = TaskFromCode(11);
    item.TimeRule.Period = TPeriod::EveryDay;
    item.TimeRule.TimeOfDay = EncodeTime(21, 30, 0);
    item.TimeRule.CrossState = TCrossState::Ahead;
    w.fake.setNow(2026, 12, 8, 21, 30, 1);
    window.reminderService.script.push_back(postpone);
    window.FormSch->Timer1Timer();
    QCOMPARE(item.TimeRule.CrossState, TCrossState::Passed);
    QCOMPARE(
        window.Request("halvo-shutdown/1 status"),
        std::string("ok General: nothing armed\\nKeeping the computer awake until: lock the workstation at "
                    "21:40:01 (in 10 min)\\nPostponed: lock the workstation at 21:40:01 (in 10 "
                    "min)\\nSchedule 'night': lock the workstation at 2026-12-09 21:30:00 (in 23 h 59 min)"));
    QCOMPARE(window.Request("halvo-shutdown/1 cancel"), std::string("ok"));
    QVERIFY(!window.planner().hasPostponed());
    QCOMPARE(item.TimeRule.CrossState, TCrossState::Passed);
}

void FormCtrlTest::cancellingAnActionClosesItsOpenReminder() {
    // Opens a reminder of an action; the dialog handler runs while it is open.
    using Opening = std::function<void(World&, Program&)>;
    const Opening general = [](World& w, Program& window) {
        QCOMPARE(window.Request("halvo-shutdown/1 in 1 poweroff"), std::string("ok"));
        pass(window, w, 1000);
    };
    // Two postponed runs due in the same second: a cancel in the first reminder drops the second too.
    const Opening postponed = [](World& w, Program& window) {
        window.planner().postpone(TaskFromCode(2), "turn off the computer", false);
        window.planner().postpone(TaskFromCode(2), "turn off the computer", false);
        pass(window, w, TAgenda::PostponeSeconds * 1000LL);
    };
    const Opening schedule = [](World& w, Program& window) {
        window.setSetting(&AppSettings::Remind, true);
        window.Setting1Click();
        TScheduleItem& item = window.FormSch->manager().Add();
        item.ItemName = "night";
        item.Task = TaskFromCode(2);
        item.TimeRule.Period = TPeriod::EveryDay;
        item.TimeRule.TimeOfDay = EncodeTime(21, 30, 0);
        item.TimeRule.CrossState = TCrossState::Ahead;
        w.fake.setNow(2026, 12, 8, 21, 30, 1);
        window.FormSch->Timer1Timer();
    };
    using Cancel = std::function<void(Program&)>;
    const Cancel commandLine = [](Program& window) {
        QCOMPARE(window.Request("halvo-shutdown/1 cancel"), std::string("ok"));
    };
    const Cancel tray = [](Program& window) { window.Tray->CancelPostponed1->trigger(); };
    const Cancel armedAnew = [](Program& window) {
        QCOMPARE(window.Request("halvo-shutdown/1 in 3600 lock"), std::string("ok"));
    };
    const Cancel setOnThePage = [](Program& window) {
        window.Setting1Click();
        window.FormGen->RadioButton1->setChecked(true); // "None", then "Set": disarmed
        window.FormGen->SpeedButton3Click();
    };
    struct Case {
        const char* name;
        const Opening* open;
        Cancel cancel;
        bool closes;
    };
    const std::vector<Case> cases = {
        {"--cancel, the General page's action", &general, commandLine, true},
        {"--cancel, a postponed action", &postponed, commandLine, true},
        {"the tray, a postponed action", &postponed, tray, true},
        {"armed anew from the command line", &general, armedAnew, true},
        {"set to None on the page", &general, setOnThePage, true},
        // Only what was cancelled: the General page's action is not a postponed one, and --cancel leaves
        // the schedule alone.
        {"the tray, the General page's action", &general, tray, false},
        {"--cancel, a schedule item", &schedule, commandLine, false},
    };
    for (const Case& c : cases) {
        World w;
        w.fake.setNow(2026, 12, 8, 21, 0, 0);
        Program window;
        std::string during;
        bool trayOffersCancel = false;
        window.reminderService.script.push_back([&](const ReminderRequest&) {
            during = window.StatusText();
            trayOffersCancel = menuCaptions(window.Tray->PopupMenu1).contains("Cancel postponed action");
            c.cancel(window);
            // A reminder left open is run by its countdown.
            return ReminderAnswer::Execute;
        });
        w.fake.clearCalls();
        (*c.open)(w, window);
        // --status names what the reminder shows: the task's name, wherever the action came from.
        const std::string line = "\nReminder: turn off the computer in 61 s\n";
        QVERIFY2(during.find(line) != std::string::npos, (std::string(c.name) + ": " + during).c_str());
        QVERIFY2(window.reminderService.shown.size() == 1, c.name);
        // The tray offers to cancel a postponed action while its reminder is open.
        QCOMPARE(trayOffersCancel, c.open == &postponed);
        QVERIFY2(w.fake.sessionRequests().empty() == c.closes, c.name);
        QVERIFY2(window.StatusText().find("Reminder:") == std::string::npos, c.name);
        if (c.closes) {
            QVERIFY2(!window.planner().hasPostponed() && !window.Tray->CancelPostponed1->isVisible(), c.name);
            for (int minute = 0; minute < 20; ++minute)
                pass(window, w, 60000);
            QVERIFY2(w.fake.sessionRequests().empty(), c.name);
        }
    }
}

void FormCtrlTest::tooltipAndWarningFollowTheSchedule() {
    World w;
    w.fake.setNow(2026, 12, 8, 22, 20, 0);
    w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_AutoSave=1\n";
    w.saveOneItemSchedule(); // "night", shut down every day at 22:30
    Program window;
    look(window);
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QCOMPARE(tray->toolTip(),
             QString("Halvo Shutdown\n'night': shutdown the computer at 22:30:00 (in 10 min)"));
    window.Schedule1Click();
    window.Setting1Click();
    QCOMPARE(window.FormSch->AdvListView1->headerItem()->text(3), QString("Next run"));
    QCOMPARE(window.FormSch->AdvListView1->topLevelItem(0)->text(3), QString("12/8/26 10:30:00 PM"));

    // Five minutes ahead: one notification, once.
    const std::size_t before = w.ui.popups.size();
    w.fake.setNow(2026, 12, 8, 22, 24, 59);
    look(window);
    QCOMPARE(w.ui.popups.size(), before);
    w.fake.setNow(2026, 12, 8, 22, 25, 0);
    look(window);
    look(window);
    QCOMPARE(w.ui.popups.size(), before + 1);
    QCOMPARE(w.ui.popups.back()->messageText,
             std::string("'night': shutdown the computer at 22:30:00, in 5 minutes"));
    QCOMPARE(w.ui.popups.back()->shown, 1);

    // After the firing the column and the tooltip move on to the next day.
    w.fake.setNow(2026, 12, 8, 22, 30, 1);
    window.FormSch->manager().Item(0).TimeRule.CrossState = TCrossState::Passed;
    window.FormSch->RefreshNextRuns();
    look(window);
    QCOMPARE(window.FormSch->AdvListView1->topLevelItem(0)->text(3), QString("12/9/26 10:30:00 PM"));
    QCOMPARE(
        tray->toolTip(),
        QString("Halvo Shutdown\n'night': shutdown the computer at 2026-12-09 22:30:00 (in 23 h 59 min)"));
}

// Each sample's reading shows in the tooltip, between the General action and the schedule's next firing,
// which stay as they were; the conditions holding take the action's line away.
void FormCtrlTest::tooltipCarriesTheConditionsReading() {
    World w;
    w.fake.setNow(2026, 12, 8, 22, 20, 0);
    w.fake.storedFiles[SettingsFile] = "[setting]\nSetting_AutoSave=1\n";
    w.saveOneItemSchedule();
    FakeActivity& activity = w.fake.activityFake;
    std::uint64_t received = 0;
    activity.network = {std::vector<InterfaceBytes>{{"eth0", received, 0}}, {}};
    Program window;
    look(window);
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QCOMPARE(window.Request("halvo-shutdown/1 when net:50k:1m shutdown"), std::string("ok"));
    QCoreApplication::processEvents();
    // The schedule's line counts its minutes down with the planner's looks.
    const auto shown = [tray] {
        QStringList lines = tray->toolTip().split('\n');
        if (!lines.isEmpty() && lines.back().startsWith("'night': shutdown the computer at 22:30:00 (in "))
            lines.back() = "'night'";
        return lines;
    };
    const QString general = "shutdown the computer when the network is below 50 KB/s for 1 min";
    QCOMPARE(shown(), (QStringList{"Halvo Shutdown", general + " (measuring)",
                                   "Keeping the computer awake until: " + general, "'night'"}));
    auto* sampler = window.planner().findChild<QTimer*>("ConditionSampler");
    QVERIFY(sampler && sampler->isActive());
    window.reminderService.script.push_back([](const ReminderRequest&) { return ReminderAnswer::Cancel; });
    // A minute of samples: 18 KB/s on average, so at the last the conditions hold.
    const int kilobytes[] = {100, 100, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t sample = 0; sample < std::size(kilobytes); ++sample) {
        received += std::uint64_t(kilobytes[sample]) * 1024 * 5;
        activity.network = {std::vector<InterfaceBytes>{{"eth0", received, 0}}, {}};
        w.fake.advanceMilliseconds(5000);
        QMetaObject::invokeMethod(sampler, "timeout");
        QCoreApplication::processEvents();
        if (sample + 1 < std::size(kilobytes))
            QCOMPARE(shown(), (QStringList{"Halvo Shutdown",
                                           general + " (now " + QString::number(kilobytes[sample]) + " KB/s)",
                                           "Keeping the computer awake until: " + general, "'night'"}));
    }
    QCOMPARE(window.reminderService.shown.size(), std::size_t(1));
    QCOMPARE(shown(), (QStringList{"Halvo Shutdown", "'night'"}));
}

// Counters read off the interface thread reach a tray that shows the last text it was given with each
// reading; an icon that draws its own tooltip is not told them one by one, and puts the newest in when the
// pointer rests on it.
void FormCtrlTest::tooltipTakesTheNewestReadingWhenItShows() {
    World w;
    w.fake.setNow(2026, 12, 8, 22, 20, 0);
    FakeActivity& activity = w.fake.activityFake;
    activity.countersAnyThread = true;
    activity.network = {std::vector<InterfaceBytes>{{"eth0", 0, 0}}, {}};
    Program window;
    look(window);
    QSystemTrayIcon* tray = window.Tray->TrayIcon1->systemTrayIcon();
    QVERIFY(!window.Tray->TrayIcon1->toolTipOnDemand());
    QCOMPARE(window.Request("halvo-shutdown/1 when net:50k:1m shutdown"), std::string("ok"));
    QCoreApplication::processEvents();
    const QString general =
        "Halvo Shutdown\nshutdown the computer when the network is below 50 KB/s for 1 min";
    const QString awake = "\nKeeping the computer awake until: " + general.mid(15);
    QCOMPARE(tray->toolTip(), general + " (measuring)" + awake);
    QVERIFY(!window.planner().findChild<QTimer*>("ConditionSampler")->isActive());
    const auto transfer = [&](std::uint64_t bytes) {
        const std::lock_guard hold(activity.countersLock);
        activity.network = {std::vector<InterfaceBytes>{{"eth0", bytes, 0}}, {}};
        w.fake.elapsed += 5000;
    };

    transfer(100 * 1024 * 5);
    QTRY_COMPARE_WITH_TIMEOUT(tray->toolTip(), general + " (now 100 KB/s)" + awake, 9000);

    window.planner().setReadingShown(Planner::ReadingViewer::Tray, false); // as for an X11 tray's icon
    transfer(100 * 1024 * 5 + 20 * 1024 * 5);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(window.planner().conditionReading()),
                              QString("now 20 KB/s"), 9000);
    QCOMPARE(tray->toolTip(), general + " (now 100 KB/s)" + awake);
    QHelpEvent hover(QEvent::ToolTip, {}, {});
    QCoreApplication::sendEvent(tray, &hover);
    QCOMPARE(tray->toolTip(), general + " (now 20 KB/s)" + awake);
    QCOMPARE(QString::fromStdString(window.StatusText()),
             QString("General: shutdown the computer when the network is below 50 KB/s for 1 min "
                     "(now 20 KB/s)\nKeeping the computer awake until: shutdown the computer when the "
                     "network is below 50 KB/s for 1 min\nSchedule: no items"));
}

void FormCtrlTest::trayQuickActionsFollowTheSavedListAndArmThem() {
    World w;
    w.fake.setNow(2026, 12, 8, 21, 0, 0);
    Program window;
    QMenu* quick = window.Tray->QuickActions1;
    QCOMPARE(quick->title(), QString("Quick actions"));
    QVERIFY2(!quick->menuAction()->isVisible(), "none saved");
    std::string error;
    QVERIFY(window.core.settings().SetQuickActions(
        {{"Lock & leave", ParseArguments({"--in", "90s", "lock"}).request.value()},
         {"Bedtime", ParseArguments({"--at", "22:30", "poweroff"}).request.value()}},
        error));
    QVERIFY(quick->menuAction()->isVisible());
    QStringList items;
    for (QAction* action : quick->actions())
        items << action->text() + " | " + action->toolTip();
    QCOMPARE(items, QStringList({"Lock && leave | --in 1m30s lock", "Bedtime | --at 22:30 poweroff"}));
    quick->actions().at(1)->trigger();
    QCOMPARE(QString::fromStdString(window.StatusText()).section('\n', 0, 0),
             QString("General: turn off the computer at 22:30:00 (in 1 h 30 min)"));
    quick->actions().at(0)->trigger();
    QCOMPARE(QString::fromStdString(window.StatusText()).section('\n', 0, 0),
             QString("General: lock the workstation at 21:01:30 (in 1 min)"));
    // Gone meanwhile (deleted from a second window): said, and the armed action stays.
    window.Tray->QuickActionClick("Gone");
    QCOMPARE(w.dialogs.errors,
             QStringList{"The quick action \"Gone\" was not armed: no quick action named 'Gone'"});
    QVERIFY(window.core.planner().agenda().General());
}

QTEST_MAIN(FormCtrlTest)
#include "FormCtrlTest.moc"
