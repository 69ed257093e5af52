// Section 18 of the memory image: the clock table as the central unit keeps
// it. N = MaxClockLines (100 or 50); the section is 13 × N + 12 bytes:
//
//   part  offset    bytes  content
//   1     0         7 × N  per line: Hour, Minute, Day, Month, 0, Year, Table
//   2     7N        N      RepeatUnit of every line
//   3     8N        N      RepeatCount
//   4     9N        N      FunctionHigh
//   5     10N       N      FunctionLow
//   6     11N       N      level byte (dimmer lines in per cent, else 255 -> 1)
//   7     12N       N      NextLine
//   8     13N       5      FirstLine of tables 0 to 4 (kept in lines 0 to 4)
//   9     13N + 5   7      time setting, or seven zero bytes
//
// Lines N to 99 are never written, linked or changed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/clock_source.h"
#include "clock/clock_line.h"
#include "image/memory_image.h"

namespace ordalis {

constexpr int kClockSection = 18;
constexpr int kClockMomentBytes = 7;  // part 1, per line
constexpr int kClockTimeSettingBytes = 7;

// Byte offsets of the parts of section 18 for N lines.
struct ClockSectionLayout {
  int lines;  // N
  int moment(int line) const { return kClockMomentBytes * line; }
  int repeatUnit(int line) const { return 7 * lines + line; }
  int repeatCount(int line) const { return 8 * lines + line; }
  int functionHigh(int line) const { return 9 * lines + line; }
  int functionLow(int line) const { return 10 * lines + line; }
  int level(int line) const { return 11 * lines + line; }
  int nextLine(int line) const { return 12 * lines + line; }
  int firstLine(int table) const { return 13 * lines + table; }
  int timeSetting() const { return 13 * lines + kClockTableCount; }
  int length() const { return timeSetting() + kClockTimeSettingBytes; }  // 13N + 12
};

// The layout for a table of this capacity (kept within 5..100 lines).
ClockSectionLayout clockSectionLayout(int maxClockLines);

// Links lines 0..N-1 into the lists of the five tables: every line gets
// NextLine 255 and FirstLine 254; then each line in use (FunctionHigh not 0)
// with a table code 0..4 joins its table's list in index order: FirstLine of
// line t names the first line of table t (254 when it has none), NextLine the
// next line of the same table, 254 on the last one.
void LinkClockTables(ClockLineArray& table, int maxClockLines);

// The level byte sent for a line, and the level a received byte stands for:
// a dimmer line (FunctionHigh 2) carries its level in per cent; any other
// line carries its level, except that 255 ("no level") travels as 1. A
// received 1 is read back as 255 except for buzzer and button lines, whose
// level is a plain number.
uint8_t LevelByteOf(const ClockLine& line);
uint8_t LevelFromByte(uint8_t functionHigh, uint8_t levelByte);

// Hour, minute, day of month, month, second, year modulo 100, day of week
// (Sunday 1 .. Saturday 7) of a moment: what sets the central unit's clock.
std::array<uint8_t, kClockTimeSettingBytes> TimeSettingBytes(LocalTime moment);

// Links the table (LinkClockTables: the links are stored in the table) and
// writes section 18's build area from lines 0..N-1. With a time setting the
// last seven bytes set the central unit's clock to that moment; without one
// they are 0. The caller then runs FinishBlock(kClockSection).
void BuildClockSection(MemoryImage& image, ClockLineArray& table, int maxClockLines,
                       std::optional<LocalTime> timeSetting);

// The lines (0-based, in index order) whose bytes differ between two copies
// of section 18 for N lines: any of their parts, the list head that line t
// keeps for table t included; the time setting is not compared. Both copies
// must hold at least 13 × N + 5 bytes.
std::vector<int> ClockSectionLinesDiffering(std::span<const uint8_t> first, std::span<const uint8_t> second,
                                            int maxClockLines);

// Replaces lines 0..N-1 (every field, link bytes and free lines included)
// with what section 18's receive area holds; lines N to 99 keep their
// contents. The time-setting bytes are not read.
void DecodeClockSection(const MemoryImage& image, ClockLineArray& table, int maxClockLines);

}  // namespace ordalis
