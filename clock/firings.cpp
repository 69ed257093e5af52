// Expands the lines of a clock table into their firings over a date range by
// the shared step rules, jumping straight to the range where a step has a
// fixed length.
#include "clock/firings.h"

#include <algorithm>

#include "clock/line_moment.h"
#include "clock/step_rules.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr int kLongestRangeMonths = 10 * 12;

// The first step index k >= 1 whose occurrence m0 + k * step is not before `from`.
int64_t FirstStepAtOrAfter(LocalTime m0, minutes step, LocalTime from) {
  if (from <= m0) return 1;
  const int64_t gap = duration_cast<minutes>(ceil<minutes>(from - m0)).count();
  return std::max<int64_t>(1, (gap + step.count() - 1) / step.count());
}

class LineFirings {
 public:
  LineFirings(const ClockLine& line, int index, LocalTime from, LocalTime to,
              const WorkdayFlags& workdays, std::vector<Firing>& out)
      : m_line(line), m_index(index), m_from(from), m_to(to), m_workdays(workdays), m_out(out) {}

  // At most how many firings Expand() adds, so the list is allocated once.
  size_t MostFirings() const {
    const LocalTime m0 = LineMoment(m_line);
    std::optional<minutes> step = FixedStep(m_line);
    if (!step && m_line.RepeatUnit == kRepeatMonths && m_line.RepeatCount > 0) step = days{28 * m_line.RepeatCount};
    if (!step || step->count() <= 0) return 1;
    const LocalTime first = std::max(m0, m_from);
    return first < m_to ? 2 + static_cast<size_t>((m_to - first) / *step) : 1;
  }

  void Expand() {
    const LocalTime m0 = LineMoment(m_line);
    if (m0 >= m_from && m0 < m_to) Add(m0);
    if (std::optional<minutes> step = FixedStep(m_line)) {
      if (step->count() > 0) ExpandFixed(m0, *step);
    } else if (m_line.RepeatUnit == kRepeatMonths && m_line.RepeatCount > 0) {
      ExpandMonths(m0);
    }
  }

 private:
  void ExpandFixed(LocalTime m0, minutes step) {
    for (LocalTime m = m0 + FirstStepAtOrAfter(m0, step, m_from) * step; m < m_to; m += step) {
      if (ActsAt(m_line, m, m_workdays)) Add(m);
    }
  }

  // Month steps start from the previous occurrence (a clipped day stays
  // clipped), so they are walked one by one from the line's moment.
  void ExpandMonths(LocalTime m0) {
    for (LocalTime m = AddMonths(m0, m_line.RepeatCount); m < m_to; m = AddMonths(m, m_line.RepeatCount)) {
      if (m >= m_from && ActsAt(m_line, m, m_workdays)) Add(m);
    }
  }

  void Add(LocalTime m) {
    m_out.push_back({m, m_index, m_line.Table, m_line.functionCode(), m_line.Level});
  }

  const ClockLine& m_line;
  int m_index;
  LocalTime m_from, m_to;
  const WorkdayFlags& m_workdays;
  std::vector<Firing>& m_out;
};

// Time order, and line order within a minute; a type, so the sort inlines it.
struct Earlier {
  bool operator()(const Firing& a, const Firing& b) const {
    return a.moment != b.moment ? a.moment < b.moment : a.line < b.line;
  }
};

}  // namespace

std::vector<Firing> ExpandFirings(const ClockLineArray& lines, int lineCount, LocalTime from, LocalTime to,
                                  const TableSelection& tables, const WorkdayFlags& workdays) {
  std::vector<Firing> firings;
  to = std::min(to, AddMonths(from, kLongestRangeMonths));
  if (to <= from) return firings;
  const int count = std::clamp(lineCount, 0, kClockTableLines);
  std::vector<LineFirings> selected;
  for (int i = 0; i < count; ++i) {
    const ClockLine& line = lines[static_cast<size_t>(i)];
    if (line.inUse() && line.Table < kClockTableCount && tables[line.Table])
      selected.emplace_back(line, i, from, to, workdays, firings);
  }
  size_t most = 0;
  for (const LineFirings& line : selected) most += line.MostFirings();
  firings.reserve(most);
  for (LineFirings& line : selected) line.Expand();
  std::sort(firings.begin(), firings.end(), Earlier{});
  return firings;
}

}  // namespace ordalis
