// The dry run's findings: the smallest table that shows each kind, and a
// table without faults that shows none.
#include "editor/clock_check.h"

#include "catalogue_fixture.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using ::testing::HasSubstr;
using test::At;
using test::LineSpec;
using test::MakeLine;

struct CheckCase {
  const char* what;
  std::vector<LineSpec> lines;  // lines 0, 1, ...
  std::vector<FindingKind> kinds;
  std::vector<int> lines0;  // lines of the first finding
  const char* says;         // a piece of the first finding's sentence
};

class ClockCheck : public test::CatalogueTest {
 protected:
  ClockCheck() {
    addModule(0, 111, 0).Outputs[0].Name.assign("Porch");  // relay 1
  }
  std::vector<Finding> Check(const std::vector<LineSpec>& specs) {
    ClockLineArray lines{};
    for (size_t i = 0; i < specs.size(); ++i) lines[i] = MakeLine(specs[i]);
    return CheckClockTable(lines, installation, texts, At(2026, 3, 2), At(2026, 3, 9));
  }
};

constexpr LineSpec Daily(int hour, uint8_t level, uint8_t table = kContinueTable, uint8_t number = 1,
                         uint8_t type = 1) {
  return {.year = 2026, .month = 3, .day = 1, .hour = hour, .table = table, .unit = kRepeatDays, .count = 1,
          .functionHigh = type, .functionLow = number, .level = level};
}

TEST_F(ClockCheck, EachKindOfFindingFromItsSmallestTable) {
  LineSpec onceBefore = Daily(7, 255);
  onceBefore.unit = kRepeatOnce;
  LineSpec tenMinutes = Daily(7, 255);
  tenMinutes.unit = kRepeatMinutes;
  tenMinutes.count = 10;
  const std::vector<CheckCase> cases{
      {"no faults", {Daily(7, 255), Daily(8, 0), Daily(9, 0, kWorkdayTable), Daily(9, 255, kSimulationTable)}, {}, {}, ""},
      {"a once line before the range", {onceBefore}, {FindingKind::NeverFires}, {0}, "Line 1 never fires between 2026-03-02 and 2026-03-08"},
      {"one table: the last line wins", {Daily(8, 0), Daily(7, 255), Daily(7, 0)}, {FindingKind::Contradiction}, {1, 2}, "(7 times); line 3 wins"},
      {"continue and special table", {Daily(7, 255), Daily(7, 0, kSpecialTable)}, {FindingKind::Contradiction}, {0, 1}, "cannot be known"},
      {"a relay without a name", {Daily(7, 255, kContinueTable, 3)}, {FindingKind::MissingFunction}, {0}, "does not have"},
      {"a relay beyond the model", {Daily(7, 255, kContinueTable, 250)}, {FindingKind::MissingFunction}, {0}, "beyond the capacity"},
      {"a dimmer beyond the model's 120", {Daily(7, 255, kContinueTable, 121, 2)}, {FindingKind::MissingFunction}, {0}, "beyond the capacity"},
      {"a type no clock line offers", {Daily(7, 255, kContinueTable, 1, 7)}, {FindingKind::MissingFunction}, {0}, "cannot be chosen"},
      {"every ten minutes", {tenMinutes}, {FindingKind::ManyFirings}, {0}, "up to 144 times a day"},
      {"90 lines", std::vector<LineSpec>(90, Daily(7, 255)), {FindingKind::NearlyFull}, {}, "holds 90 of 100 lines"},
      {"89 lines", std::vector<LineSpec>(89, Daily(7, 255)), {}, {}, ""},
  };
  for (const CheckCase& c : cases) {
    const std::vector<Finding> findings = Check(c.lines);
    std::vector<FindingKind> kinds;
    for (const Finding& f : findings) kinds.push_back(f.kind);
    EXPECT_EQ(c.kinds, kinds) << c.what;
    if (findings.empty() || c.kinds.empty()) continue;
    EXPECT_EQ(c.lines0, findings[0].lines) << c.what;
    EXPECT_THAT(findings[0].text, HasSubstr(c.says)) << c.what;
  }
}

TEST_F(ClockCheck, WeekendRepeatsNeverFireWhenEveryDayIsAWorkdayAndSmallModelsFillAtFortyFive) {
  installation.Settings.Workdays = {1, 1, 1, 1, 1, 1, 1};
  LineSpec weekendDays = Daily(7, 255);
  weekendDays.unit = kRepeatWeekendDays;
  weekendDays.day = 3;  // its own moment lies before the range
  weekendDays.month = 2;
  const std::vector<Finding> silent = Check({weekendDays});
  ASSERT_EQ(1u, silent.size());
  EXPECT_EQ(FindingKind::NeverFires, silent[0].kind);

  installation.Capacities = capacitiesOf(3);
  const std::vector<Finding> full = Check(std::vector<LineSpec>(45, Daily(7, 255)));
  ASSERT_EQ(1u, full.size());
  EXPECT_THAT(full[0].text, HasSubstr("45 of 50"));
  EXPECT_TRUE(full[0].informational());
}

}  // namespace
}  // namespace ordalis
