#include "Commands.h"

#include "model/Agenda.h"
#include "pages/FormExecuteTip.h"
#include "pages/Planner.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

namespace halvo {

Commands::Commands(Planner& planner, Window window) : m_planner(planner), m_window(std::move(window)) {}

std::string Commands::Request(const std::string& line) {
    std::string error;
    const auto request = DecodeRequest(line, error);
    return EncodeAnswer(request ? Command(*request) : CommandAnswer{false, error});
}

CommandAnswer Commands::Command(const CommandRequest& request) {
    using Verb = CommandRequest::Verb;
    switch (request.verb) {
    case Verb::Now:
        // Answered first: the action may end the session before the caller reads its answer.
        if (m_window.runNow)
            m_window.runNow(request.taskCode);
        return {};
    case Verb::In:
        if (!m_planner.armAfter(ActionSource::CommandLine, request.taskCode, request.seconds))
            return {false, "not an action that can be armed"};
        return {};
    case Verb::At:
        if (!m_planner.armAt(ActionSource::CommandLine, request.taskCode, request.hour, request.minute,
                             request.second))
            return {false, "not an action that can be armed"};
        return {};
    case Verb::Cancel:
        m_planner.disarmGeneral();
        m_planner.cancelPostponed();
        return {};
    case Verb::When: {
        // Armed only once the first readings tell that every condition can be told; most come at once, a
        // bus may take a moment.
        const auto failure = std::make_shared<std::optional<std::string>>();
        const auto waiting = std::make_shared<QEventLoop*>(nullptr);
        m_planner.armWhen(ActionSource::CommandLine, request.taskCode, request.conditions,
                          [failure, waiting](const std::string& text) {
                              *failure = text;
                              // Left at once: conditions that hold already open the reminder next, and a
                              // reminder opened inside this wait would hold the answer until it closed.
                              if (*waiting)
                                  (*waiting)->quit();
                          });
        if (!*failure) {
            QEventLoop loop;
            *waiting = &loop;
            QTimer::singleShot(ReadingWaitMs, &loop, &QEventLoop::quit);
            loop.exec();
            *waiting = nullptr;
        }
        if (!*failure) {
            m_planner.disarmGeneral();
            return {false, "the conditions could not be read in time"};
        }
        if (!(*failure)->empty())
            return {false, **failure};
        return {};
    }
    case Verb::Status:
        return {true, StatusText()};
    case Verb::Show:
        if (m_window.show)
            m_window.show();
        return {};
    case Verb::Help:
    case Verb::Version:
        break;
    }
    return {false, "not a request for the running copy"};
}

std::string Commands::StatusText() const {
    const AgendaClock clock = ReadAgendaClock();
    const WallSeconds now = clock.wall;
    std::string general = "General: nothing armed";
    std::string postponed;
    std::string schedule;
    int items = 0;
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        std::string when = entry.state == ActionState::Reminding
                               ? "in its reminder, due at " + AtText(entry.due, now)
                               : WhenText(entry.due, now);
        if (!entry.condition.empty()) {
            const std::string reading = m_planner.conditionReading();
            when = entry.state == ActionState::Reminding ? "in its reminder" : entry.condition;
            if (!reading.empty() && entry.state != ActionState::Reminding)
                when += " (" + reading + ")";
        }
        switch (entry.source) {
        case ActionSource::GeneralPage:
        case ActionSource::CommandLine:
            general = "General: " + entry.label + " " + when;
            break;
        case ActionSource::Postponed:
            postponed += "\nPostponed: " + entry.label + " " + when;
            break;
        case ActionSource::ScheduleItem:
            break;
        }
    }
    std::string text = general;
    for (const std::string& line : ExecuteTipReminder::CountdownLines())
        text += "\n" + line;
    text += postponed;
    if (const TScheduleManager* manager = m_planner.agenda().Schedule())
        for (int i = 0; i < manager->Count(); ++i, ++items) {
            const TScheduleItem& item = manager->Item(i);
            schedule += "\nSchedule '" + item.ItemName +
                        "': " + (item.Task ? item.Task->Name : std::string("no task"));
            const auto next = TAgenda::NextRun(item, now);
            schedule += next ? " " + WhenText(*next, now) : ", no further run";
        }
    if (items == 0)
        schedule = "\nSchedule: no items";
    return text + schedule;
}

} // namespace halvo
