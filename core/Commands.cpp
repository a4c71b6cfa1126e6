#include "Commands.h"

#include "Planner.h"
#include "Reminders.h"
#include "model/Agenda.h"

#include <QTimer>

#include <memory>
#include <utility>

namespace halvo {

Commands::Commands(Planner& planner, const Reminders& reminders)
    : m_planner(planner), m_reminders(reminders) {}

void Commands::Request(const std::string& line, std::function<void(const std::string&)> answer) {
    std::string error;
    const auto request = DecodeRequest(line, error);
    if (!request)
        return answer(EncodeAnswer(CommandAnswer{false, error}));
    Command(*request,
            [answer = std::move(answer)](const CommandAnswer& reply) { answer(EncodeAnswer(reply)); });
}

void Commands::Command(const CommandRequest& request, Answer answer) {
    using Verb = CommandRequest::Verb;
    switch (request.verb) {
    case Verb::Now:
        // Answered first: the action may end the session before the caller reads its answer.
        answer({});
        QTimer::singleShot(0, &m_planner, [code = request.taskCode] {
            if (auto task = TaskFromCode(code))
                task->Run();
        });
        return;
    case Verb::In:
        if (!m_planner.armAfter(ActionSource::CommandLine, request.taskCode, request.seconds))
            return answer({false, "not an action that can be armed"});
        return answer({});
    case Verb::At:
        if (!m_planner.armAt(ActionSource::CommandLine, request.taskCode, request.hour, request.minute,
                             request.second))
            return answer({false, "not an action that can be armed"});
        return answer({});
    case Verb::Cancel:
        m_planner.disarmGeneral();
        m_planner.cancelPostponed();
        return answer({});
    case Verb::When: {
        // Armed only once the first readings tell that every condition can be told; most come at once, a
        // bus may take a moment. Whichever comes first answers: the readings or the time running out.
        const auto pending = std::make_shared<Answer>(std::move(answer));
        const auto reply = [pending](const CommandAnswer& text) {
            if (const Answer once = std::exchange(*pending, {}))
                once(text);
        };
        QTimer::singleShot(ReadingWaitMs, &m_planner, [this, pending, reply] {
            if (!*pending)
                return;
            m_planner.disarmGeneral();
            reply({false, "the conditions could not be read in time"});
        });
        m_planner.armWhen(ActionSource::CommandLine, request.taskCode, request.conditions,
                          [reply](const std::string& failure) {
                              reply(failure.empty() ? CommandAnswer{} : CommandAnswer{false, failure});
                          });
        return;
    }
    case Verb::Status:
        return answer({true, StatusText()});
    case Verb::Show:
        if (m_show)
            m_show();
        return answer({});
    case Verb::Help:
    case Verb::Version:
        break;
    }
    answer({false, "not a request for the running copy"});
}

std::string Commands::StatusText() const {
    const AgendaClock clock = ReadAgendaClock();
    const WallSeconds now = clock.wall;
    std::string general = "General: nothing armed";
    std::string postponed;
    std::string schedule;
    int items = 0;
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        switch (entry.source) {
        case ActionSource::GeneralPage:
        case ActionSource::CommandLine:
            general = "General: " + PendingText(entry, m_planner.conditionReading(), now);
            break;
        case ActionSource::Postponed:
            postponed += "\nPostponed: " + PendingText(entry, m_planner.conditionReading(), now);
            break;
        case ActionSource::ScheduleItem:
            break;
        }
    }
    std::string text = general;
    if (const std::string awake = m_awakeLine ? m_awakeLine() : std::string(); !awake.empty())
        text += "\n" + awake;
    for (const std::string& line : m_reminders.CountdownLines())
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
