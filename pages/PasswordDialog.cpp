#include "PasswordDialog.h"

#include "core/PasswordGuard.h"
#include "toolkit/Dialogs.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace halvo {

namespace {

QLineEdit* passwordEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(1024);
    return edit;
}

QHBoxLayout* buttonRow(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(QCoreApplication::translate("PasswordDialog", "OK"), dialog);
    ok->setObjectName("Button_OK");
    ok->setDefault(true);
    cancel = new QPushButton(QCoreApplication::translate("PasswordDialog", "Cancel"), dialog);
    cancel->setObjectName("Button_Cancel");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QLabel* errorLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("Label_Error");
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    label->setPalette(palette);
    return label;
}

} // namespace

PasswordDialog::PasswordDialog(PasswordGuard& guard, const QString& what, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_guard(guard) {
    setObjectName("PasswordDialog");
    setWindowTitle(tr("Password"));
    Label_What = new QLabel(tr("Enter the password to %1.").arg(what), this);
    Label_What->setObjectName("Label_What");
    Label_What->setWordWrap(true);
    Edit_Password = passwordEdit(this, "Edit_Password");
    Label_Error = errorLabel(this);
    WaitTimer = new QTimer(this);
    WaitTimer->setInterval(1000);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label_What);
    layout->addWidget(Edit_Password);
    layout->addWidget(Label_Error);
    layout->addLayout(buttonRow(this, Button_OK, Button_Cancel));
    connect(Button_OK, &QPushButton::clicked, this, &PasswordDialog::OKClick);
    connect(WaitTimer, &QTimer::timeout, this, &PasswordDialog::WaitTimerTimer);
    setMinimumWidth(320);
    // Opened during the wait of an earlier dialog, it waits too.
    if (m_guard.secondsToWait() > 0)
        showWait();
}

void PasswordDialog::OKClick() {
    if (!Button_OK->isEnabled())
        return;
    const std::string typed = Edit_Password->text().toStdString();
    Edit_Password->clear();
    switch (m_guard.Try(typed)) {
    case PasswordGuard::Verdict::Right:
        m_passed = true;
        accept();
        return;
    case PasswordGuard::Verdict::Wrong:
        Label_Error->setText(tr("Wrong password."));
        if (m_guard.secondsToWait() > 0)
            showWait();
        return;
    case PasswordGuard::Verdict::Waiting:
        showWait();
        return;
    }
}

void PasswordDialog::showWait() {
    const int seconds = m_guard.secondsToWait();
    if (seconds <= 0) {
        WaitTimer->stop();
        Button_OK->setEnabled(true);
        Label_Error->setText(tr("Wrong password."));
        return;
    }
    Button_OK->setEnabled(false);
    Label_Error->setText(tr("Wrong password. Try again in %n s.", nullptr, seconds));
    WaitTimer->start();
}

void PasswordDialog::WaitTimerTimer() {
    showWait();
}

bool AskPassword(PasswordGuard& guard, const QString& what, QWidget* parent, QPointer<QDialog>* open) {
    if (!guard.isSet())
        return true;
    PasswordDialog dialog(guard, what, parent);
    if (open)
        *open = &dialog;
    // open is let go of by the dialog itself: its holder may be gone by the time the dialog returns.
    return dialogs().RunModal(dialog) == 1 && dialog.passed();
}

NewPasswordDialog::NewPasswordDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("NewPasswordDialog");
    setWindowTitle(tr("Protect with a password"));
    Edit_Password = passwordEdit(this, "Edit_Password");
    Edit_Again = passwordEdit(this, "Edit_Again");
    Label_Error = errorLabel(this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("New password:"), Edit_Password);
    fields->addRow(tr("Once more:"), Edit_Again);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Label_Error);
    layout->addLayout(buttonRow(this, Button_OK, Button_Cancel));
    connect(Button_OK, &QPushButton::clicked, this, &NewPasswordDialog::OKClick);
    setMinimumWidth(320);
}

QString NewPasswordDialog::password() const {
    return Edit_Password->text();
}

void NewPasswordDialog::OKClick() {
    if (Edit_Password->text().size() < PasswordGuard::MinimumLength) {
        Label_Error->setText(
            tr("The password must be at least %1 characters long.").arg(PasswordGuard::MinimumLength));
        return;
    }
    if (Edit_Password->text() != Edit_Again->text()) {
        Label_Error->setText(tr("The two passwords differ."));
        Edit_Again->clear();
        return;
    }
    accept();
}

} // namespace halvo
