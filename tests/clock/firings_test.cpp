// The firings of a clock table held against a plain minute-stepping
// reference over a year, for every table and repeat unit, and the conflicts
// found among firings of one minute.
#include "clock/firings.h"

#include <gtest/gtest.h>

#include <random>

#include "clock/firing_conflicts.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using namespace std::chrono;
using test::At;
using test::LineSpec;
using test::MakeLine;

const WorkdayFlags kMondayToFriday{1, 1, 1, 1, 1, 0, 0};

// The reference walks every step from the line's own moment, one at a time,
// with its own calendar and workday arithmetic.
std::vector<LocalTime> ReferenceMoments(const ClockLine& line, LocalTime from, LocalTime to, const WorkdayFlags& flags) {
  const year_month firstMonth = year{line.Year < 30 ? 2000 + line.Year : 1900 + line.Year} / month{line.Month};
  local_days date = local_days{firstMonth / 1} + days{line.Day - 1};
  minutes time = hours{line.Hour} + minutes{line.Minute};
  std::vector<LocalTime> out;
  auto workday = [&](local_days d) { return flags[(weekday{d}.iso_encoding() + 6) % 7] == 1; };
  const bool daily = line.Table == kWorkdayTable || line.Table == kWeekendTable;
  const bool repeats = daily || (line.RepeatUnit >= 1 && line.RepeatUnit <= 7 && line.RepeatCount > 0);
  unsigned dayOfMonth = static_cast<unsigned>(year_month_day{date}.day());
  for (bool own = true; date + time < to; own = false) {
    const LocalTime m = date + time;
    const bool wantsWorkday = line.Table == kWorkdayTable || line.RepeatUnit == kRepeatWorkdays;
    const bool wantsWeekend = line.Table == kWeekendTable || line.RepeatUnit == kRepeatWeekendDays;
    const bool acts = own || (wantsWorkday ? workday(date) : wantsWeekend ? !workday(date) : true);
    if (m >= from && acts) out.push_back(m);
    if (!repeats) break;
    const int c = daily ? 1 : line.RepeatCount;
    switch (daily ? kRepeatDays : line.RepeatUnit) {
      case kRepeatMinutes: time += minutes{c}; break;
      case kRepeatHours: time += hours{c}; break;
      case kRepeatWeeks: date += days{7 * c}; break;
      case kRepeatMonths: {
        year_month ym = year_month_day{date}.year() / year_month_day{date}.month() + months{c};
        dayOfMonth = std::min(dayOfMonth, static_cast<unsigned>((ym / last).day()));
        date = local_days{ym / day{dayOfMonth}};
        break;
      }
      default: date += days{c};
    }
    date += floor<days>(time);
    time -= floor<days>(time);
  }
  return out;
}

TEST(Firings, EveryTableAndUnitMatchesThePlainStepReferenceOverAYear) {
  std::mt19937 random(17);
  const LocalTime from = At(2026, 2, 1), to = At(2027, 2, 1);
  for (int unit = 0; unit < kRepeatUnitCount; ++unit) {
    for (int trial = 0; trial < 40; ++trial) {
      const WorkdayFlags flags = trial % 4 == 0 ? WorkdayFlags{1, 1, 1, 1, 1, 1, 1} : kMondayToFriday;
      ClockLineArray lines{};
      lines[3] = MakeLine({.year = 2024 + static_cast<int>(random() % 4), .month = 1 + static_cast<int>(random() % 12),
                           .day = 1 + static_cast<int>(random() % 31), .hour = static_cast<int>(random() % 24),
                           .minute = static_cast<int>(random() % 60), .table = static_cast<uint8_t>(random() % 5),
                           .unit = static_cast<uint8_t>(unit), .count = static_cast<uint8_t>(random() % (unit == 1 ? 200 : 7))});
      std::vector<LocalTime> moments;
      for (const Firing& f : ExpandFirings(lines, 100, from, to, kAllTables, flags)) moments.push_back(f.moment);
      ASSERT_EQ(ReferenceMoments(lines[3], from, to, flags), moments)
          << "unit " << unit << " table " << int(lines[3].Table) << " count " << int(lines[3].RepeatCount);
    }
  }
}

TEST(Firings, MergeLinesInTimeOrderAndKeepToTheSelectionCapacityAndTenYears) {
  ClockLineArray lines{};
  lines[0] = MakeLine({.year = 2026, .month = 1, .day = 5, .hour = 9, .unit = kRepeatDays, .count = 1, .level = 7});
  lines[1] = MakeLine({.year = 2026, .month = 1, .day = 6, .hour = 8, .table = kSpecialTable});
  lines[2] = MakeLine({.year = 2026, .month = 1, .day = 5, .hour = 9, .table = kWeekendTable});
  lines[60] = MakeLine({.year = 2026, .month = 1, .day = 5, .hour = 7});
  // The range ends as line 0 fires again: [from, to) leaves that firing out.
  const LocalTime from = At(2026, 1, 5), to = At(2026, 1, 6, 9);
  EXPECT_EQ((std::vector<Firing>{{At(2026, 1, 5, 7), 60, 0, 0x101, 255},
                                     {At(2026, 1, 5, 9), 0, 0, 0x101, 7},
                                     {At(2026, 1, 5, 9), 2, kWeekendTable, 0x101, 255},
                                     {At(2026, 1, 6, 8), 1, kSpecialTable, 0x101, 255}}),
            ExpandFirings(lines, 100, from, to, kAllTables, kMondayToFriday));
  TableSelection noSpecial = kAllTables;
  noSpecial[kSpecialTable] = false;
  EXPECT_EQ(2u, ExpandFirings(lines, 50, from, to, noSpecial, kMondayToFriday).size());
  // A daily line over a range cut to ten years: one firing a day up to 2036.
  const auto daysToCut = static_cast<size_t>(floor<days>(At(2036, 1, 1) - At(2026, 1, 5)).count());
  EXPECT_EQ(daysToCut, ExpandFirings(lines, 1, At(2026, 1, 1), At(2099, 1, 1), kAllTables, kMondayToFriday).size());
}

struct ConflictCase {
  const char* what;
  std::vector<Firing> firings;
  std::vector<int> lines;  // empty: no conflict
  std::optional<int> winner;
};

TEST(FiringConflicts, SameFunctionAndMinuteWithOtherLevelsInTablesThatRunTogether) {
  const LocalTime t = At(2026, 3, 2, 7);
  const std::vector<ConflictCase> cases{
      {"one table: the last line of its list wins", {{t, 2, 0, 0x101, 0}, {t, 5, 0, 0x101, 1}, {t, 9, 0, 0x101, 0}}, {2, 5, 9}, 9},
      {"continue and special table: order unknown", {{t, 4, 0, 0x101, 0}, {t, 1, 4, 0x101, 1}}, {1, 4}, std::nullopt},
      {"workday and simulation never run together", {{t, 4, 1, 0x101, 0}, {t, 1, 3, 0x101, 1}}, {}, std::nullopt},
      {"no level travels as 1", {{t, 4, 0, 0x101, 255}, {t, 1, 0, 0x101, 1}}, {}, std::nullopt},
      {"dim levels that give the same per cent", {{t, 4, 0, 0x201, 0}, {t, 1, 0, 0x201, 128}}, {}, std::nullopt},
      {"other functions", {{t, 4, 0, 0x101, 0}, {t, 1, 0, 0x102, 1}}, {}, std::nullopt},
      {"other minutes", {{t, 4, 0, 0x101, 0}, {t + minutes{1}, 1, 0, 0x101, 1}}, {}, std::nullopt},
  };
  for (const ConflictCase& c : cases) {
    const std::vector<FiringConflict> found = FindFiringConflicts(c.firings);
    ASSERT_EQ(c.lines.empty() ? 0u : 1u, found.size()) << c.what;
    if (found.empty()) continue;
    EXPECT_EQ(c.lines, found[0].lines) << c.what;
    EXPECT_EQ(c.winner, found[0].winner) << c.what;
  }
}

}  // namespace
}  // namespace ordalis
