#pragma once

// The execution reminder: announces an action, counts one minute down on its Cancel button and ends with
// run (1: "Execute It!" or the count reaching zero), cancel (2: Cancel, or any other close) or postpone
// (3: "Postpone 10 min"). Cancelling the action from elsewhere (the command line, the tray, arming the
// General page anew) answers its open reminder with Cancel through Button1Click.

#include "model/ScheduleEvaluator.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace halvo {

class TFormExecuteTip : public QDialog {
    Q_OBJECT
public:
    explicit TFormExecuteTip(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;       // "(due at 22:30:00)" for an action that runs late; hidden otherwise
    QPushButton* Button1; // "Cancel", then "Cancel(N)"
    QPushButton* Button2; // "Execute It!"
    QPushButton* Button3; // "Postpone 10 min"
    QTimer* Timer1;
    int Remaining = 60;

    void FormCreate(); // Remaining = 60, Timer1 running
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Timer1Timer();

    // The seconds until the countdown runs the action: the number the Cancel button shows.
    int SecondsLeft() const { return Remaining + 1; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The one reminder of every action (the General page's, a postponed run's, a schedule item's): the dialog
// shown through the Dialogs service.
class ExecuteTipReminder final : public ReminderDialog {
public:
    explicit ExecuteTipReminder(QWidget* parent = nullptr);
    ~ExecuteTipReminder() override;
    void SetLabel2(const std::string& text) override;
    void SetDueLine(const std::string& text) override;
    ReminderAnswer ShowModal() override;
    TFormExecuteTip& dialog() { return *m_dialog; }
    // A line for each reminder waiting for an answer now, oldest first, as the tray and --status show it:
    // "Reminder: turn off the computer in 58 s".
    static std::vector<std::string> CountdownLines();
    // Called at each second an open reminder counts down (the tray's tooltip shows the count).
    static void SetCountObserver(std::function<void()> observer);

private:
    TFormExecuteTip* m_dialog;
};

} // namespace halvo
