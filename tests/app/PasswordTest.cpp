#include "app/FormOption.h"
#include "app/TrayMenu.h"
#include "core/Engine.h"
#include "core/PasswordGuard.h"
#include "model/Agenda.h"
#include "model/Schedule.h"
#include "pages/FormExecuteTip.h"
#include "pages/FormGen.h"
#include "pages/FormSch.h"
#include "pages/FormSchWizard.h"
#include "pages/PasswordDialog.h"
#include "tests/helpers/ProgramUnderTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

using namespace halvo;

namespace {

const std::string Right = "bedtime-21";
const std::string Wrong = "bedtime-22";

// Few rounds, so that the table runs quickly; the stored form carries its count.
void setPassword(PasswordGuard& guard, const std::string& password) {
    QVERIFY(platform().profiles().writeKey(SettingsFile, "setting", PasswordGuard::Key,
                                           PasswordGuard::Hash(password, 1000)));
    guard.Load();
}

// Scripts the next password dialog: records what it says, types text and presses OK once.
struct PasswordAnswer {
    QString what;
    QString error;
    bool shown = false;
};
std::function<int(QDialog&)> typing(const std::string& text, std::shared_ptr<PasswordAnswer> seen) {
    return [text, seen](QDialog& dialog) {
        auto* asking = qobject_cast<PasswordDialog*>(&dialog);
        if (!asking)
            return 2;
        seen->shown = true;
        seen->what = asking->Label_What->text();
        asking->Edit_Password->setText(QString::fromStdString(text));
        asking->OKClick();
        seen->error = asking->Label_Error->text();
        return asking->result() == QDialog::Accepted ? 1 : 2;
    };
}

// One guarded path: what it says it guards, how it is taken, and whether it was taken.
struct Path {
    QString what;
    std::function<void()> act;
    std::function<bool()> done;
};

} // namespace

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void everyGuardedPath_data();
    void everyGuardedPath();
    void storedHashIsSaltedAndNeverThePassword();
    void wrongTriesWaitLongerEachTimeOnTheClock();
    void reminderCountdownGoesOnAndWinsWhileAsking();
    void optionPageSetsChangesAndRemovesThePassword();
};

void PasswordTest::everyGuardedPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("state");
    const char* paths[] = {"reminder Cancel", "reminder Postpone", "General re-arm", "General disarm",
                           "General task",    "tray cancel",       "tray Exit",      "schedule add",
                           "schedule modify", "schedule delete",   "options",        "--cancel",
                           "--now",           "--in replacing",    "--at replacing", "--when replacing"};
    for (const char* path : paths)
        for (const char* state : {"no password", "right", "wrong", "none given"})
            if (QString(path).startsWith("--") || QString(state) != "none given")
                QTest::addRow("%s, %s", path, state) << QString(path) << QString(state);
}

void PasswordTest::everyGuardedPath() {
    QFETCH(QString, path);
    QFETCH(QString, state);
    WindowTestWorld<> w;
    Program p;
    p.Setting1Click();
    Planner& planner = p.core.planner();
    if (state != "no password")
        setPassword(p.core.guard(), Right);
    const auto seen = std::make_shared<PasswordAnswer>();
    if (state == "right" || state == "wrong")
        w.dialogs.modalHandlers.push_back(typing(state == "right" ? Right : Wrong, seen));

    // The command line: the request as the socket hands it over, with the password of the state.
    std::string answer;
    const auto request = [&](const std::string& words) {
        const std::string line = std::string(ProtocolPrefix) + " " + words;
        if (state == "right" || state == "wrong") {
            CommandRequest decoded;
            std::string error;
            decoded = *DecodeRequest(line, error);
            decoded.password = state == "right" ? Right : Wrong;
            answer = p.Request(EncodeRequest(decoded));
        } else {
            answer = p.Request(line);
        }
    };

    ExecuteTipReminders reminderWindows;
    reminderWindows.SetGuard(&p.core.guard());
    std::optional<ReminderAnswer> reminderAnswer;
    std::unique_ptr<OpenReminder> reminder;
    const auto openReminder = [&] {
        reminder =
            reminderWindows.Open({"Shut down", ""}, {[&](ReminderAnswer a) { reminderAnswer = a; }, {}});
        reminder->Show();
    };
    const auto armedSeconds = [&] {
        const AgendaEntry* armed = planner.agenda().General();
        return armed && armed->timing ? armed->timing->seconds : -1;
    };
    const auto scheduleItem = [&] {
        TScheduleItem& item = p.core.schedule().manager().Add();
        item.ItemName = "night";
        item.Task = TaskFromCode(1);
        p.Schedule1Click();
        p.FormSch->AdvListView1->clear();
        p.FormSch->AdvListView1->addTopLevelItem(new QTreeWidgetItem(QStringList{"night"}));
        p.FormSch->AdvListView1->topLevelItem(0)->setSelected(true);
    };
    // An action the command line armed for an hour, and the General page showing it.
    const auto generalPageOnArmed = [&] {
        planner.armAfter(ActionSource::CommandLine, 1, 3600);
        p.General1Click();
    };
    // The General page armed an action for an hour; then the command line asks.
    const auto requestOverGeneralPage = [&](const std::string& words) {
        planner.armAfter(ActionSource::GeneralPage, 1, 3600);
        request(words);
    };
    bool wizardOpened = false;
    const auto wizardWatch = [&] {
        w.dialogs.modalHandlers.push_back([&wizardOpened](QDialog& dialog) {
            wizardOpened = qobject_cast<TFormSchWizard*>(&dialog) != nullptr;
            return 2;
        });
    };

    const std::map<QString, Path> paths = {
        {"reminder Cancel",
         {"cancel the action", [&] { openReminder(), reminderWindows.openWindows().front()->Button1Click(); },
          [&] { return reminderAnswer == ReminderAnswer::Cancel; }}},
        {"reminder Postpone",
         {"postpone the action",
          [&] { openReminder(), reminderWindows.openWindows().front()->Button3Click(); },
          [&] { return reminderAnswer == ReminderAnswer::Postpone; }}},
        {"General re-arm",
         {"replace the armed action",
          [&] {
              generalPageOnArmed();
              p.FormGen->RadioButton2->click();
              p.FormGen->Edit1->setText("2");
              p.FormGen->Edit2->setText("0");
              p.FormGen->Edit3->setText("0");
              p.FormGen->SpeedButton3Click();
          },
          [&] { return armedSeconds() == 7200; }}},
        {"General disarm",
         {"cancel the armed action",
          [&] {
              generalPageOnArmed();
              p.FormGen->RadioButton1->click();
              p.FormGen->SpeedButton3Click();
          },
          [&] { return !planner.agenda().General(); }}},
        {"General task",
         {"change the armed action",
          [&] {
              generalPageOnArmed();
              p.FormGen->ComboBox2->setCurrentIndex(p.FormGen->ComboBox2->findData(11));
          },
          [&] {
              const bool changed = planner.agenda().General()->task->Code == 11;
              // The list shows what is armed either way.
              return changed && p.FormGen->ComboBox2->currentData().toInt() == 11;
          }}},
        {"tray cancel",
         {"cancel the postponed action",
          [&] {
              planner.postpone(TaskFromCode(11), "Lock", false);
              p.Tray->CancelPostponed1->trigger();
          },
          [&] { return !planner.hasPostponed(); }}},
        {"tray Exit",
         {"exit Halvo Shutdown", [&] { p.Tray->Exit1->trigger(); }, [&] { return p.exitRequested(); }}},
        {"schedule add",
         {"add a schedule item",
          [&] {
              p.Schedule1Click();
              wizardWatch();
              p.FormSch->SpeedButton1Click();
          },
          [&] { return wizardOpened; }}},
        {"schedule modify",
         {"change a schedule item",
          [&] {
              scheduleItem();
              wizardWatch();
              p.FormSch->SpeedButton2Click();
          },
          [&] { return wizardOpened; }}},
        {"schedule delete",
         {"delete a schedule item",
          [&] {
              scheduleItem();
              p.FormSch->SpeedButton3Click();
          },
          [&] { return p.core.schedule().manager().Count() == 0; }}},
        {"options",
         {"change the options",
          [&] {
              p.Option1Click();
              p.FormOption->CheckBox_Remind->setChecked(!p.Settings().Remind);
              p.FormOption->SpeedButton1Click();
          },
          [&] { return p.FormOption->CheckBox_Remind->isChecked() == p.Settings().Remind; }}},
        {"--cancel",
         {QString(), [&] { requestOverGeneralPage("cancel"); }, [&] { return !planner.agenda().General(); }}},
        {"--now",
         {QString(), [&] { request("now lock"); },
          [&] {
              QTest::qWait(20);
              return w.platform.calls.end() !=
                     std::find(w.platform.calls.begin(), w.platform.calls.end(), "lock");
          }}},
        {"--in replacing",
         {QString(), [&] { requestOverGeneralPage("in 7200 shutdown"); },
          [&] { return armedSeconds() == 7200; }}},
        {"--at replacing",
         {QString(), [&] { requestOverGeneralPage("at 23:00:00 shutdown"); },
          [&] {
              const AgendaEntry* armed = planner.agenda().General();
              return armed && armed->timing->mode == GeneralTiming::Mode::At && armed->timing->hour == 23;
          }}},
        {"--when replacing",
         {QString(),
          [&] {
              w.platform.activityFake.idle = {60000, {}};
              requestOverGeneralPage("when idle:15m lock");
          },
          [&] { return planner.agenda().General() && planner.agenda().General()->task->Code == 11; }}},
    };
    const Path& taken = paths.at(path);
    taken.act();
    const bool commandLine = path.startsWith("--");
    const bool passes = state == "no password" || state == "right";
    QCOMPARE(taken.done(), passes);
    if (commandLine) {
        const std::map<QString, std::string> answers = {
            {"no password", "ok"},
            {"right", "ok"},
            {"wrong", "error refused: wrong password"},
            {"none given", "error refused: a password protects this; give it with --password-file FILE or "
                           "--password - (read from standard input)"}};
        QCOMPARE(QString::fromStdString(answer), QString::fromStdString(answers.at(state)));
        QVERIFY(!seen->shown);
        return;
    }
    QCOMPARE(seen->shown, state != "no password");
    if (seen->shown) {
        QCOMPARE(seen->what, "Enter the password to " + taken.what + ".");
        QCOMPARE(seen->error, state == "wrong" ? QString("Wrong password.") : QString());
    }
}

void PasswordTest::storedHashIsSaltedAndNeverThePassword() {
    WindowTestWorld<> w;
    PasswordGuard guard;
    std::string error;
    QVERIFY(!guard.Set("short", error));
    QCOMPARE(QString::fromStdString(error), QString("The password must be at least 6 characters long."));
    QVERIFY(!guard.isSet());

    QVERIFY(guard.Set(Right, error));
    const std::string first = guard.stored();
    QVERIFY(guard.Set(Right, error));
    const std::string second = guard.stored();
    QVERIFY(first != second);
    for (const std::string& stored : {first, second}) {
        QVERIFY(stored.starts_with("pbkdf2-sha256$120000$"));
        QVERIFY(stored.find(Right) == std::string::npos);
        QVERIFY(PasswordGuard::Matches(stored, Right));
        QVERIFY(!PasswordGuard::Matches(stored, Wrong));
    }
    // Only the hash reaches the file, and a later start reads it back.
    const std::string& file = w.platform.storedFiles[SettingsFile];
    QVERIFY(file.find("Setting_Password=" + second) != std::string::npos);
    QVERIFY(file.find(Right) == std::string::npos);
    PasswordGuard later;
    later.Load();
    QCOMPARE(later.stored(), second);
    QCOMPARE(later.Try(Right), PasswordGuard::Verdict::Right);

    // A damaged stored form lets no password through.
    for (const std::string& damaged :
         {std::string("pbkdf2-sha256$0$") + second.substr(22), first.substr(0, first.size() - 4),
          std::string("md5$1$AAAA$AAAA"), Right})
        QVERIFY(!PasswordGuard::Matches(damaged, Right));

    QVERIFY(later.Remove(error));
    QVERIFY(!later.isSet());
    PasswordGuard afterRemoval;
    afterRemoval.Load();
    QVERIFY(!afterRemoval.isSet());
}

void PasswordTest::wrongTriesWaitLongerEachTimeOnTheClock() {
    WindowTestWorld<> w;
    PasswordGuard guard;
    setPassword(guard, Right);
    PasswordDialog dialog(guard, "exit Halvo Shutdown");
    const auto attempt = [&](const std::string& text) {
        dialog.Edit_Password->setText(QString::fromStdString(text));
        dialog.OKClick();
    };
    for (int i = 0; i < 4; ++i) {
        attempt(Wrong);
        QCOMPARE(guard.secondsToWait(), 0);
        QVERIFY(dialog.Button_OK->isEnabled());
    }
    // The fifth wrong try in a row: 5 s, then 10 s after the sixth, and so on.
    for (int wait : {5, 10, 15}) {
        attempt(Wrong);
        QCOMPARE(dialog.Label_Error->text(), QString("Wrong password. Try again in %1 s.").arg(wait));
        QVERIFY(!dialog.Button_OK->isEnabled());
        QVERIFY(dialog.WaitTimer->isActive());
        // Even the right password is not taken during the wait.
        attempt(Right);
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(guard.Try(Right), PasswordGuard::Verdict::Waiting);
        w.platform.advanceMilliseconds(wait * 1000 - 1000);
        dialog.WaitTimerTimer();
        QCOMPARE(dialog.Label_Error->text(), QString("Wrong password. Try again in 1 s."));
        w.platform.advanceMilliseconds(1000);
        dialog.WaitTimerTimer();
        QVERIFY(dialog.Button_OK->isEnabled());
        QVERIFY(!dialog.WaitTimer->isActive());
    }
    // A dialog opened during the wait waits too; the right password afterwards starts the count over.
    attempt(Wrong);
    PasswordDialog another(guard, "exit Halvo Shutdown");
    QVERIFY(!another.Button_OK->isEnabled());
    QCOMPARE(another.Label_Error->text(), QString("Wrong password. Try again in 20 s."));
    w.platform.advanceMilliseconds(20000);
    dialog.WaitTimerTimer();
    attempt(Right);
    QVERIFY(dialog.passed());
    QCOMPARE(guard.wrongTries(), 0);
}

void PasswordTest::reminderCountdownGoesOnAndWinsWhileAsking() {
    WindowTestWorld<> w;
    PasswordGuard guard;
    setPassword(guard, Right);
    ExecuteTipReminders windows;
    windows.SetGuard(&guard);
    std::vector<ReminderAnswer> answers;
    auto reminder = windows.Open({"Shut down", ""}, {[&](ReminderAnswer a) { answers.push_back(a); }, {}});
    reminder->Show();
    TFormExecuteTip* tip = windows.openWindows().front();
    // The minute runs out while the password is being typed: the action runs, and the right password
    // typed afterwards cancels nothing.
    w.dialogs.modalHandlers.push_back([&](QDialog& dialog) {
        auto& asking = static_cast<PasswordDialog&>(dialog);
        while (tip->Remaining >= 0 && answers.empty())
            tip->Timer1Timer();
        asking.Edit_Password->setText(QString::fromStdString(Right));
        asking.OKClick();
        return asking.result() == QDialog::Accepted ? 1 : 2;
    });
    tip->Button1Click();
    QCOMPARE(answers, std::vector<ReminderAnswer>{ReminderAnswer::Execute});

    // "Execute It!" asks nothing, and a cancel from elsewhere needs no password.
    auto second = windows.Open({"Lock", ""}, {[&](ReminderAnswer a) { answers.push_back(a); }, {}});
    windows.openWindows().back()->Button2Click();
    auto third = windows.Open({"Lock", ""}, {[&](ReminderAnswer a) { answers.push_back(a); }, {}});
    third->Cancel();
    QCOMPARE(answers, (std::vector<ReminderAnswer>{ReminderAnswer::Execute, ReminderAnswer::Execute,
                                                   ReminderAnswer::Cancel}));
    QCOMPARE(w.dialogs.modalDialogs.size(), 1);
}

void PasswordTest::optionPageSetsChangesAndRemovesThePassword() {
    WindowTestWorld<> w;
    Program p;
    p.Setting1Click();
    p.Option1Click();
    TFormOption& page = *p.FormOption;
    QCOMPARE(page.CheckBox_Password->text(), QString("Protect with a password"));
    QVERIFY(!page.CheckBox_Password->isChecked());
    QVERIFY(!page.SpeedButton_Password->isEnabled());
    const auto newPassword = [&](const QString& first, const QString& again, QString* error = nullptr) {
        w.dialogs.modalHandlers.push_back([=](QDialog& dialog) {
            auto& typed = static_cast<NewPasswordDialog&>(dialog);
            typed.Edit_Password->setText(first);
            typed.Edit_Again->setText(again);
            typed.OKClick();
            if (error)
                *error = typed.Label_Error->text();
            return typed.result() == QDialog::Accepted ? 1 : 2;
        });
    };
    // Typed twice, long enough.
    QString error;
    newPassword("abc", "abc", &error);
    page.CheckBox_Password->click();
    QCOMPARE(error, QString("The password must be at least 6 characters long."));
    newPassword("abcdefg", "abcdefh", &error);
    page.CheckBox_Password->click();
    QCOMPARE(error, QString("The two passwords differ."));
    QVERIFY(!p.core.guard().isSet());
    QVERIFY(!page.CheckBox_Password->isChecked());

    newPassword(QString::fromStdString(Right), QString::fromStdString(Right));
    page.CheckBox_Password->click();
    QVERIFY(page.CheckBox_Password->isChecked());
    QVERIFY(page.SpeedButton_Password->isEnabled());
    QVERIFY(PasswordGuard::Matches(p.core.guard().stored(), Right));

    // Changing it needs the old one.
    const auto seen = std::make_shared<PasswordAnswer>();
    w.dialogs.modalHandlers.push_back(typing(Wrong, seen));
    page.SpeedButton_Password->click();
    QVERIFY(PasswordGuard::Matches(p.core.guard().stored(), Right));
    w.dialogs.modalHandlers.push_back(typing(Right, seen));
    newPassword("new-password", "new-password");
    page.SpeedButton_Password->click();
    QCOMPARE(seen->what, QString("Enter the password to change the password."));
    QVERIFY(PasswordGuard::Matches(p.core.guard().stored(), "new-password"));

    // So does removing it; refused, the box stays ticked.
    w.dialogs.modalHandlers.push_back(typing(Right, seen));
    page.CheckBox_Password->click();
    QVERIFY(page.CheckBox_Password->isChecked());
    w.dialogs.modalHandlers.push_back(typing("new-password", seen));
    page.CheckBox_Password->click();
    QCOMPARE(seen->what, QString("Enter the password to remove the password."));
    QVERIFY(!page.CheckBox_Password->isChecked());
    QVERIFY(!p.core.guard().isSet());
}

QTEST_MAIN(PasswordTest)
#include "PasswordTest.moc"
