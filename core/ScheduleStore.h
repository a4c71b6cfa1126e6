#pragma once

// The schedule as the engine keeps it from the start of the program: the one schedule manager, its
// evaluation, and the loading and storing of the schedule file. The Schedule page shows and edits it;
// nothing here waits for the page. With AutoSave off the stored schedule is neither loaded nor written.

#include "model/Schedule.h"
#include "model/ScheduleEvaluator.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace halvo {

class Reminders;
class Settings;

class ScheduleStore : public QObject {
    Q_OBJECT
public:
    // How a fault of the stored files reaches the user: an error box for one the user's own change met, a
    // message that stays for the others (they hold up neither the start nor an item's task).
    struct Reports {
        std::function<void(const std::string&)> error;
        std::function<void(const std::string&)> notice;
    };
    ScheduleStore(Settings& settings, Reminders& reminders, Reports reports, QObject* parent = nullptr);
    ~ScheduleStore() override;

    // Loads the schedule file when AutoSave is on and the file exists; a fault is said in a message that
    // stays, and the items read before it are kept.
    void Load();

    TScheduleManager& manager() { return *m_manager; }
    const TScheduleManager& manager() const { return *m_manager; }

    // Writes the schedule file and its count when AutoSave is on; false on a fault, whose text has then
    // been shown in an error box. A stored file this run did not load is kept as a copy first.
    bool Store();
    // Stores when this run has a schedule of its own to keep (loaded, changed, or AutoSave turned on): at
    // the end, when the session ends and before a sleep. A run that never touched the schedule leaves the
    // files as they are.
    bool StoreIfKept();
    // AutoSave was turned on: this run's schedule is stored at once, and from now on.
    void AutoSaveTurnedOn();

    // The page's "add": the new item is in the manager, but no evaluation walks over it and no store
    // writes it until it is confirmed (it has no task and no time yet).
    TScheduleItem& BeginAdd();
    // Confirmed: stored and planned; abandoned: taken out again.
    void EndAdd(bool confirmed);
    // An item was changed or deleted by the page: stored, and planned anew.
    void ItemsChanged();

    // One evaluation: items due fire, through their reminder when one is asked for.
    void Evaluate();
    // While the program or the session ends, a reminder that answers runs nothing.
    void SetEnding(bool ending) { m_ending = ending; }

    // The reminder of an item was answered with "Postpone 10 min".
    std::function<void(const TScheduleItem& item)> postponed;

signals:
    // The items changed: their next runs are planned anew.
    void changed();
    // An evaluation ran: the "Next run" column may have moved.
    void evaluated();

private:
    // Writes the file; a fault goes to an error box (interactive) or a message that stays.
    bool store(bool interactive);
    void report(const std::string& fault, bool interactive);

    Settings& m_settings;
    Reminders& m_reminders;
    Reports m_reports;
    std::unique_ptr<TScheduleManager> m_manager;
    std::unique_ptr<ScheduleEvaluator> m_evaluator;
    TScheduleItem* m_adding = nullptr; // the item of an open "add"
    // False while the stored file is one this run did not load (AutoSave was off at the start): the first
    // store keeps it as a copy before replacing it.
    bool m_storedFileIsOurs = false;
    bool m_kept = false; // loaded, changed or fired in this run, or AutoSave turned on
    bool m_ending = false;
};

} // namespace halvo
