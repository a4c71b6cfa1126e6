#pragma once

// The reminder service for tests: records every reminder asked for and answers it from a script, at once,
// or leaves it open until the test answers it, in any order, as a user would.

#include "core/Reminders.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace halvo {

class RecordingReminders final : public ReminderService {
public:
    std::vector<ReminderRequest> shown; // every reminder opened, in order
    // The next reminders' answers, each handed its request; with none left, a reminder answers Cancel at
    // once, as a dialog nobody scripted did, or stays open when keepOpen is set.
    std::deque<std::function<ReminderAnswer(const ReminderRequest&)>> script;
    bool keepOpen = false;

    // The reminders open now, oldest first.
    std::size_t openCount() const { return m_open.size(); }
    const ReminderRequest& open(std::size_t index) const { return m_open.at(index)->request; }
    int secondsLeft(std::size_t index) const { return m_open.at(index)->secondsLeft; }
    // Answers the open reminder at index, as its button or its countdown would.
    void answer(std::size_t index, ReminderAnswer reply) { m_open.at(index)->answer(reply); }
    // One second counted down on every open reminder; one that reaches zero runs.
    void count() {
        for (Window* window : std::vector<Window*>(m_open))
            if (std::find(m_open.begin(), m_open.end(), window) != m_open.end())
                window->tick();
    }

    std::unique_ptr<OpenReminder> Open(const ReminderRequest& request, Handlers handlers) override {
        return std::make_unique<Window>(*this, request, std::move(handlers));
    }

private:
    struct Window final : OpenReminder {
        Window(RecordingReminders& owner, ReminderRequest shownRequest, Handlers shownHandlers)
            : owner(owner), request(std::move(shownRequest)), handlers(std::move(shownHandlers)) {}
        ~Window() override { std::erase(owner.m_open, this); }
        void Show() override {
            RecordingReminders& recorder = owner;
            const ReminderRequest asked = request;
            recorder.shown.push_back(asked);
            recorder.m_open.push_back(this);
            if (!recorder.script.empty()) {
                const auto reply = std::move(recorder.script.front());
                recorder.script.pop_front();
                const ReminderAnswer chosen = reply(asked);
                // Answered meanwhile (cancelled from elsewhere): it may be gone already.
                if (std::find(recorder.m_open.begin(), recorder.m_open.end(), this) == recorder.m_open.end())
                    return;
                answer(chosen);
            } else if (!recorder.keepOpen) {
                answer(ReminderAnswer::Cancel);
            }
        }
        int SecondsLeft() const override { return secondsLeft; }
        void Cancel() override { answer(ReminderAnswer::Cancel); }
        void answer(ReminderAnswer reply) {
            if (answered)
                return;
            answered = true;
            std::erase(owner.m_open, this);
            // A copy: answering may let go of this window.
            const auto tell = handlers.answered;
            if (tell)
                tell(reply);
        }
        // As the window counts: 61 seconds shown at first, the action run at the 61st tick.
        void tick() {
            --secondsLeft;
            if (handlers.counted)
                handlers.counted();
            if (secondsLeft <= 0)
                answer(ReminderAnswer::Execute);
        }
        RecordingReminders& owner;
        ReminderRequest request;
        Handlers handlers;
        int secondsLeft = 61;
        bool answered = false;
    };
    std::vector<Window*> m_open;
};

} // namespace halvo
