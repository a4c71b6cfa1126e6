#pragma once

// The execution reminder: announces an action, counts one minute down on its Cancel button and ends with
// run (1: "Execute It!" or the count reaching zero), cancel (2: Cancel, or any other close) or postpone
// (3: "Postpone 10 min"). Cancelling the action from elsewhere (the command line, the tray, arming the
// General page anew) answers its open reminder with Cancel through CancelFromElsewhere. While a password is
// set, Cancel and "Postpone 10 min" ask for it first; the countdown goes on meanwhile, and the answer is
// taken only when the password was right and the countdown has not run out. Each reminder is a window
// of its own, shown without a wait: several may be open, and each answers when its own minute is up or its
// own button is pressed.

#include "core/Reminders.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace halvo {

class PasswordGuard;

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
    // Cancel and "Postpone 10 min" ask for the password first when one is set (none: they do not ask).
    PasswordGuard* Guard = nullptr;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Timer1Timer();
    // The action was cancelled elsewhere: Cancel without asking.
    void CancelFromElsewhere();
    void done(int result) override;

    // The seconds until the countdown runs the action: the number the Cancel button shows.
    int SecondsLeft() const { return Remaining + 1; }
    // Called at each second counted down.
    std::function<void()> Counted;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Answers result once the password, if any, was given and the reminder is still open.
    void answerGuarded(int result, const QString& what);

    QPointer<QDialog> m_asking; // the password dialog while it is up
    bool m_decided = false;
};

// The reminders of every action (the General page's, a postponed run's, a schedule item's) as the engine
// asks for them: each a TFormExecuteTip of its own.
class ExecuteTipReminders final : public ReminderService {
public:
    std::unique_ptr<OpenReminder> Open(const ReminderRequest& request, Handlers handlers) override;
    // The reminder windows on the screen now, oldest first.
    const std::vector<TFormExecuteTip*>& openWindows() const { return m_open; }
    // The password the reminders opened from now on ask for; none when nullptr.
    void SetGuard(PasswordGuard* guard) { m_guard = guard; }

private:
    std::vector<TFormExecuteTip*> m_open;
    PasswordGuard* m_guard = nullptr;
};

} // namespace halvo
