// Two clock tables compared by what the central unit would do with them.
#include <gtest/gtest.h>

#include "comm/acting_comparison.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;
using test::MakeLine;

const LocalTime kNow = At(2026, 4, 1, 12, 0);  // a Wednesday

// Monday 2 March 2026, 08:00, every week.
constexpr LineSpec kWeekly{2026, 3, 2, 8, 0, kContinueTable, kRepeatWeeks, 1, 1, 5, 255};

TableDifferences compare(const std::vector<std::pair<int, LineSpec>>& first,
                         const std::vector<std::pair<int, LineSpec>>& second) {
  ClockLineArray a{}, b{};
  for (const auto& [index, spec] : first) a[static_cast<std::size_t>(index)] = MakeLine(spec);
  for (const auto& [index, spec] : second) b[static_cast<std::size_t>(index)] = MakeLine(spec);
  return CompareActingTables(a, b, kClockTableLines, kNow);
}

LineSpec with(void (*change)(LineSpec&)) {
  LineSpec spec = kWeekly;
  change(spec);
  return spec;
}

TEST(ActingComparison, PairsLinesThatDifferInOneFieldAndNamesIt) {
  struct Case {
    LineSpec second;
    LineField field;
  };
  const Case cases[] = {
      {with([](LineSpec& s) { s.table = kSimulationTable; }), LineField::Table},
      {with([](LineSpec& s) { s.functionLow = 6; }), LineField::Function},
      {with([](LineSpec& s) { s.level = 40; }), LineField::Level},
      {with([](LineSpec& s) { s.hour = 9; }), LineField::Time},
      {with([](LineSpec& s) { s.day = 3; }), LineField::Date},  // Tuesdays instead of Mondays
      {with([](LineSpec& s) { s.count = 2; }), LineField::Repeat},
  };
  for (const Case& c : cases) {
    const TableDifferences d = compare({{4, kWeekly}}, {{9, c.second}});
    SCOPED_TRACE(LineFieldName(c.field));
    ASSERT_EQ(d.changed.size(), 1u);
    EXPECT_EQ(d.changed[0].first, 4);
    EXPECT_EQ(d.changed[0].second, 9);
    EXPECT_EQ(d.changed[0].fields, std::vector<LineField>{c.field});
    EXPECT_TRUE(d.onlyInFirst.empty() && d.onlyInSecond.empty());
    EXPECT_FALSE(d.same());
  }
  // a date the update leaves alone still counts
  const LineSpec once{2026, 5, 1, 6, 30, kSpecialTable, kRepeatOnce, 0, 3, 1, 10};
  const TableDifferences d = compare({{0, once}}, {{0, LineSpec{2026, 5, 2, 6, 30, kSpecialTable, kRepeatOnce, 0, 3, 1, 10}}});
  ASSERT_EQ(d.changed.size(), 1u);
  EXPECT_EQ(d.changed[0].fields, std::vector<LineField>{LineField::Date});
}

TEST(ActingComparison, LinesTheCentralWouldActOnAlikeAreTheSame) {
  const LineSpec workday{2025, 1, 9, 7, 0, kWorkdayTable, kRepeatOnce, 0, 1, 2, 255};
  const LineSpec once{2026, 5, 1, 6, 30, kSpecialTable, kRepeatOnce, 0, 3, 1, 10};
  const std::vector<std::pair<int, LineSpec>> pairs[][2] = {
      // the same lines in another order
      {{{0, kWeekly}, {1, once}}, {{3, once}, {7, kWeekly}}},
      // dates that the update before a transfer moves onto the same occurrence
      {{{0, kWeekly}}, {{0, with([](LineSpec& s) { s.day = 16; })}}},
      {{{0, workday}}, {{0, LineSpec{2026, 3, 30, 7, 0, kWorkdayTable, kRepeatOnce, 0, 1, 2, 255}}}},
      // "no level" travels as the level 1
      {{{0, kWeekly}}, {{0, with([](LineSpec& s) { s.level = 1; })}}},
  };
  for (const auto& pair : pairs) EXPECT_TRUE(compare(pair[0], pair[1]).same());
}

TEST(ActingComparison, LinesWithNoCounterpartBelongToOneTable) {
  const LineSpec other{2026, 6, 9, 22, 15, kSpecialTable, kRepeatDays, 3, 2, 7, 200};  // apart in every field
  const TableDifferences d = compare({{0, kWeekly}, {5, kWeekly}}, {{2, kWeekly}, {8, other}});
  EXPECT_EQ(d.onlyInFirst, std::vector<int>{5});
  EXPECT_EQ(d.onlyInSecond, std::vector<int>{8});
  EXPECT_TRUE(d.changed.empty());
}

}  // namespace
}  // namespace ordalis
