#pragma once

// What happens next, for the tooltip, the Schedule page's "Next run" column, --status and the five-minute
// warning. Times are wall-clock seconds (WallClock.h); real durations between them go through the C
// library's time zone, so a daylight-saving change in between counts.

#include "Schedule.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// The wall time of the rule's next firing after now: the first due day whose time the clock has still to
// pass (today only while its time lies ahead), or nothing when it never fires again (a Once date gone by,
// a day of the week or month that no day has, an unknown period). A time that the clock skips (the spring
// hour) fires when the clock jumps past it: that moment is returned.
std::optional<WallSeconds> NextFiring(const TSPTime& rule, WallSeconds now);

// The first wall time at or after wall that the clock shows.
WallSeconds ShownWallTime(WallSeconds wall);
// The zone or the clock changed: what was learnt of the zone's rules is asked again.
void ForgetZoneRules();

// Real seconds from the wall time from to the wall time to.
long long SecondsBetween(WallSeconds from, WallSeconds to);

// "in 45 s", "in 5 min", "in 1 h 5 min", "in 2 d 3 h".
std::string InText(long long seconds);
// "22:30:00" today, "2026-12-09 22:30:00" on another day.
std::string AtText(WallSeconds when, WallSeconds now);
// "at 22:30:00 (in 1 h 5 min)": where the tray and --status show a moment.
std::string WhenText(WallSeconds due, WallSeconds now);
// "2026-12-09 22:30:00".
std::string DateTimeText(WallSeconds when);

// The five-minute warning before an action that ends the session runs at a set time.
struct UpcomingAction {
    std::string key;   // tells one action from another between calls
    std::string label; // "shutdown the computer", "'Night': shutdown the computer"
    bool warns;        // its kind is announced ahead
    WallSeconds due;
};

class TAheadWarnings {
public:
    static constexpr long long Lead = 5 * 60; // seconds

    // Called once a second with every pending action: the warning texts to show now, each action once.
    // An action first seen less than five minutes ahead (armed late, or the program started late) gets
    // none; one whose time moves (re-armed, or the next day's firing) counts as new.
    std::vector<std::string> Check(const std::vector<UpcomingAction>& upcoming, WallSeconds now);

private:
    struct State {
        WallSeconds due;
        bool warned;
    };
    std::map<std::string, State> m_states;
};

} // namespace halvo
