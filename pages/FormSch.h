#pragma once

// The Schedule page: the list of the engine's schedule items with "add", "modify" and "delete". The
// engine's planner runs the evaluation when something is due; while the page is shown its own timer also
// runs it once a second, so the "Next run" column stays current.

#include "model/Schedule.h"

#include <QSize>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;
class QTimer;

namespace halvo {

class PasswordGuard;
class ScheduleStore;

class TFormSch : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize PageSize{460, 270};

    // FormCreate: a row for each item of the schedule.
    explicit TFormSch(ScheduleStore& schedule, QWidget* parent = nullptr);
    ~TFormSch() override;

    TScheduleManager& manager() { return m_manager; }

    QTreeWidget* AdvListView1;
    QToolButton* SpeedButton1; // "add"
    QToolButton* SpeedButton2; // "modify"
    QToolButton* SpeedButton3; // "delete"
    QTimer* Timer1;            // runs while the page is shown

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // Adding, changing and deleting items ask for it first; none (nullptr) asks nothing.
    void SetGuard(PasswordGuard* guard) { m_guard = guard; }
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

protected:
    // The list takes the focus when the page comes up: Insert adds, Enter modifies, Delete deletes.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void appendRow(const TScheduleItem& item);
    int selectedRow() const;
    void fitColumns();

    ScheduleStore& m_schedule;
    TScheduleManager& m_manager;
    PasswordGuard* m_guard = nullptr;
};

} // namespace halvo
