// The clock file (*.clk): one whole clock table and the central model it was
// made for, 1308 bytes. Layout (see docs/clock_file.md):
//
//   offset    0  3     magic "KVB"
//   offset    3  1     format byte (1 for every file this program writes)
//   offset    4  1     central model code
//   offset    5  1300  lines 0 to 99, 13 bytes each in field order
//   offset 1305  3     trailer "KVB"
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "clock/clock_line.h"

namespace ordalis {

constexpr size_t kClockMagicSize = 3;
constexpr size_t kClockMagicOffset = 0;
constexpr size_t kClockFormatOffset = kClockMagicOffset + kClockMagicSize;       // 3
constexpr size_t kClockModelOffset = kClockFormatOffset + 1;                     // 4
constexpr size_t kClockLinesOffset = kClockModelOffset + 1;                      // 5
constexpr size_t kClockLinesSize = kClockTableLines * kClockLineSize;            // 1300
constexpr size_t kClockTrailerOffset = kClockLinesOffset + kClockLinesSize;      // 1305
constexpr size_t kClockFileSize = kClockTrailerOffset + kClockMagicSize;         // 1308

constexpr char kClockMagic[] = "KVB";
constexpr uint8_t kCurrentClockFileFormat = 1;

// What a clock file holds.
struct ClockFileContent {
  uint8_t format = kCurrentClockFileFormat;
  uint8_t model = 0;
  ClockLineArray lines{};
};

// The 1308 bytes of a clock file.
std::vector<uint8_t> EncodeClockFile(const ClockFileContent& content);

// What reading found. The magic and the trailer are compared against buffers
// preset to "!!!", so a file that ends before them never matches.
struct ClockFileDecoded {
  bool magicOk = false;
  bool trailerOk = false;
  bool hasFormat = false;  // the file reaches the format byte
  bool hasModel = false;   // the file reaches the model byte
  ClockFileContent content;
  int linesRead = 0;  // lines 0 .. linesRead-1 were read completely
};

// Decodes any byte sequence. Lines the file does not hold completely stay
// zero in content.lines; bytes after the trailer are not part of the format.
ClockFileDecoded DecodeClockFile(std::span<const uint8_t> bytes);

}  // namespace ordalis
