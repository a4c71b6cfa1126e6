#pragma once

// The General page: one of the session actions at once ("Do It Now"), or once after a delay or at a
// time of day, always announced by the one-minute reminder. The timed action itself is the agenda's (the
// command line arms it as well); the page arms it and shows it. Besides After and At, "When" waits for a
// condition (a program exits, the user is idle, the processor or the network is quiet, the battery is
// low), with its live reading beside it; further rows add conditions that must hold as well. Nothing of it
// is kept between runs.

#include "model/CommandLine.h"
#include "model/Conditions.h"

#include <QMargins>
#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class QToolButton;

namespace halvo {

class ConditionWatch;
class PasswordGuard;
class Planner;
class Settings;
struct AgendaEntry;
class UpDown;

class TFormGen : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize PageSize{460, 269};

    explicit TFormGen(Planner& planner, QWidget* parent = nullptr); // FormCreate
    ~TFormGen() override;                                           // FormClose

    QGroupBox* GroupBox1; // "Do It Now!"
    QComboBox* ComboBox1;
    QToolButton* SpeedButton1; // "Do It Now"
    QGroupBox* GroupBox2;      // "Do It at specific time"
    QComboBox* ComboBox2;
    QGroupBox* GroupBox4;       // "At"
    QRadioButton* RadioButton1; // "None"
    QRadioButton* RadioButton2; // "After"
    QRadioButton* RadioButton3; // "At"
    QRadioButton* RadioButton4; // "When"
    QComboBox* ComboBox3;       // the conditions: "the program exits", ...
    QLineEdit* Edit7;           // the program, the minutes idle, the percent or the KB/s
    QLabel* Label7;             // Edit7's unit
    QLabel* Label8;             // "for"
    QLineEdit* Edit8;           // the minutes of a quiet processor or network
    QLabel* Label9;             // "min"
    QToolButton* SpeedButton4;  // "...": the window picker, for a program
    QLabel* Label10;            // the live reading, or why the condition is not offered
    QToolButton* AddCondition;  // "+": one more condition that must hold as well
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
    QToolButton* SaveQuick;    // "Save as quick action", shown once there is a store for them

    void FormCreate();
    void FormShow();
    void FormClose();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    // The condition chosen: its fields, its default values, and a first reading.
    void ComboBox3Change();
    void SpeedButton4Click();
    // The conditions the rows describe, or nothing after telling the user what is wrong with the first
    // that is.
    std::optional<std::vector<ConditionSpec>> readConditions();

    // A row of "When": the first is made of the members above (ComboBox3, Edit7, SpeedButton4, Label7,
    // Label8, Edit8, Label9, Label10), each later one of controls of its own, after an "and".
    struct ConditionRowControls {
        QLabel* joiner = nullptr; // "and"; none on the first row
        QComboBox* choice = nullptr;
        QWidget* line = nullptr; // holds a later row's controls from value to remove
        QLineEdit* value = nullptr;
        QToolButton* picker = nullptr;
        QLabel* unit = nullptr;
        QLabel* forLabel = nullptr;
        QLineEdit* minutes = nullptr;
        QLabel* minutesUnit = nullptr;
        QLabel* reading = nullptr;
        QToolButton* remove = nullptr;         // "×"; none on the first row
        std::unique_ptr<ConditionWatch> probe; // the chosen condition, read while the page is shown
        std::string probeFailure;
    };
    // As many as fit the page; the command line may arm more, which the page then shows all the same.
    static constexpr int MaxConditionRows = 3;
    int conditionRowCount() const { return int(m_rows.size()); }
    ConditionRowControls& conditionRow(int index) { return *m_rows.at(std::size_t(index)); }
    void AddConditionClick();
    void RemoveConditionClick(int index);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // The shown task and timing saved under a name the user gives, for the tray and --quick.
    void SaveQuickClick();
    // Where the quick actions are kept (the engine's settings); none hides "Save as quick action".
    void SetQuickActionStore(Settings* settings);
    // The shown task and timing as the command line would arm them; nothing (after telling the user what
    // is wrong) for fields that do not make one, or with None chosen.
    std::optional<CommandRequest> readShownAction();
    // Changing or disarming the armed action asks for it first; none (nullptr) asks nothing.
    void SetGuard(PasswordGuard* guard) { m_guard = guard; }

    // The armed General action, also while its reminder is open; null when none is.
    const AgendaEntry* armed() const;
    // Shows the armed action (armed here or from the command line) in the controls, or None once it is gone;
    // the fields the user is editing stay as they are while the same action stays armed.
    void ShowArmed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setNoneState();
    // Turns the other timing buttons off and opens only the fields of button (none for "None").
    void selectTiming(QRadioButton* button);
    // The edit's whole text as an integer, or nothing after telling the user it is none.
    std::optional<std::int32_t> readInteger(QLineEdit* edit);
    // The three edits' integers, read in order, or nothing after telling the user of the first that is none.
    std::optional<std::array<std::int32_t, 3>> readHourMinuteSecond(QLineEdit* hour, QLineEdit* minute,
                                                                    QLineEdit* second);
    // The delay of After, or nothing after telling the user what is wrong with it.
    std::optional<std::int32_t> readDelay();
    // The hour of day, minute and second of At, or nothing after telling the user what is wrong with them.
    std::optional<std::array<std::int32_t, 3>> readTimeOfDay();
    // The task code of the list's current item, 0 for none.
    static std::int32_t selectedCode(const QComboBox* list);

    // A later row's controls, at the end.
    void addConditionRow();
    void removeLastConditionRow();
    // Makes room for the rows in the page's fixed height.
    void fitConditionRows();
    // The row's kind chosen: its fields, its default values, and a first reading.
    void conditionChosen(ConditionRowControls& row);
    // A row whose chosen kind waits for a program.
    static bool choosesProgram(const ConditionRowControls& row);
    void pickProgram(ConditionRowControls& row);
    // While the page is shown with "When" chosen: each row's live reading.
    void probeConditions();
    void probeCondition(ConditionRowControls& row);
    void stopProbes();
    void showReading();
    // Whether what is armed may be replaced or cancelled: nothing armed, no password, or the right one.
    bool mayChangeArmed(const QString& what);

    Planner& m_planner;
    Settings* m_quickStore = nullptr;
    PasswordGuard* m_guard = nullptr;
    std::vector<std::unique_ptr<ConditionRowControls>> m_rows;
    QGridLayout* m_timingGrid;
    QHBoxLayout* m_readingLine; // the rows' readings, in order, and "Set"
    QTimer* m_probeTimer;
    QMargins m_nowMargins; // of "Do It Now!", while one condition row leaves room for them
    int m_shownId = 0;     // the armed action the controls show
};

} // namespace halvo
