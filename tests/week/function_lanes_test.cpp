// The Functions view's lanes: what relays, dimmers and other functions do
// over a week, conflicts between lines, the state carried in from before
// the week, and hidden tables.
#include "week/function_lanes.h"

#include <gtest/gtest.h>

#include "support/line_builder.h"

namespace ordalis {
namespace {

using test::At;
using test::MakeLine;

constexpr uint16_t kRelay = 1 << 8 | 5, kDimmer = 2 << 8 | 3, kMood = 8 << 8 | 2;
const LocalTime kMonday = At(2025, 3, 10), kNextMonday = At(2025, 3, 17);

// This catalogue lists the dimmer first, so lanes follow it and not the codes.
LaneName Catalogue(uint16_t function) { return {function == kDimmer ? 0 : function, "F" + std::to_string(function)}; }

LaneState On() { return {LaneStateKind::On}; }
LaneState Off() { return {LaneStateKind::Off}; }
LaneState Unknown() { return {}; }
LaneState Dimmed(int percent) { return {LaneStateKind::Dimmed, percent}; }

// Where each state of a lane starts; the intervals must tile the week.
std::vector<std::pair<LocalTime, LaneState>> Steps(const FunctionLane& lane) {
  std::vector<std::pair<LocalTime, LaneState>> steps;
  LocalTime expectedFrom = kMonday;
  for (const LaneInterval& interval : lane.intervals) {
    EXPECT_EQ(expectedFrom, interval.from);
    expectedFrom = interval.to;
    steps.emplace_back(interval.from, interval.state);
  }
  EXPECT_EQ(kNextMonday, expectedFrom);
  return steps;
}

class Lanes : public ::testing::Test {
 protected:
  ClockLineArray lines{};
  int lineCount = kClockTableLines;
  TableSelection tables = kAllTables;
  std::vector<Firing> before, week;

  void Line(int index, uint16_t function, uint8_t table = kContinueTable) {
    lines[index] = MakeLine({.year = 2025, .month = 3, .day = 1, .table = table,
                             .functionHigh = static_cast<uint8_t>(function >> 8),
                             .functionLow = static_cast<uint8_t>(function & 0xFF)});
  }
  Firing Fire(LocalTime at, int line, uint8_t level) const {
    return {at, line, lines[line].Table, lines[line].functionCode(), level};
  }
  WeekLanes Build() const { return LanesFromFirings({lines, lineCount, kMonday, tables, {}}, before, week, Catalogue); }
};

TEST_F(Lanes, RelaysDimmersAndOtherFunctionsEachGetTheirLaneInCatalogueOrder) {
  Line(0, kRelay);
  Line(1, kDimmer);
  Line(2, kMood);
  before = {Fire(At(2025, 3, 9, 22), 0, 255)};
  week = {Fire(At(2025, 3, 10, 7), 0, 0),  Fire(At(2025, 3, 10, 8), 1, 127), Fire(At(2025, 3, 10, 9), 2, 255),
          Fire(At(2025, 3, 11, 7), 0, 3),  Fire(At(2025, 3, 11, 8), 1, 200), Fire(At(2025, 3, 12, 7), 0, 1),
          Fire(At(2025, 3, 13, 9), 2, 255)};
  const WeekLanes result = Build();
  ASSERT_EQ(3u, result.lanes.size());
  const FunctionLane &dimmer = result.lanes[0], &relay = result.lanes[1], &mood = result.lanes[2];
  EXPECT_EQ(kDimmer, dimmer.function);
  EXPECT_EQ("F" + std::to_string(kRelay), relay.name);
  EXPECT_EQ(On(), relay.carriedIn);
  const std::vector<std::pair<LocalTime, LaneState>> relaySteps = {
      {kMonday, On()}, {At(2025, 3, 10, 7), Off()}, {At(2025, 3, 11, 7), {LaneStateKind::Uncoupled}},
      {At(2025, 3, 12, 7), On()}};
  EXPECT_EQ(relaySteps, Steps(relay));
  // A relay at level 1 is on as at 255. 127 is 50 %; 200 lies between the per-cent steps, and the central receives 0 %.
  const std::vector<std::pair<LocalTime, LaneState>> dimmerSteps = {
      {kMonday, Unknown()}, {At(2025, 3, 10, 8), Dimmed(50)}, {At(2025, 3, 11, 8), Dimmed(0)}};
  EXPECT_EQ(dimmerSteps, Steps(dimmer));
  EXPECT_EQ(LaneKind::Ticks, mood.kind);
  EXPECT_TRUE(mood.intervals.empty());
  EXPECT_EQ(2u, mood.changes.size());
}

TEST_F(Lanes, LinesThatDisagreeAtOneMinuteLeaveTheStateUnknownAndConflictWhereTheirTablesRunTogether) {
  Line(0, kRelay, kContinueTable);
  Line(1, kRelay, kWorkdayTable);
  Line(2, kRelay, kSimulationTable);
  Line(3, kRelay, kWorkdayTable);
  before = {Fire(At(2025, 3, 9, 23), 1, 255), Fire(At(2025, 3, 9, 23), 3, 255)};
  week = {Fire(At(2025, 3, 10, 7), 0, 255), Fire(At(2025, 3, 10, 7), 1, 0),    // continue beside workday
          Fire(At(2025, 3, 11, 7), 1, 255), Fire(At(2025, 3, 11, 7), 2, 0),    // workday or simulation
          Fire(At(2025, 3, 12, 7), 1, 255), Fire(At(2025, 3, 12, 7), 3, 255),  // agreeing lines
          Fire(At(2025, 3, 13, 7), 1, 0),   Fire(At(2025, 3, 13, 7), 3, 255)};  // one table
  const WeekLanes result = Build();
  ASSERT_EQ(1u, result.lanes.size());
  const FunctionLane& relay = result.lanes[0];
  EXPECT_EQ(On(), relay.carriedIn);
  const std::vector<std::pair<LocalTime, LaneState>> steps = {
      {kMonday, On()}, {At(2025, 3, 10, 7), Unknown()}, {At(2025, 3, 12, 7), On()}, {At(2025, 3, 13, 7), Unknown()}};
  EXPECT_EQ(steps, Steps(relay));
  ASSERT_EQ(2u, relay.conflicts.size());
  EXPECT_EQ((std::vector<int>{0, 1}), relay.conflicts[0].lines);
  EXPECT_EQ((std::vector<int>{1, 3}), relay.conflicts[1].lines);
  std::vector<bool> marked;
  for (const LaneChange& change : relay.changes) marked.push_back(change.conflict);
  EXPECT_EQ((std::vector<bool>{true, true, false, false, false, false, true, true}), marked);
}

TEST_F(Lanes, HiddenTablesAndLinesAboveTheCapacityGiveNoLaneAndNoFiring) {
  Line(0, kRelay, kContinueTable);
  Line(1, kRelay, kWeekendTable);
  Line(2, kDimmer, kWeekendTable);
  Line(60, kMood);
  tables[kWeekendTable] = false;
  lineCount = 50;
  before = {Fire(At(2025, 3, 9, 23), 1, 255)};
  week = {Fire(At(2025, 3, 10, 7), 0, 0), Fire(At(2025, 3, 15, 7), 1, 255), Fire(At(2025, 3, 15, 8), 2, 127)};
  const WeekLanes result = Build();
  ASSERT_EQ(1u, result.lanes.size());
  const FunctionLane& relay = result.lanes[0];
  EXPECT_EQ(Unknown(), relay.carriedIn);
  ASSERT_EQ(1u, relay.changes.size());
  EXPECT_EQ(0, relay.changes[0].line);
  tables[kWeekendTable] = true;
  EXPECT_EQ(2u, Build().lanes.size());
}

}  // namespace
}  // namespace ordalis
