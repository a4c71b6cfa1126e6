#include "FormOption.h"

#include "AutoStart.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QShowEvent>
#include <QToolButton>

namespace halvo {

namespace {

QCheckBox* makeBox(QWidget* parent, const char* name, const char* caption, const QPoint& at) {
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

    GroupBox1 = new QGroupBox("start", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(0, 2, 459, 95);
    CheckBox_AutoStartup =
        makeBox(GroupBox1, "CheckBox_AutoStartup", "auto startup when windows startup", QPoint(16, 24));
    CheckBox_AutoSave =
        makeBox(GroupBox1, "CheckBox_AutoSave", "auto save the schedule setting", QPoint(16, 52));

    GroupBox2 = new QGroupBox("shutdown", this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(0, 99, 459, 67);
    CheckBox_Remind =
        makeBox(GroupBox2, "CheckBox_Remind", "remind me before shutdown/restart/log off", QPoint(17, 24));

    // Below the buttons, in the room the page has left.
    GroupBox3 = new QGroupBox(tr("awake"), this);
    GroupBox3->setObjectName("GroupBox3");
    GroupBox3->setGeometry(0, 212, 459, 58);
    CheckBox_KeepAwake = makeBox(GroupBox3, "CheckBox_KeepAwake", "", QPoint(17, 16));
    CheckBox_KeepAwake->setText(tr("keep the computer awake while an action waits"));
    CheckBox_KeepAwake->adjustSize();
    CheckBox_WakeFromSleep = makeBox(GroupBox3, "CheckBox_WakeFromSleep", "", QPoint(17, 35));
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

    SpeedButton1 = makeBoldFlatButton(this, "SpeedButton1", "Set");
    SpeedButton1->setGeometry(43, 176, 129, 33);
    SpeedButton2 = makeBoldFlatButton(this, "SpeedButton2", "Cancel Setting");
    SpeedButton2->setGeometry(269, 176, 129, 33);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

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

} // namespace halvo
