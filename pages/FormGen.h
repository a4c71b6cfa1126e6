#pragma once

// The General page: one of the session actions at once ("Do It Now"), or once after a delay or at a
// time of day, always announced by the one-minute reminder. Nothing of it is kept between runs.

#include "model/SimpleAction.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class QToolButton;

namespace halvo {

class TFormExecuteTip;
class UpDown;

class TFormGen : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize PageSize{460, 269};

    explicit TFormGen(QWidget* parent = nullptr); // FormCreate
    ~TFormGen() override;                         // FormClose

    QGroupBox* GroupBox1; // "Do It Now!"
    QComboBox* ComboBox1;
    QToolButton* SpeedButton1; // "Do It Now"
    QGroupBox* GroupBox2;      // "Do It at specific time"
    QComboBox* ComboBox2;
    QGroupBox* GroupBox4;       // "At"
    QRadioButton* RadioButton1; // "None"
    QRadioButton* RadioButton2; // "After"
    QRadioButton* RadioButton3; // "At"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    UpDown* UpDown1;
    UpDown* UpDown2;
    UpDown* UpDown3;
    UpDown* UpDown4;
    UpDown* UpDown5;
    UpDown* UpDown6;
    QToolButton* SpeedButton2; // "AM" / "PM"
    QToolButton* SpeedButton3; // "Set"
    QTimer* Timer1;

    void FormCreate();
    void FormShow();
    void FormClose();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Timer1Timer();

    // Announces the kind with taskCode with the reminder and, unless it is cancelled, runs its task.
    void RunQuickAction(std::int32_t taskCode);

    const TSimpleAction& action() const { return m_action; }

    // From the command line: arm After or At, or disarm, as the page's own controls would, and show it.
    // Like "Set", each answers the open reminder of the action it replaces with Cancel.
    void ArmAfter(std::int32_t taskCode, std::int32_t seconds);
    void ArmAt(std::int32_t taskCode, std::int32_t hour, std::int32_t minute, std::int32_t second);
    void Disarm();

    // The reminder of a timed action was answered with "Postpone 10 min".
    std::function<void(std::int32_t taskCode)> Postponed;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setNoneState();
    // Turns the other timing buttons off and opens only the fields of button (none for "None").
    void selectTiming(QRadioButton* button);
    // The edit's whole text as an integer, or nothing after telling the user it is none.
    std::optional<std::int32_t> readInteger(QLineEdit* edit);
    // The three edits' integers, read in order, or nothing after telling the user of the first that is none.
    std::optional<std::array<std::int32_t, 3>> readHourMinuteSecond(QLineEdit* hour, QLineEdit* minute,
                                                                    QLineEdit* second);
    // The task code of the list's current item, 0 for none.
    static std::int32_t selectedCode(const QComboBox* list);

    // The action that came due is given up: its reminder, when open, ends as if Cancel was pressed.
    void cancelReminder();

    TSimpleAction m_action;
    QPointer<TFormExecuteTip> m_reminder; // open while the action that came due waits for its answer
};

} // namespace halvo
