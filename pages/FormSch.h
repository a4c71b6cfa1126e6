#pragma once

// The Schedule page: the list of schedule items with "add", "modify" and "delete", the one schedule
// manager, the once-a-second schedule timer, and the loading and storing of the schedule file.

#include "model/AppSettings.h"
#include "model/Schedule.h"
#include "model/ScheduleEvaluator.h"

#include <QWidget>

#include <memory>

class QTreeWidget;
class QToolButton;
class QTimer;

namespace halvo {

class TFormSch : public QWidget {
    Q_OBJECT
public:
    // FormCreate: creates the manager; loads the schedule file (and appends its rows) when
    // settings.AutoSave is set and the file exists, showing a load fault in an error box; starts Timer1.
    // settings belongs to the main window and outlives the page.
    explicit TFormSch(AppSettings& settings, QWidget* parent = nullptr);
    // FormDestroy: stores the schedule.
    ~TFormSch() override;

    // Writes the schedule file and the count now (also used when the session ends); false on a fault,
    // whose text has then been shown.
    bool StoreSchedule();

    TScheduleManager& manager() { return *m_manager; }

    QTreeWidget* AdvListView1;
    QToolButton* SpeedButton1; // "add"
    QToolButton* SpeedButton2; // "modify"
    QToolButton* SpeedButton3; // "delete"
    QTimer* Timer1;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Timer1Timer();

private:
    AppSettings& m_settings;
    std::unique_ptr<TScheduleManager> m_manager;
    std::unique_ptr<ScheduleEvaluator> m_evaluator;
};

} // namespace halvo
