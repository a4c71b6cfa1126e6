#include "FormOption.h"

#include "AutoStart.h"
#include "CountdownBar.h"
#include "QuickActionsDialog.h"
#include "core/PasswordGuard.h"
#include "core/Settings.h"
#include "pages/PasswordDialog.h"
#include "platform/Platform.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>

namespace halvo {

namespace {

QCheckBox* makeBox(QWidget* parent, const char* name, const QString& caption, const QPoint& at) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->move(at);
    box->adjustSize();
    return box;
}

} // namespace

TFormOption::TFormOption(Settings& settings, QWidget* parent) : QWidget(parent), m_settings(settings) {
    setObjectName("FormOption");
    setFixedSize(PageSize);

    GroupBox1 = new QGroupBox(tr("start"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(0, 2, 459, 95);
    CheckBox_AutoStartup =
        makeBox(GroupBox1, "CheckBox_AutoStartup", tr("auto startup when windows startup"), QPoint(16, 24));
    CheckBox_AutoSave =
        makeBox(GroupBox1, "CheckBox_AutoSave", tr("auto save the schedule setting"), QPoint(16, 52));

    GroupBox2 = new QGroupBox(tr("shutdown"), this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(0, 99, 459, 67);
    CheckBox_Remind = makeBox(GroupBox2, "CheckBox_Remind", tr("remind me before shutdown/restart/log off"),
                              QPoint(17, 24));

    // The room the page has: a second line in each group, and one group below the buttons for the countdown
    // bar, the quick actions and the password.
    CheckBox_WakeFromSleep = makeBox(GroupBox1, "CheckBox_WakeFromSleep", "", QPoint(16, 72));
    CheckBox_WakeFromSleep->setText(tr("wake the computer from sleep for scheduled actions"));
    CheckBox_WakeFromSleep->adjustSize();
    const std::string problem = platform().powerHolds().wakeAlarmProblem();
    if (problem.empty()) {
        CheckBox_WakeFromSleep->setToolTip(
            tr("Only from sleep or hibernation: a computer that is powered off is not turned on."));
    } else {
        CheckBox_WakeFromSleep->setEnabled(false);
        CheckBox_WakeFromSleep->setToolTip(tr("Not available: %1").arg(QString::fromStdString(problem)));
    }
    CheckBox_KeepAwake = makeBox(GroupBox2, "CheckBox_KeepAwake", "", QPoint(17, 44));
    CheckBox_KeepAwake->setText(tr("keep the computer awake while an action waits"));
    CheckBox_KeepAwake->adjustSize();

    GroupBox3 = new QGroupBox(tr("countdown"), this);
    GroupBox3->setObjectName("GroupBox3");
    GroupBox3->setGeometry(0, 212, 459, 58);
    CheckBox_CountdownBar = makeBox(GroupBox3, "CheckBox_CountdownBar", "", QPoint(17, 15));
    CheckBox_CountdownBar->setText(tr("show a countdown bar at the"));
    CheckBox_CountdownBar->adjustSize();
    ComboBox_BarEdge = new QComboBox(GroupBox3);
    ComboBox_BarEdge->setObjectName("ComboBox_BarEdge");
    ComboBox_BarEdge->addItem(tr("top of the screen"), int(AppSettings::Bar::Top));
    ComboBox_BarEdge->addItem(tr("bottom of the screen"), int(AppSettings::Bar::Bottom));
    ComboBox_BarEdge->adjustSize();
    ComboBox_BarEdge->move(CheckBox_CountdownBar->geometry().right() + 4, 12);
    // Where the bar cannot be, the reason stands in the group's title line.
    Label_BarUnsupported = new QLabel(tr("Wayland lets no program place a bar on the screen"), GroupBox3);
    Label_BarUnsupported->setObjectName("Label_BarUnsupported");
    Label_BarUnsupported->setAutoFillBackground(true);
    Label_BarUnsupported->adjustSize();
    Label_BarUnsupported->move(100, 0);
    const bool barSupported = CountdownBar::Supported();
    CheckBox_CountdownBar->setEnabled(barSupported);
    ComboBox_BarEdge->setEnabled(barSupported);
    Label_BarUnsupported->setVisible(!barSupported);

    SpeedButton1 = makeBoldFlatButton(this, "SpeedButton1", tr("Set"));
    SpeedButton1->setGeometry(43, 176, 129, 33);
    SpeedButton2 = makeBoldFlatButton(this, "SpeedButton2", tr("Cancel Setting"));
    SpeedButton2->setGeometry(269, 176, 129, 33);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

    CheckBox_Password = makeBox(GroupBox3, "CheckBox_Password", "", QPoint(17, 36));
    CheckBox_Password->setText(tr("Protect with a password"));
    CheckBox_Password->adjustSize();
    SpeedButton_Password = makeFlatButton(GroupBox3, "SpeedButton_Password", tr("Change password..."));
    // At the right end, as wide as its words need.
    const int passwordWidth = std::max(119, SpeedButton_Password->sizeHint().width());
    SpeedButton_Password->setGeometry(449 - passwordWidth, 34, passwordWidth, 22);
    QuickActions = new QToolButton(GroupBox3);
    QuickActions->setObjectName("QuickActions");
    QuickActions->setText(tr("Quick actions..."));
    // On the password's line, left of its button and clear of its box however wide their words are.
    const int quickLeft = std::max(CheckBox_Password->geometry().right() + 6,
                                   443 - passwordWidth - QuickActions->sizeHint().width());
    QuickActions->setGeometry(quickLeft, 34, 443 - passwordWidth - quickLeft, 22);
    connect(QuickActions, &QToolButton::clicked, this, [this] { QuickActionsClick(); });
    connect(CheckBox_Password, &QCheckBox::clicked, this, [this] { CheckBox_PasswordClick(); });
    connect(SpeedButton_Password, &QToolButton::clicked, this, [this] { SpeedButton_PasswordClick(); });
    showPassword();

    FormCreate();
}

void TFormOption::FormCreate() {
    showFlags();
}

void TFormOption::showFlags() {
    const AppSettings& values = m_settings.values();
    CheckBox_AutoStartup->setChecked(values.AutoStartup);
    CheckBox_AutoSave->setChecked(values.AutoSave);
    CheckBox_Remind->setChecked(values.Remind);
    CheckBox_CountdownBar->setChecked(values.CountdownBar != AppSettings::Bar::None);
    ComboBox_BarEdge->setCurrentIndex(values.CountdownBar == AppSettings::Bar::Bottom ? 1 : 0);
    CheckBox_KeepAwake->setChecked(values.KeepAwake);
    CheckBox_WakeFromSleep->setChecked(values.WakeForSchedule && CheckBox_WakeFromSleep->isEnabled());
}

void TFormOption::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormOption::FormShow() {
    // The flag counts, not the box: a box ticked without "Set" is no request to start with the desktop.
    if (m_settings.values().AutoStartup)
        EnsureRunValueShowingFaults();
}

void TFormOption::SpeedButton1Click() {
    const AppSettings& now = m_settings.values();
    const bool changes = CheckBox_AutoStartup->isChecked() != now.AutoStartup ||
                         CheckBox_AutoSave->isChecked() != now.AutoSave ||
                         CheckBox_Remind->isChecked() != now.Remind;
    if (changes && m_guard && !AskPassword(*m_guard, tr("change the options"), this))
        return;
    AppSettings values = m_settings.values();
    if (CheckBox_AutoStartup->isChecked()) {
        if (!WriteRunValueShowingFaults())
            return;
        values.AutoStartup = true;
    } else {
        DeleteRunValue();
        values.AutoStartup = false;
    }
    values.AutoSave = CheckBox_AutoSave->isChecked();
    values.Remind = CheckBox_Remind->isChecked();
    values.CountdownBar = CheckBox_CountdownBar->isChecked()
                              ? AppSettings::Bar(ComboBox_BarEdge->currentData().toInt())
                              : AppSettings::Bar::None;
    values.KeepAwake = CheckBox_KeepAwake->isChecked();
    const bool wakeTurnedOn = !values.WakeForSchedule && CheckBox_WakeFromSleep->isChecked();
    values.WakeForSchedule = CheckBox_WakeFromSleep->isChecked();
    // Stored at once, so the file agrees with the auto-start entry even if the program never reaches
    // "Exit"; the engine stores the schedule from the moment AutoSave is on.
    std::string error;
    if (!m_settings.Apply(values, error))
        dialogs().Error(QString::fromStdString(error));
    // Said once, when it is turned on: a system setting that keeps the alarms from waking the computer.
    if (wakeTurnedOn)
        if (const std::string caveat = platform().powerHolds().wakeAlarmCaveat(); !caveat.empty())
            dialogs().Message(QString::fromStdString(caveat));
}

void TFormOption::SpeedButton2Click() {
    showFlags();
}

void TFormOption::QuickActionsClick() {
    QuickActionsDialog dialog(m_settings.quickActions(), this);
    // A name that cannot be kept is said, and the list comes back as it was left.
    while (dialogs().RunModal(dialog) == 1) {
        std::string error;
        auto actions = dialog.actions(error);
        if (!actions) {
            dialogs().Error(QString::fromStdString(error));
            continue;
        }
        if (!m_settings.SetQuickActions(std::move(*actions), error))
            dialogs().Error(QString::fromStdString(error));
        return;
    }
}

void TFormOption::SetGuard(PasswordGuard* guard) {
    m_guard = guard;
    showPassword();
}

void TFormOption::showPassword() {
    CheckBox_Password->setVisible(m_guard != nullptr);
    SpeedButton_Password->setVisible(m_guard != nullptr);
    const bool set = m_guard && m_guard->isSet();
    CheckBox_Password->setChecked(set);
    SpeedButton_Password->setEnabled(set);
}

void TFormOption::choosePassword() {
    NewPasswordDialog dialog(this);
    if (dialogs().RunModal(dialog) != 1 || dialog.result() != QDialog::Accepted)
        return;
    std::string error;
    if (!m_guard->Set(dialog.password().toStdString(), error))
        dialogs().Error(QString::fromStdString(error));
}

void TFormOption::CheckBox_PasswordClick() {
    if (m_guard && !m_guard->isSet()) {
        choosePassword();
    } else if (m_guard && AskPassword(*m_guard, tr("remove the password"), this)) {
        std::string error;
        if (!m_guard->Remove(error))
            dialogs().Error(QString::fromStdString(error));
    }
    showPassword();
}

void TFormOption::SpeedButton_PasswordClick() {
    if (m_guard && m_guard->isSet() && AskPassword(*m_guard, tr("change the password"), this))
        choosePassword();
    showPassword();
}

} // namespace halvo
