#include "Reminders.h"

#include "platform/Translate.h"
#include <algorithm>

namespace halvo {

Reminders::Reminders(ReminderService& service) : m_service(service) {}

Reminders::~Reminders() {
    CloseAll();
}

int Reminders::Open(ReminderRequest request, std::function<void(ReminderAnswer)> answered) {
    const int id = m_nextId++;
    ReminderService::Handlers handlers;
    handlers.answered = [this, id, answered = std::move(answered)](ReminderAnswer reply) {
        answer(id, reply, answered);
    };
    handlers.counted = [this] {
        if (m_counted)
            m_counted();
    };
    std::unique_ptr<OpenReminder> window = m_service.Open(request, std::move(handlers));
    OpenReminder* shown = window.get();
    // Listed before it shows: the tray and --status count it down from the first moment.
    m_open.push_back({id, std::move(request.label), std::move(window)});
    shown->Show();
    if (const auto observer = m_openedOrClosed)
        observer();
    return id;
}

void Reminders::answer(int id, ReminderAnswer reply, const std::function<void(ReminderAnswer)>& answered) {
    const auto entry =
        std::find_if(m_open.begin(), m_open.end(), [id](const Entry& e) { return e.id == id; });
    if (entry == m_open.end())
        return; // answered once already, or closed
    // The window may be the caller: it goes once it has returned.
    std::unique_ptr<OpenReminder> window = std::move(entry->window);
    m_open.erase(entry);
    const std::function<void(ReminderAnswer)> replyTo = answered;
    if (replyTo)
        replyTo(reply);
    window.reset();
    if (const auto observer = m_openedOrClosed)
        observer();
}

void Reminders::Cancel(int id) {
    const auto entry =
        std::find_if(m_open.begin(), m_open.end(), [id](const Entry& e) { return e.id == id; });
    if (entry != m_open.end() && entry->window)
        entry->window->Cancel();
}

void Reminders::CloseAll() {
    std::vector<Entry> open = std::move(m_open);
    m_open.clear();
}

std::vector<std::string> Reminders::Labels() const {
    std::vector<std::string> labels;
    for (const Entry& entry : m_open)
        labels.push_back(entry.label);
    return labels;
}

std::vector<std::string> Reminders::CountdownLines() const {
    std::vector<std::string> lines;
    for (const Entry& entry : m_open)
        if (entry.window)
            lines.push_back(FillIn(Translate("Reminders", "Reminder: %1 in %2 s"),
                                   {entry.label, std::to_string(entry.window->SecondsLeft())}));
    return lines;
}

} // namespace halvo
