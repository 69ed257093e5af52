// Section 18: the clock table to and from the central unit's memory layout.
#include "image/clock_section.h"

#include <algorithm>

#include "clock/levels.h"
#include "image/section_bytes.h"

namespace ordalis {

namespace {

void writeLine(SectionWriter& out, const ClockSectionLayout& at, int i, const ClockLine& line) {
  const int m = at.moment(i);
  out.byte(m + 0, line.Hour);
  out.byte(m + 1, line.Minute);
  out.byte(m + 2, line.Day);
  out.byte(m + 3, line.Month);
  out.byte(m + 4, 0);
  out.byte(m + 5, line.Year);
  out.byte(m + 6, line.Table);
  out.byte(at.repeatUnit(i), line.RepeatUnit);
  out.byte(at.repeatCount(i), line.RepeatCount);
  out.byte(at.functionHigh(i), line.FunctionHigh);
  out.byte(at.functionLow(i), line.FunctionLow);
  out.byte(at.level(i), LevelByteOf(line));
  out.byte(at.nextLine(i), line.NextLine);
}

void readLine(const SectionReader& in, const ClockSectionLayout& at, int i, ClockLine& line) {
  const int m = at.moment(i);
  line.Hour = in.byte(m + 0);
  line.Minute = in.byte(m + 1);
  line.Day = in.byte(m + 2);
  line.Month = in.byte(m + 3);
  line.Year = in.byte(m + 5);
  line.Table = in.byte(m + 6);
  line.RepeatUnit = in.byte(at.repeatUnit(i));
  line.RepeatCount = in.byte(at.repeatCount(i));
  line.FunctionHigh = in.byte(at.functionHigh(i));
  line.FunctionLow = in.byte(at.functionLow(i));
  line.Level = LevelFromByte(line.FunctionHigh, in.byte(at.level(i)));
  line.NextLine = in.byte(at.nextLine(i));
}

}  // namespace

ClockSectionLayout clockSectionLayout(int maxClockLines) {
  return ClockSectionLayout{std::clamp(maxClockLines, kClockTableCount, kClockTableLines)};
}

void LinkClockTables(ClockLineArray& table, int maxClockLines) {
  const int n = clockSectionLayout(maxClockLines).lines;
  for (int i = 0; i < n; ++i) {
    table[i].NextLine = kNotLinked;
    table[i].FirstLine = kEndOfList;
  }
  std::array<int, kClockTableCount> last;
  last.fill(-1);
  for (int i = 0; i < n; ++i) {
    const ClockLine& line = table[i];
    if (!line.inUse() || line.Table >= kClockTableCount) continue;
    int& tail = last[line.Table];
    if (tail < 0) {
      table[line.Table].FirstLine = static_cast<uint8_t>(i);
    } else {
      table[tail].NextLine = static_cast<uint8_t>(i);
    }
    tail = i;
  }
  for (int tail : last) {
    if (tail >= 0) table[tail].NextLine = kEndOfList;
  }
}

uint8_t LevelByteOf(const ClockLine& line) { return ReceivedLevel(line.FunctionHigh, line.Level); }

uint8_t LevelFromByte(uint8_t functionHigh, uint8_t levelByte) {
  if (functionHigh == kDimmerType) return static_cast<uint8_t>(PercentToLevel(levelByte));
  // A buzzer's or a button's level is a plain number: 1 is button 1, not "no level".
  if (functionHigh == kBuzzerType || functionHigh == kButtonType) return levelByte;
  return levelByte == kNoLevelByte ? kNoLevel : levelByte;
}

std::array<uint8_t, kClockTimeSettingBytes> TimeSettingBytes(LocalTime moment) {
  using namespace std::chrono;
  const auto day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss time{moment - day};
  const unsigned sundayFirst = weekday{day}.c_encoding() + 1;  // c_encoding: Sunday 0
  const int yearOfCentury = ((static_cast<int>(date.year()) % 100) + 100) % 100;
  return {static_cast<uint8_t>(time.hours().count()),
          static_cast<uint8_t>(time.minutes().count()),
          static_cast<uint8_t>(static_cast<unsigned>(date.day())),
          static_cast<uint8_t>(static_cast<unsigned>(date.month())),
          static_cast<uint8_t>(time.seconds().count()),
          static_cast<uint8_t>(yearOfCentury),
          static_cast<uint8_t>(sundayFirst)};
}

void BuildClockSection(MemoryImage& image, ClockLineArray& table, int maxClockLines,
                       std::optional<LocalTime> timeSetting) {
  const ClockSectionLayout at = clockSectionLayout(maxClockLines);
  LinkClockTables(table, at.lines);
  SectionWriter out(image.block(kClockSection)->Build, at.length());
  for (int i = 0; i < at.lines; ++i) writeLine(out, at, i, table[i]);
  for (int t = 0; t < kClockTableCount; ++t) out.byte(at.firstLine(t), table[t].FirstLine);
  std::array<uint8_t, kClockTimeSettingBytes> setting{};
  if (timeSetting) setting = TimeSettingBytes(*timeSetting);
  for (int k = 0; k < kClockTimeSettingBytes; ++k) out.byte(at.timeSetting() + k, setting[k]);
}

void DecodeClockSection(const MemoryImage& image, ClockLineArray& table, int maxClockLines) {
  const ClockSectionLayout at = clockSectionLayout(maxClockLines);
  const SectionReader in(image.block(kClockSection)->Receive);
  for (int i = 0; i < at.lines; ++i) readLine(in, at, i, table[i]);
  for (int t = 0; t < kClockTableCount; ++t) table[t].FirstLine = in.byte(at.firstLine(t));
}

std::vector<int> ClockSectionLinesDiffering(std::span<const uint8_t> first, std::span<const uint8_t> second,
                                            int maxClockLines) {
  const ClockSectionLayout at = clockSectionLayout(maxClockLines);
  auto differsAt = [&](int offset) { return first[static_cast<std::size_t>(offset)] != second[static_cast<std::size_t>(offset)]; };
  std::vector<int> lines;
  for (int i = 0; i < at.lines; ++i) {
    bool differs = i < kClockTableCount && differsAt(at.firstLine(i));
    for (int b = 0; b < kClockMomentBytes; ++b) differs = differs || differsAt(at.moment(i) + b);
    for (int offset : {at.repeatUnit(i), at.repeatCount(i), at.functionHigh(i), at.functionLow(i), at.level(i),
                       at.nextLine(i)})
      differs = differs || differsAt(offset);
    if (differs) lines.push_back(i);
  }
  return lines;
}

}  // namespace ordalis
