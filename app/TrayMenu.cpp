#include "TrayMenu.h"

#include "model/Agenda.h"
#include "pages/FormExecuteTip.h"
#include "pages/Planner.h"
#include "toolkit/SideCaptionMenu.h"
#include "toolkit/TrayIcon.h"

#include <QLabel>
#include <QWidget>

namespace halvo {

TrayMenu::TrayMenu(QWidget& window, Planner& planner, Window handlers)
    : QObject(&window), m_planner(planner) {
    PopupMenu1 = new SideCaptionMenu("Halvo Shutdown", &window);
    PopupMenu1->setObjectName("PopupMenu1");
    for (const TaskKind* kind : TrayKinds()) {
        const int code = kind->Code;
        QAction* action = PopupMenu1->addAction(kind->TrayCaption, this, [this, code] { RunTrayTask(code); });
        action->setObjectName(kind->TrayName);
    }
    const auto trayAction = [this](const char* name) { return PopupMenu1->findChild<QAction*>(name); };
    Shutdown1 = trayAction("Shutdown1");
    N1 = trayAction("N1");
    Logoff1 = trayAction("Logoff1");
    Restartthecomputer1 = trayAction("Restartthecomputer1");
    Lockthecomputer1 = trayAction("Lockthecomputer1");
    Sleep1 = trayAction("Sleep1");
    Hibernate1 = trayAction("Hibernate1");
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { UpdateTrayItems(); });
    PopupMenu1->addSeparator();
    const auto add = [this](const char* name, const char* caption, std::function<void()> handler) {
        QAction* action = PopupMenu1->addAction(caption, this, [handler] {
            if (handler)
                handler();
        });
        action->setObjectName(name);
        return action;
    };
    CancelPostponed1 =
        add("CancelPostponed1", "Cancel postponed action", [this] { CancelPostponed1Click(); });
    CancelPostponed1->setVisible(false);
    Setting1 = add("Setting1", "Setting", handlers.setting);
    Exit1 = add("Exit1", "Exit", handlers.exit);
    About2 = add("About2", "About...", handlers.about);

    TrayIcon1 = new TrayIcon(&window, window.windowIcon(), PopupMenu1);
    connect(&m_planner, &Planner::changed, this, &TrayMenu::Refresh);
    // The tooltip counts an open reminder down with it.
    ExecuteTipReminder::SetCountObserver([this] { Refresh(); });
    connect(this, &QObject::destroyed, [] { ExecuteTipReminder::SetCountObserver({}); });
}

void TrayMenu::RunTrayTask(int taskCode) {
    if (auto task = TaskFromCode(taskCode))
        task->Run();
}

void TrayMenu::UpdateTrayItems() {
    // Asked each time: the answer changes with the power source, the swap space and the policy.
    for (const TaskKind* kind : TrayKinds())
        if (QAction* item = PopupMenu1->findChild<QAction*>(kind->TrayName))
            item->setEnabled(kind->Create()->Available());
}

void TrayMenu::CancelPostponed1Click() {
    m_planner.cancelPostponed();
}

void TrayMenu::Refresh() {
    // A postponed action that came back is still the tray's to cancel while its reminder is open.
    CancelPostponed1->setVisible(m_planner.hasPostponed());
    TrayIcon1->setToolTip(TrayToolTip());
}

QString TrayMenu::TrayToolTip() const {
    const AgendaClock clock = ReadAgendaClock();
    const WallSeconds now = clock.wall;
    QStringList lines{"Halvo Shutdown"};
    std::optional<UpcomingEntry> firstItem;
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        if (entry.source == ActionSource::ScheduleItem) {
            if (!firstItem || entry.due < firstItem->due)
                firstItem = entry;
        } else if (entry.state != ActionState::Reminding) { // its reminder counts down below
            std::string text = entry.label + " ";
            if (entry.condition.empty()) {
                text += WhenText(entry.due, now);
            } else {
                const std::string reading = m_planner.conditionReading();
                text += entry.condition + (reading.empty() ? "" : " (" + reading + ")");
            }
            lines << QString::fromStdString((entry.source == ActionSource::Postponed ? "postponed: " : "") +
                                            text);
        }
    }
    for (const TFormExecuteTip* reminder : ExecuteTipReminder::Open())
        lines << "Reminder: " + reminder->Label2->text() + " in " + QString::number(reminder->SecondsLeft()) +
                     " s";
    if (firstItem)
        lines << QString::fromStdString(firstItem->label + " " + WhenText(firstItem->due, now));
    return lines.join('\n');
}

} // namespace halvo
