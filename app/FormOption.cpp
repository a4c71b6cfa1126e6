#include "FormOption.h"

#include "AutoStart.h"
#include "model/DataFolder.h"
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

TFormOption::TFormOption(AppSettings& settings, QWidget* parent) : QWidget(parent), m_settings(settings) {
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
    CheckBox_AutoStartup->setChecked(m_settings.AutoStartup);
    CheckBox_AutoSave->setChecked(m_settings.AutoSave);
    CheckBox_Remind->setChecked(m_settings.Remind);
}

void TFormOption::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormOption::FormShow() {
    // The flag counts, not the box: a box ticked without "Set" is no request to start with the desktop.
    if (m_settings.AutoStartup)
        EnsureRunValueShowingFaults();
}

void TFormOption::SpeedButton1Click() {
    if (CheckBox_AutoStartup->isChecked()) {
        if (!WriteRunValueShowingFaults())
            return;
        m_settings.AutoStartup = true;
    } else {
        DeleteRunValue();
        m_settings.AutoStartup = false;
    }
    const bool autoSaveWasOn = m_settings.AutoSave;
    m_settings.AutoSave = CheckBox_AutoSave->isChecked();
    m_settings.Remind = CheckBox_Remind->isChecked();
    // Stored at once, so the file agrees with the auto-start entry even if the program never reaches
    // "Exit".
    std::string error;
    if (!StoreSettings(m_settings, SettingsFilePath(), error))
        dialogs().Error(QString::fromStdString(error));
    if (!autoSaveWasOn && m_settings.AutoSave)
        emit autoSaveTurnedOn();
}

void TFormOption::SpeedButton2Click() {
    showFlags();
}

} // namespace halvo
