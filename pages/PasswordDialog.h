#pragma once

// The small windows of the password: one that asks for it before a guarded change, saying what it guards,
// and one that takes a new password typed twice. A wrong password is said in the window, which stays open
// for the next try; after PasswordGuard::FreeTries wrong tries in a row, OK waits a little longer each time.

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace halvo {

class PasswordGuard;

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    // what: what the password guards, as "cancel the action".
    PasswordDialog(PasswordGuard& guard, const QString& what, QWidget* parent = nullptr);

    QLabel* Label_What;
    QLineEdit* Edit_Password;
    QLabel* Label_Error; // empty until a wrong try
    QPushButton* Button_OK;
    QPushButton* Button_Cancel;
    QTimer* WaitTimer; // runs while OK waits after wrong tries

    // Takes the typed password: accepts the dialog when it is the right one.
    void OKClick();
    // Once a second during the wait: OK comes back when it is over.
    void WaitTimerTimer();
    // The right password was given.
    bool passed() const { return m_passed; }

private:
    void showWait();

    PasswordGuard& m_guard;
    bool m_passed = false;
};

// Asks for the password through the Dialogs service, unless none is set. True when none is set or the
// right one was given. open, when given, holds the dialog while it is up, so that its asker can close it
// (the reminder whose countdown ran out meanwhile).
bool AskPassword(PasswordGuard& guard, const QString& what, QWidget* parent = nullptr,
                 QPointer<QDialog>* open = nullptr);

class NewPasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewPasswordDialog(QWidget* parent = nullptr);

    QLineEdit* Edit_Password;
    QLineEdit* Edit_Again;
    QLabel* Label_Error;
    QPushButton* Button_OK;
    QPushButton* Button_Cancel;

    // Accepts when both are the same and long enough; otherwise says why and stays.
    void OKClick();
    QString password() const;
};

} // namespace halvo
