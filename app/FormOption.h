#pragma once

// The Option page: the settings as check boxes. "Set" takes the boxes into the settings, writes or
// removes the auto-start value and stores the settings; "Cancel Setting" puts the boxes back. Only "Set"
// acts: a box ticked without it changes nothing, not even the auto-start value.

#include <QSize>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QToolButton;

namespace halvo {

class Settings;

class TFormOption : public QWidget {
    Q_OBJECT
public:
    // settings belongs to the engine and outlives the page.
    explicit TFormOption(Settings& settings, QWidget* parent = nullptr); // FormCreate

    // The page's fixed size on its tab sheet.
    static constexpr QSize PageSize{460, 270};

    QGroupBox* GroupBox1; // "start"
    QCheckBox* CheckBox_AutoStartup;
    QCheckBox* CheckBox_AutoSave;
    QGroupBox* GroupBox2; // "shutdown"
    QCheckBox* CheckBox_Remind;
    QGroupBox* GroupBox3; // "awake"
    QCheckBox* CheckBox_KeepAwake;
    QCheckBox* CheckBox_WakeFromSleep; // disabled, with the reason as its tooltip, where no alarm can be set
    QToolButton* SpeedButton1;         // "Set"
    QToolButton* SpeedButton2;         // "Cancel Setting"

    void FormCreate();
    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFlags();

    Settings& m_settings;
};

} // namespace halvo
