#pragma once

// The Schedule page: the list of schedule items with "add", "modify" and "delete", the one schedule
// manager and its evaluation, and the loading and storing of the schedule file. The agenda's planner runs
// the evaluation when something is due; while the page is shown its own timer also ticks once a second,
// so the "Next run" column stays current.

#include "model/AppSettings.h"
#include "model/Schedule.h"
#include "model/ScheduleEvaluator.h"

#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;
class QTimer;

namespace halvo {

class TFormSch : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize PageSize{460, 270};

    // FormCreate: creates the manager; loads the schedule file (and appends its rows) when
    // settings.AutoSave is set and the file exists, showing a load fault in a message that stays.
    // settings belongs to the main window and outlives the page. With AutoSave off the stored schedule is
    // neither loaded nor written.
    explicit TFormSch(AppSettings& settings, QWidget* parent = nullptr);
    // FormDestroy: stores the schedule.
    ~TFormSch() override;

    // Writes the schedule file and the count now when AutoSave is set (also used when the session ends
    // and when AutoSave is turned on); false on a fault, whose text has then been shown.
    bool StoreSchedule();

    TScheduleManager& manager() { return *m_manager; }

    QTreeWidget* AdvListView1;
    QToolButton* SpeedButton1; // "add"
    QToolButton* SpeedButton2; // "modify"
    QToolButton* SpeedButton3; // "delete"
    QTimer* Timer1;            // runs while the page is shown

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // One evaluation of the schedule, then the "Next run" column.
    void Evaluate();
    void Timer1Timer() { Evaluate(); }

    // Starts Timer1 so that it next runs just after the coming wall-clock second: an item fires within a
    // few milliseconds after its time instead of up to a second late.
    void StartTimer1();

    // The row rule: the item's name, its task's name, its rule's display text, its next run.
    static void WriteRow(QTreeWidgetItem& row, const TScheduleItem& item);
    // The "Next run" column of every row, rewritten only where the text changed.
    void RefreshNextRuns();
    // The next run as the column shows it: short date and long time, empty when it will not run again.
    static QString NextRunText(const TScheduleItem& item);

    // The reminder of an item was answered with "Postpone 10 min".
    std::function<void(const TScheduleItem& item)> Postponed;
    // An item was added, changed or deleted: its next run is planned anew.
    std::function<void()> Changed;

protected:
    // The list takes the focus when the page comes up: Insert adds, Enter modifies, Delete deletes.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the file; reports a fault in an error box (interactive) or, when an item fires, in a message
    // that does not hold up the item's task.
    bool store(bool interactive);
    // Shows fault (if any) and what the manager has to tell about the stored schedule (a count set right,
    // the copies kept): an error box for a fault of an interactive store, else a message that stays.
    void report(const std::string& fault, bool interactive);
    void appendRow(const TScheduleItem& item);
    int selectedRow() const;
    void fitColumns();

    TScheduleItem* m_adding = nullptr; // the item of an open "add" wizard
    AppSettings& m_settings;
    // False while the stored file is one this run did not load (AutoSave was off at the start): the first
    // store keeps it as a copy before replacing it.
    bool m_storedFileIsOurs = false;
    std::unique_ptr<TScheduleManager> m_manager;
    std::unique_ptr<ScheduleEvaluator> m_evaluator;
};

} // namespace halvo
