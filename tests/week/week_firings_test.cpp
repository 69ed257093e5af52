// The firings of one week against the week view's markers: for random lines
// that no display limit cuts, every marker stands where a firing is and the
// other way round.
#include "clock/firings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/program_state.h"
#include "clock/line_moment.h"
#include "support/line_builder.h"
#include "week/week_geometry.h"
#include "week/week_view_model.h"

namespace ordalis {
namespace {

using namespace std::chrono;
using Marker = std::pair<int, int>;  // left, top

// Random lines whose every occurrence in the shown week lies within the
// week view's limits: at most 210 steps before the week, no minute or hour
// repeats (the view shows them on Mondays only), no count of 0.
ClockLine RandomUncutLine(std::mt19937& random, LocalTime weekStart) {
  const uint8_t table = static_cast<uint8_t>(random() % kClockTableCount);
  static constexpr uint8_t kUnits[] = {kRepeatOnce, kRepeatDays, kRepeatWeeks, kRepeatMonths, kRepeatWorkdays, kRepeatWeekendDays};
  ClockLine line;
  line.Table = table;
  line.RepeatUnit = kUnits[random() % std::size(kUnits)];
  line.RepeatCount = static_cast<uint8_t>(1 + random() % 9);
  const local_days date = floor<days>(weekStart) - days{static_cast<int>(random() % 210)} + days{9};
  SetLineDate(line, date);
  line.Hour = static_cast<uint8_t>(random() % 24);
  line.Minute = static_cast<uint8_t>(random() % 60);
  line.FunctionHigh = 1;
  return line;
}

TEST(WeekFirings, FiringsOfAWeekStandWhereTheWeekViewDrawsItsMarkers) {
  std::mt19937 random(1717);
  FixedClock clock{test::At(2026, 12, 2, 12)};
  for (int trial = 0; trial < 200; ++trial) {
    ProgramState state;
    state.installation.Settings.Workdays = {1, 1, trial % 3 ? uint8_t{1} : uint8_t{0}, 1, 1, trial % 4 ? uint8_t{0} : uint8_t{1}, 0};
    WeekViewModel view{state, clock};
    view.SetWeekOffset(static_cast<int>(random() % 300) - 200);  // dates stay within 2000-2029
    view.UpdateWeekStart();
    const int index = static_cast<int>(random() % 100);
    state.clock.ClockTable[static_cast<size_t>(index)] = RandomUncutLine(random, view.WeekStart());
    view.RecomputeWeek();

    std::vector<Marker> markers;
    for (const ClockControl& control : view.Controls().all())
      if (control.visible) markers.emplace_back(control.left, control.top);
    std::vector<Marker> firings;
    for (const Firing& f : ExpandFirings(state.clock.ClockTable, state.installation.Capacities.MaxClockLines,
                                         view.WeekStart(), view.WeekStart() + days{7}, kAllTables,
                                         state.installation.Settings.Workdays)) {
      const hh_mm_ss<minutes> time{floor<minutes>(f.moment - floor<days>(f.moment))};
      firings.emplace_back(week::ControlLeft(int(time.hours().count()), int(time.minutes().count())),
                           week::ControlTop(DayOffset(view.WeekStart(), f.moment)));
    }
    std::sort(markers.begin(), markers.end());
    std::sort(firings.begin(), firings.end());
    ASSERT_EQ(markers, firings) << "trial " << trial;
  }
}

}  // namespace
}  // namespace ordalis
