// Clock lines of any bytes (a clock file may hold anything) through the week
// view: normalising, placing, hit testing and dragging must never crash, and
// what is placed must stay consistent: every count is the number of visible
// controls on its spot, the pool never hands out control 200, and every
// occurrence lies inside the shown week.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/program_state.h"
#include "clock/schedule.h"
#include "week/week_view_model.h"

namespace {

// Input layout: today (day, month, two-digit year), week offset (signed
// byte), workday flags (7 bytes), a click and drag (x, y, x, y), then the
// 13-byte lines, as many as there are.
constexpr size_t kTodayOffset = 0;
constexpr size_t kWeekOffsetOffset = 3;
constexpr size_t kWorkdaysOffset = 4;
constexpr size_t kMouseOffset = kWorkdaysOffset + 7;  // 11
constexpr size_t kLinesOffset = kMouseOffset + 4;     // 15

void check(bool condition) {
  if (!condition) std::abort();
}

void CheckCounts(const ordalis::WeekViewModel& model) {
  using namespace ordalis;
  int visiblePool = 0;
  for (int id = 0; id < kControlCount; ++id) {
    const ClockControl& control = model.Control(id);
    if (!control.visible) continue;
    visiblePool += IsPoolId(id);
    int count = 0;
    for (const ClockControl& other : model.Controls().all())
      count += other.visible && other.left == control.left && other.top == control.top;
    check(control.ClkCount == count);
  }
  check(visiblePool <= kPoolHandedOut);
  check(!model.Control(PoolId(kPoolControls)).visible);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ordalis;
  if (size < kLinesOffset) return 0;
  ProgramState state;
  for (size_t i = 0; i < kClockTableLines && kLinesOffset + (i + 1) * kClockLineSize <= size; ++i)
    state.clock.ClockTable[i] = lineFromBytes(data + kLinesOffset + i * kClockLineSize);
  for (size_t d = 0; d < 7; ++d) state.installation.Settings.Workdays[d] = data[kWorkdaysOffset + d] % 3;
  FixedClock clock{makeLocalTime(2000 + data[kTodayOffset + 2] % 30, 1u + data[kTodayOffset + 1] % 12,
                                 1u + data[kTodayOffset] % 28, 12)};

  WeekViewModel model(state, clock);
  model.SetCatalogueTexts({});
  model.SetWeekOffset(static_cast<int8_t>(data[kWeekOffsetOffset]));
  model.Repaint();
  CheckCounts(model);
  for (int line = 0; line < kClockTableLines; ++line) {
    const LineSchedule schedule = ScheduleLine(state.clock.ClockTable[line], model.WeekStart(),
                                               state.installation.Settings.Workdays);
    check(schedule.occurrences.size() <= kMaxScheduleSteps);
    for (LocalTime moment : schedule.occurrences) {
      const int offset = DayOffset(model.WeekStart(), moment);
      check(offset >= 0 && offset < 7);
    }
  }

  const uint8_t* mouse = data + kMouseOffset;
  model.MouseDown(mouse[0] * 2.2, mouse[1] * 2.0, MouseButton::Left);
  model.MouseMove(mouse[2] * 2.2, mouse[3] * 2.0, true);
  model.MouseUp(mouse[2] * 2.2, mouse[3] * 2.0);
  CheckCounts(model);
  check(model.HitList().size() <= kMaxHits);
  return 0;
}
