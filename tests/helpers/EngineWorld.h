#pragma once

// The engine without any window, as the engine's tests drive it: the fake platform at 21:00:00 on
// 8 December 2026, a recording reminder service, the faults of the stored files collected, and the command
// line's requests answered as the socket would hand them over.

#include "core/Engine.h"
#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/fakes/RecordingUi.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// One request line and its answer line; what never answers within ten seconds reads "(no answer)".
inline std::string AnswerTo(Commands& commands, const std::string& line) {
    const auto answer = std::make_shared<std::optional<std::string>>();
    commands.Request(line, [answer](const std::string& reply) { *answer = reply; });
    QElapsedTimer waited;
    waited.start();
    while (!*answer && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return answer->value_or("(no answer)");
}

struct EngineWorld {
    RecordingPlatform fake;
    ScopedPlatform platformGuard{fake};
    RecordingUi ui;
    ScopedUi uiGuard{ui};
    RecordingReminders reminders;
    std::vector<std::string> reported;
    std::unique_ptr<Engine> engine;

    EngineWorld() { fake.setNow(2026, 12, 8, 21, 0, 0); }

    // The program starts (again, on the files the last run left), the given settings put in place, and goes
    // past the first looks, which learn the wall clock's pace.
    void start(const std::optional<AppSettings>& settings = std::nullopt) {
        engine.reset();
        engine = std::make_unique<Engine>(
            reminders, ScheduleStore::Reports{[this](const std::string& text) { reported.push_back(text); },
                                              [this](const std::string& text) { reported.push_back(text); }});
        engine->Start();
        if (settings)
            engine->settings().Set(*settings);
        for (int look = 0; look < Planner::StartLooks; ++look)
            engine->planner().wake();
    }
    // One request line of the protocol's first version and its answer line.
    std::string request(const std::string& line) {
        return AnswerTo(engine->commands(), "halvo-shutdown/1 " + line);
    }
    // Time goes by, then the planner looks, as its timer would; the reminders it starts open.
    void pass(long long ms) {
        fake.advanceMilliseconds(ms);
        engine->planner().wake();
        QCoreApplication::processEvents();
    }
    // A second of every open reminder's countdown, on the clock too.
    void second() {
        fake.advanceMilliseconds(1000);
        reminders.count();
        QCoreApplication::processEvents();
    }
    // A schedule item due every day at hour:minute, not yet passed today.
    void addDailyItem(const std::string& name, int taskCode, int hour, int minute) {
        TScheduleItem& item = engine->schedule().manager().Add();
        item.ItemName = name;
        item.Task = TaskFromCode(taskCode);
        item.TimeRule.Period = TPeriod::EveryDay;
        item.TimeRule.TimeOfDay = EncodeTime(hour, minute, 0);
        item.TimeRule.DisplayText = "daily";
        item.TimeRule.CrossState = TCrossState::Ahead;
        engine->schedule().ItemsChanged();
    }
    // What the open reminders name, oldest first.
    std::vector<std::string> openLabels() const {
        std::vector<std::string> labels;
        for (std::size_t i = 0; i < reminders.openCount(); ++i)
            labels.push_back(reminders.open(i).label);
        return labels;
    }
    // The open reminder's place, std::size_t(-1) when none names this.
    std::size_t indexOf(const std::string& label) const {
        for (std::size_t i = 0; i < reminders.openCount(); ++i)
            if (reminders.open(i).label == label)
                return i;
        return std::size_t(-1);
    }
};

} // namespace halvo
