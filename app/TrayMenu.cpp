#include "TrayMenu.h"

#include "core/Engine.h"
#include "model/Agenda.h"
#include "pages/PasswordDialog.h"
#include "platform/Translate.h"
#include "toolkit/Dialogs.h"
#include "toolkit/SideCaptionMenu.h"
#include "toolkit/TrayIcon.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace halvo {

TrayMenu::TrayMenu(QWidget& window, Engine& engine, Window handlers)
    : QObject(&window), m_planner(engine.planner()), m_reminders(engine.reminders()),
      m_commands(engine.commands()), m_settings(engine.settings()), m_guard(engine.guard()),
      m_awake(engine.awake()) {
    PopupMenu1 = new SideCaptionMenu(tr("Halvo Shutdown"), &window);
    PopupMenu1->setObjectName("PopupMenu1");
    for (const TaskKind* kind : TrayKinds()) {
        const int code = kind->Code;
        QAction* action = PopupMenu1->addAction(QString::fromStdString(Translate("Tasks", kind->TrayCaption)),
                                                this, [this, code] { RunTrayTask(code); });
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
    QuickActions1 = new QMenu(tr("Quick actions"), PopupMenu1);
    QuickActions1->setObjectName("QuickActions1");
    PopupMenu1->addMenu(QuickActions1);
    RefreshQuickActions();
    connect(&m_settings, &Settings::quickActionsChanged, this, &TrayMenu::RefreshQuickActions);
    const auto add = [this](const char* name, const QString& caption, std::function<void()> handler) {
        QAction* action = PopupMenu1->addAction(caption, this, [handler] {
            if (handler)
                handler();
        });
        action->setObjectName(name);
        return action;
    };
    CancelPostponed1 =
        add("CancelPostponed1", tr("Cancel postponed action"), [this] { CancelPostponed1Click(); });
    CancelPostponed1->setVisible(false);
    Setting1 = add("Setting1", tr("Setting"), handlers.setting);
    Exit1 = add("Exit1", tr("Exit"), handlers.exit);
    About2 = add("About2", tr("About..."), handlers.about);

    TrayIcon1 = new TrayIcon(&window, window.windowIcon(), PopupMenu1);
    connect(&m_planner, &Planner::changed, this, &TrayMenu::Refresh);
    connect(&m_planner, &Planner::readingChanged, this, &TrayMenu::RefreshReading);
    // An icon that draws its own tooltip has the text made when the tooltip shows, with the newest reading;
    // any other tray is told each change, and each reading.
    connect(TrayIcon1, &TrayIcon::toolTipWanted, this, [this] { TrayIcon1->setToolTip(TrayToolTip()); });
    const auto askForReadings = [this] {
        m_planner.setReadingShown(Planner::ReadingViewer::Tray, !TrayIcon1->toolTipOnDemand());
    };
    connect(TrayIcon1, &TrayIcon::iconShown, this, [this, askForReadings] {
        askForReadings();
        Refresh();
    });
    askForReadings();
    // The tooltip counts an open reminder down with it.
    connect(&engine, &Engine::reminderCounted, this, &TrayMenu::Refresh);
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
    if (!AskPassword(m_guard, tr("cancel the postponed action")))
        return;
    m_planner.cancelPostponed();
}

void TrayMenu::RefreshQuickActions() {
    QuickActions1->clear();
    for (const QuickAction& action : m_settings.quickActions()) {
        const QString name = QString::fromStdString(action.name);
        // Named as typed: an "&" is no shortcut.
        QAction* item = QuickActions1->addAction(QString(name).replace("&", "&&"), this,
                                                 [this, name] { QuickActionClick(name); });
        item->setToolTip(QString::fromStdString(QuickActionCommand(action.request)));
    }
    QuickActions1->menuAction()->setVisible(!m_settings.quickActions().empty());
}

void TrayMenu::QuickActionClick(const QString& name) {
    // Arming over an armed action replaces it: as on the General page, that needs the password.
    if (m_planner.agenda().General() && !AskPassword(m_guard, tr("replace the armed action")))
        return;
    QPointer<TrayMenu> menu(this);
    m_commands.ArmQuick(name.toStdString(), [menu, name](const CommandAnswer& answer) {
        if (menu && !answer.ok)
            dialogs().Error(
                QCoreApplication::translate("TrayMenu", "The quick action \"%1\" was not armed: %2")
                    .arg(name, QString::fromStdString(answer.text)));
    });
}

void TrayMenu::Refresh() {
    // A postponed action that came back is still the tray's to cancel while its reminder is open.
    CancelPostponed1->setVisible(m_planner.hasPostponed());
    if (!TrayIcon1->toolTipOnDemand())
        TrayIcon1->setToolTip(TrayToolTip());
}

void TrayMenu::RefreshReading() {
    if (TrayIcon1->toolTipOnDemand())
        return;
    const QString reading = QString::fromStdString(m_planner.conditionReading());
    if (!m_aroundReading || reading.isEmpty())
        return Refresh();
    TrayIcon1->setToolTip(m_aroundReading->first + reading + m_aroundReading->second);
}

QString TrayMenu::TrayToolTip() const {
    const AgendaClock clock = ReadAgendaClock();
    const WallSeconds now = clock.wall;
    QStringList lines{tr("Halvo Shutdown")};
    m_aroundReading.reset();
    qsizetype readingAt = -1, readingLength = 0; // in the tooltip's text
    qsizetype length = lines.front().size();
    const auto addLine = [&](const QString& line) {
        lines << line;
        length += 1 + line.size();
    };
    std::optional<UpcomingEntry> firstItem;
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        if (entry.source == ActionSource::ScheduleItem) {
            if (!firstItem || entry.due < firstItem->due)
                firstItem = entry;
        } else if (entry.state != ActionState::Reminding) { // its reminder counts down below
            const std::string reading =
                entry.condition.empty() ? std::string() : m_planner.conditionReading();
            const QString pending = QString::fromStdString(PendingText(entry, reading, now));
            const QString line =
                entry.source == ActionSource::Postponed ? tr("postponed: %1").arg(pending) : pending;
            if (!reading.empty()) {
                // The reading is the last thing on the line but its closing bracket (in English).
                const QString shownReading = QString::fromStdString(reading);
                readingLength = shownReading.size();
                readingAt = length + 1 + line.lastIndexOf(shownReading);
            }
            addLine(line);
        }
    }
    if (const QString awake = m_awake.StatusLine(); !awake.isEmpty())
        addLine(awake);
    for (const std::string& line : m_reminders.CountdownLines())
        addLine(QString::fromStdString(line));
    if (firstItem)
        addLine(QString::fromStdString(PendingText(*firstItem, {}, now)));
    const QString tip = lines.join('\n');
    if (readingAt >= 0)
        m_aroundReading.emplace(tip.left(readingAt), tip.mid(readingAt + readingLength));
    return tip;
}

} // namespace halvo
