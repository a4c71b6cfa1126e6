#include "NextRun.h"
#include "platform/Translate.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace halvo {

namespace {

std::tm fieldsOf(WallSeconds wall) {
    const LocalTime t = LocalTimeOf(wall);
    std::tm fields{};
    fields.tm_year = t.year - 1900;
    fields.tm_mon = t.month - 1;
    fields.tm_mday = t.day;
    fields.tm_hour = t.hour;
    fields.tm_min = t.minute;
    fields.tm_sec = t.second;
    return fields;
}

bool localFields(std::time_t instant, std::tm& out) {
#ifdef _WIN32
    return localtime_s(&out, &instant) == 0;
#else
    return localtime_r(&instant, &out) != nullptr;
#endif
}

// The zone rules' answers of the last ten minutes, by moment: the planner's looks ask for the same few
// moments many times, and look after look, and each answer costs the C library a walk through the zone's
// rules. Kept apart for each TZ, and forgotten at once when the system says the zone or the clock changed;
// the ten minutes only bound how long rules rewritten in place (a new zone database) go unseen.
struct ZoneAnswers {
    std::string zone;
    std::chrono::steady_clock::time_point since;
    std::vector<std::pair<WallSeconds, std::optional<long long>>> answers;
};

ZoneAnswers& zoneAnswers() {
    static ZoneAnswers answers;
    return answers;
}

std::optional<long long> computeInstantOf(WallSeconds wall);

// The earliest real instant whose local time is wall; nothing when the clock skips wall.
std::optional<long long> instantOf(WallSeconds wall) {
    ZoneAnswers& cache = zoneAnswers();
    const char* zone = std::getenv("TZ");
    const auto now = std::chrono::steady_clock::now();
    if (now - cache.since > std::chrono::minutes(10) || cache.zone != (zone ? zone : "") ||
        cache.answers.size() > 64) {
        cache.answers.clear();
        cache.zone = zone ? zone : "";
        cache.since = now;
    }
    for (const auto& [known, instant] : cache.answers)
        if (known == wall)
            return instant;
    const auto instant = computeInstantOf(wall);
    cache.answers.emplace_back(wall, instant);
    return instant;
}

std::optional<long long> computeInstantOf(WallSeconds wall) {
    std::optional<long long> earliest;
    for (int dst : {1, 0}) {
        std::tm fields = fieldsOf(wall);
        fields.tm_isdst = dst;
        const std::time_t instant = std::mktime(&fields);
        std::tm back{};
        if (instant == std::time_t(-1) || !localFields(instant, back))
            continue;
        const std::tm wanted = fieldsOf(wall);
        if (back.tm_year == wanted.tm_year && back.tm_mon == wanted.tm_mon &&
            back.tm_mday == wanted.tm_mday && back.tm_hour == wanted.tm_hour &&
            back.tm_min == wanted.tm_min && back.tm_sec == wanted.tm_sec &&
            (!earliest || instant < *earliest))
            earliest = instant;
    }
    return earliest;
}

} // namespace

void ForgetZoneRules() {
    zoneAnswers().answers.clear();
}

WallSeconds ShownWallTime(WallSeconds wall) {
    if (instantOf(wall))
        return wall;
    // Skipped by the clock: the first whole minute after it that the clock shows (changes come on minutes).
    const WallSeconds minute = wall - (wall % 60 + 60) % 60;
    WallSeconds next = minute == wall ? wall : minute + 60;
    for (int step = 0; step < 24 * 60; ++step, next += 60)
        if (instantOf(next))
            return next;
    return wall;
}

long long SecondsBetween(WallSeconds from, WallSeconds to) {
    // Asked of the C library's zone rules once per moment the clock shows (nearly every one), which are
    // not cheap: this runs at every look of the planner.
    const auto shown = [](WallSeconds wall) {
        const auto instant = instantOf(wall);
        return instant ? instant : instantOf(ShownWallTime(wall));
    };
    const auto a = shown(from);
    const auto b = shown(to);
    return a && b ? *b - *a : to - from;
}

std::optional<WallSeconds> NextFiring(const TSPTime& rule, WallSeconds now) {
    const long long today = DayOf(now);
    const long long timeOfDay = rule.TimeOfDaySecond();
    // The crossing detector fires on the first tick after the rule's time, so today counts while the
    // clock has not reached it, unless the rule ran today already (the clock was set back since).
    const bool todayAhead = SecondOfDay(now) < timeOfDay && !rule.FiredOn(today);
    if (rule.Period == TPeriod::Once) {
        const long long day = rule.OnceDay();
        if (day < today || (day == today && !todayAhead))
            return std::nullopt;
        return ShownWallTime(day * SecondsPerDay + timeOfDay);
    }
    // Every day of the month 1 to 31 comes within two months; a day no month has never comes.
    for (long long day = todayAhead ? today : today + 1; day <= today + 62; ++day)
        if (rule.DueOn(day))
            return ShownWallTime(day * SecondsPerDay + timeOfDay);
    return std::nullopt;
}

std::string InText(long long seconds) {
    if (seconds < 0)
        seconds = 0;
    if (seconds < 60)
        return FillIn(Translate("Agenda", "in %1 s"), {std::to_string(seconds)});
    const long long minutes = seconds / 60;
    if (minutes < 60)
        return FillIn(Translate("Agenda", "in %1 min"), {std::to_string(minutes)});
    const long long hours = minutes / 60;
    if (hours < 24)
        return minutes % 60 ? FillIn(Translate("Agenda", "in %1 h %2 min"),
                                     {std::to_string(hours), std::to_string(minutes % 60)})
                            : FillIn(Translate("Agenda", "in %1 h"), {std::to_string(hours)});
    return hours % 24 ? FillIn(Translate("Agenda", "in %1 d %2 h"),
                               {std::to_string(hours / 24), std::to_string(hours % 24)})
                      : FillIn(Translate("Agenda", "in %1 d"), {std::to_string(hours / 24)});
}

std::string DateTimeText(WallSeconds when) {
    const LocalTime t = LocalTimeOf(when);
    return std::to_string(t.year) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day) + " " +
           TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

std::string WhenText(WallSeconds due, WallSeconds now) {
    return FillIn(Translate("Agenda", "at %1 (%2)"), {AtText(due, now), InText(SecondsBetween(now, due))});
}

std::string AtText(WallSeconds when, WallSeconds now) {
    const std::string text = DateTimeText(when);
    return DayOf(when) == DayOf(now) ? text.substr(11) : text;
}

std::vector<std::string> TAheadWarnings::Check(const std::vector<UpcomingAction>& upcoming, WallSeconds now) {
    std::vector<std::string> texts;
    std::map<std::string, State> seen;
    for (const UpcomingAction& action : upcoming) {
        if (!action.warns)
            continue;
        const long long left = SecondsBetween(now, action.due);
        State state{action.due, left <= Lead};
        // A late tick moves an After action's expected time by a second; that is still the same action.
        if (const auto known = m_states.find(action.key);
            known != m_states.end() && std::llabs(known->second.due - action.due) <= 5)
            state = known->second;
        if (!state.warned && left <= Lead) {
            state.warned = true;
            texts.push_back(FillIn(Translate("Agenda", "%1 at %2, in %3 minutes"),
                                   {action.label, AtText(action.due, now), std::to_string(Lead / 60)}));
        }
        seen[action.key] = state;
    }
    m_states = std::move(seen);
    return texts;
}

} // namespace halvo
