#pragma once

// The General page: one of the session actions at once ("Do It Now"), or once after a delay or at a
// time of day, always announced by the one-minute reminder. The timed action itself is the agenda's (the
// command line arms it as well); the page arms it and shows it. Nothing of it is kept between runs.

#include <cstdint>

#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace halvo {

class Planner;
struct AgendaEntry;
class UpDown;

class TFormGen : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize PageSize{460, 269};

    explicit TFormGen(Planner& planner, QWidget* parent = nullptr); // FormCreate
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

    void FormCreate();
    void FormShow();
    void FormClose();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

    // The armed General action, also while its reminder is open; null when none is.
    const AgendaEntry* armed() const;
    // Shows the armed action (armed here or from the command line) in the controls, or None once it is gone;
    // the fields the user is editing stay as they are while the same action stays armed.
    void ShowArmed();

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

    Planner& m_planner;
    int m_shownId = 0; // the armed action the controls show
};

} // namespace halvo
