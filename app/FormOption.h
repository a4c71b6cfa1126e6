#pragma once

// The Option page: the settings as check boxes (keeping the computer awake and waking it among them), the
// countdown bar's edge, and the quick actions' list. "Set"
// takes the boxes into the settings, writes or removes the auto-start value and stores the settings; "Cancel
// Setting" puts the boxes back. Only "Set" acts: a box ticked without it changes nothing, not even the
// auto-start value. "Protect with a password" acts at once: ticked, it takes a new password typed twice;
// unticked, it removes the password (asking for it first); "Change password..." replaces it. While one is
// set, "Set" asks for it before changing anything.

#include <QSize>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

namespace halvo {

class PasswordGuard;
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
    QCheckBox* CheckBox_KeepAwake;     // in GroupBox2
    QCheckBox* CheckBox_WakeFromSleep; // in GroupBox1; disabled, with the reason as its tooltip, where no
                                       // alarm can be set
    QGroupBox* GroupBox3;              // "countdown", with the quick actions and the password
    QCheckBox* CheckBox_CountdownBar;  // "show a countdown bar at the"
    QComboBox* ComboBox_BarEdge;       // "top of the screen", "bottom of the screen"
    QLabel* Label_BarUnsupported;      // why the bar is not offered, where it is not
    QToolButton* QuickActions;         // "Quick actions...": rename, delete and order them
    QToolButton* SpeedButton1;         // "Set"
    QToolButton* SpeedButton2;         // "Cancel Setting"
    QCheckBox* CheckBox_Password;      // "Protect with a password"
    QToolButton* SpeedButton_Password; // "Change password..."

    // The password the page sets, changes and removes, and asks for before "Set"; none hides its controls.
    void SetGuard(PasswordGuard* guard);

    void FormCreate();
    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The saved quick actions in a small list; stored at once on OK, as they are no option of "Set".
    void QuickActionsClick();
    void CheckBox_PasswordClick();
    void SpeedButton_PasswordClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFlags();
    void showPassword();
    // A new password typed twice; nothing changes when the dialog is cancelled.
    void choosePassword();

    Settings& m_settings;
    PasswordGuard* m_guard = nullptr;
};

} // namespace halvo
