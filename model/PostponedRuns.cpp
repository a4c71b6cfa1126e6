#include "PostponedRuns.h"

namespace halvo {

void TPostponedRuns::Add(std::unique_ptr<TTask> task, std::string label, bool fromSchedule,
                         const LocalTime& now) {
    if (!task)
        return;
    m_runs.push_back(
        {std::move(task), std::move(label), fromSchedule, DelaySeconds, WallSecondsOf(now) + DelaySeconds});
}

std::vector<PostponedRun> TPostponedRuns::Tick() {
    std::vector<PostponedRun> due;
    for (auto run = m_runs.begin(); run != m_runs.end();) {
        if (--run->countDown > 0) {
            ++run;
            continue;
        }
        due.push_back(std::move(*run));
        run = m_runs.erase(run);
    }
    return due;
}

} // namespace halvo
