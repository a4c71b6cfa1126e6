#pragma once

// Actions put off from their reminder with "Postpone 10 min": each comes again through a new reminder
// when its delay has run out, counted in ticks of the once-a-second timer like the General page's After.

#include "NextRun.h"
#include "Tasks.h"

#include <memory>
#include <string>
#include <vector>

namespace halvo {

struct PostponedRun {
    std::unique_ptr<TTask> task;
    std::string label; // what the reminder names
    bool fromSchedule; // the Remind setting decides on its reminder; the General page always reminds
    std::int32_t countDown;
    WallSeconds due; // when it is expected, for the tooltip and --status
};

class TPostponedRuns {
public:
    static constexpr std::int32_t DelaySeconds = 600;

    void Add(std::unique_ptr<TTask> task, std::string label, bool fromSchedule, const LocalTime& now);
    // One tick: the runs whose delay ran out, taken out of the list, oldest first.
    std::vector<PostponedRun> Tick();
    void Clear() { m_runs.clear(); }
    bool Empty() const { return m_runs.empty(); }
    const std::vector<PostponedRun>& Runs() const { return m_runs; }

private:
    std::vector<PostponedRun> m_runs;
};

} // namespace halvo
