#pragma once

// The four-page wizard that fills one schedule item: its name, its task with the task's parameter, its
// time rule with the text shown in the Schedule page's "Time" column, and a closing page. It writes
// straight into the item it is given; the caller decides what becomes of the item on Cancel.

#include "model/Schedule.h"
#include "model/ScheduleItemDraft.h"
#include "toolkit/TimeFormat.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;
class QTime;
class QTimeEdit;
class QToolButton;
class QWidget;

namespace halvo {

class TFormSchWizard : public QDialog {
    Q_OBJECT
public:
    explicit TFormSchWizard(QWidget* parent = nullptr);

    void SetScheduleItem(TScheduleItem* item) { ScheduleItem = item; }
    void SetIsNew(bool isNew) { IsNew = isNew; }

    // Page indexes of PageControl1.
    enum Page { SchNamePage = 0, TaskPage = 1, TimePage = 2, CompletePage = 3 };

    QStackedWidget* PageControl1;
    QWidget* TabSheet_SchName;
    QWidget* TabSheet_Task;
    QWidget* TabSheet_Time;
    QWidget* TabSheet_Complete;

    QToolButton* SpeedButton1; // "<<Prev"
    QToolButton* SpeedButton2; // "Next>>", then "Complete"
    QToolButton* SpeedButton3; // "Help", which does nothing

    QLabel* Label1;
    QLineEdit* Edit1;

    QLabel* Label2;
    QComboBox* ComboBox1;
    QLabel* Label_Para;
    QLineEdit* Edit_Para;
    QToolButton* SpeedButton4; // "Browse" for "Close program" and "Execute"
    QPlainTextEdit* Memo1;

    QGroupBox* GroupBox1; // "Time"
    QLabel* Label3;
    QTimeEdit* DateTimePicker1;
    QGroupBox* GroupBox2;       // "Date"
    QRadioButton* RadioButton1; // "Once"
    QDateEdit* DateTimePicker2;
    QRadioButton* RadioButton2; // "everyday"
    QRadioButton* RadioButton3; // "Everyweek"
    QComboBox* ComboBox2;
    QRadioButton* RadioButton4; // "Everymonth"
    QComboBox* ComboBox3;

    QLabel* Label4;

    TScheduleItem* ScheduleItem = nullptr;
    bool IsNew = false;
    std::int32_t ProcessId = 0;

    void FormCreate();
    void FormShow();
    // Closing is always allowed; any result but OK (only through "Complete") becomes Cancel.
    int FormCloseQuery(int result);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton4Click();
    void TabSheet_SchNameShow();
    void TabSheet_TaskShow();
    void TabSheet_TimeShow();
    void TabSheet_CompleteShow();
    void ComboBox1Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void ClearRadioButton();
    // Puts a new task of the chosen kind, with the parameter controls' values, into the item.
    void BuildTask();
    // What the pages hold now, for the checks and the item.
    ScheduleItemDraft Draft() const;
    // The kind chosen in the task list, or none.
    const TaskKind* SelectedKind() const;

    // Makes the page active and runs its show handler, as every move between pages does.
    void SetActivePage(int index);
    int ActivePage() const;

    // The memo's lines as a multi-line box counts them (ScheduleItemDraft::LinesOf).
    std::vector<std::string> MemoLines() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildNamePage();
    QWidget* buildTaskPage();
    QWidget* buildTimePage();
    QWidget* buildCompletePage();
    void buildButtons();
    // Checks the page's entries (a message names what is missing) and puts them into the item.
    bool pageWork(int index);
    void showParameterControls(const TaskKind* kind);
    // Puts the parameter of the draft's task into the controls of its kind.
    void showParameters(const ScheduleItemDraft& shown);
    // Turns every period button but button off and opens only button's day control (none for nullptr).
    void selectPeriodButton(QRadioButton* button);
    void setPeriod(TPeriod period);
};

// The time text that starts a time rule's display text.
QString TimeText(const QTime& time, const QLocale& locale = QLocale());
// A file path for a command line: in double quotes when it holds a blank, since the command line is cut
// into program and parameters at the first blank outside quotes.
QString CommandLineForPath(const QString& path);

} // namespace halvo
