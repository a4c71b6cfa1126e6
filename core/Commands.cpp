#include "Commands.h"

#include "PasswordGuard.h"
#include "Planner.h"
#include "Reminders.h"
#include "Settings.h"
#include "model/Agenda.h"
#include "platform/Translate.h"

#include <QTimer>

#include <memory>
#include <utility>

namespace halvo {

Commands::Commands(Planner& planner, const Reminders& reminders, const Settings& settings,
                   PasswordGuard& guard)
    : m_planner(planner), m_reminders(reminders), m_settings(settings), m_guard(guard) {}

std::string Commands::refusal(const CommandRequest& request) {
    using Verb = CommandRequest::Verb;
    if (!m_guard.isSet())
        return {};
    switch (request.verb) {
    case Verb::Now:
    case Verb::Cancel:
        break;
    case Verb::In:
    case Verb::At:
    case Verb::When:
    case Verb::Quick:
        // Arming when nothing is armed takes nothing away; replacing what is armed does.
        if (!m_planner.agenda().General())
            return {};
        break;
    case Verb::Status:
    case Verb::Show:
    case Verb::Help:
    case Verb::Version:
        return {};
    }
    if (request.password.empty())
        return RefusedMarker + Translate("Commands", PasswordMissing);
    switch (m_guard.Try(request.password)) {
    case PasswordGuard::Verdict::Right:
        return {};
    case PasswordGuard::Verdict::Wrong:
        return RefusedMarker + Translate("Commands", PasswordWrong);
    case PasswordGuard::Verdict::Waiting:
        break;
    }
    return RefusedMarker +
           FillIn(Translate("Commands", PasswordWaiting), {std::to_string(m_guard.secondsToWait())});
}

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
    if (const std::string refused = refusal(request); !refused.empty())
        return answer({false, refused});
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
    case Verb::At:
    case Verb::When:
        return Arm(ActionSource::CommandLine, request, std::move(answer));
    case Verb::Quick:
        return ArmQuick(request.name, std::move(answer));
    case Verb::Cancel:
        m_planner.disarmGeneral();
        m_planner.cancelPostponed();
        return answer({});
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
    answer({false, Translate("Commands", "not a request for the running copy")});
}

void Commands::Arm(ActionSource source, const CommandRequest& request, Answer answer) {
    using Verb = CommandRequest::Verb;
    switch (request.verb) {
    case Verb::In:
        if (!m_planner.armAfter(source, request.taskCode, request.seconds))
            return answer({false, Translate("Commands", "not an action that can be armed")});
        return answer({});
    case Verb::At:
        if (!m_planner.armAt(source, request.taskCode, request.hour, request.minute, request.second))
            return answer({false, Translate("Commands", "not an action that can be armed")});
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
            reply({false, Translate("Commands", "the conditions could not be read in time")});
        });
        m_planner.armWhen(source, request.taskCode, request.conditions, [reply](const std::string& failure) {
            reply(failure.empty() ? CommandAnswer{} : CommandAnswer{false, failure});
        });
        return;
    }
    default:
        return answer({false, Translate("Commands", "not an action that can be armed")});
    }
}

void Commands::ArmQuick(const std::string& name, Answer answer) {
    const std::vector<QuickAction>& actions = m_settings.quickActions();
    const int index = FindQuickAction(actions, name);
    if (index < 0)
        return answer({false, FillIn(Translate("Commands", "no quick action named '%1'"), {name})});
    // A copy: the list may change before conditions answer.
    const CommandRequest request = actions[std::size_t(index)].request;
    Arm(ActionSource::GeneralPage, request, std::move(answer));
}

std::string Commands::StatusText() const {
    const AgendaClock clock = ReadAgendaClock();
    const WallSeconds now = clock.wall;
    std::string general = Translate("Commands", "General: nothing armed");
    std::string postponed;
    std::string schedule;
    int items = 0;
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        switch (entry.source) {
        case ActionSource::GeneralPage:
        case ActionSource::CommandLine:
            general = FillIn(Translate("Commands", "General: %1"),
                             {PendingText(entry, m_planner.conditionReading(), now)});
            break;
        case ActionSource::Postponed:
            postponed += "\n" + FillIn(Translate("Commands", "Postponed: %1"),
                                       {PendingText(entry, m_planner.conditionReading(), now)});
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
            const std::string task = item.Task ? ShownTaskName(*item.Task) : Translate("Commands", "no task");
            const auto next = TAgenda::NextRun(item, now);
            schedule += "\n" + (next ? FillIn(Translate("Commands", "Schedule '%1': %2 %3"),
                                              {item.ItemName, task, WhenText(*next, now)})
                                     : FillIn(Translate("Commands", "Schedule '%1': %2, no further run"),
                                              {item.ItemName, task}));
        }
    if (items == 0)
        schedule = "\n" + Translate("Commands", "Schedule: no items");
    std::string quick;
    for (const QuickAction& action : m_settings.quickActions())
        quick += "\n" + FillIn(Translate("Commands", "Quick action '%1': %2"),
                               {action.name, QuickActionCommand(action.request)});
    return text + schedule + quick;
}

} // namespace halvo
