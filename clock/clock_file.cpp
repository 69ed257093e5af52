// Byte-exact encoding and decoding of the clock file.
#include "clock/clock_file.h"

#include <algorithm>
#include <cstring>

namespace ordalis {

std::vector<uint8_t> EncodeClockFile(const ClockFileContent& content) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kClockFileSize);
  bytes.insert(bytes.end(), kClockMagic, kClockMagic + kClockMagicSize);
  bytes.push_back(content.format);
  bytes.push_back(content.model);
  for (const ClockLine& line : content.lines) {
    auto lineData = lineBytes(line);
    bytes.insert(bytes.end(), lineData.begin(), lineData.end());
  }
  bytes.insert(bytes.end(), kClockMagic, kClockMagic + kClockMagicSize);
  return bytes;
}

namespace {

// Reads a 3-byte marker at offset into a buffer preset to "!!!": whatever the
// file does not hold keeps the preset, so a cut marker never matches.
bool markerAt(std::span<const uint8_t> bytes, size_t offset) {
  char buffer[kClockMagicSize] = {'!', '!', '!'};
  if (offset < bytes.size()) {
    size_t available = std::min(kClockMagicSize, bytes.size() - offset);
    std::memcpy(buffer, bytes.data() + offset, available);
  }
  return std::memcmp(buffer, kClockMagic, kClockMagicSize) == 0;
}

}  // namespace

ClockFileDecoded DecodeClockFile(std::span<const uint8_t> bytes) {
  ClockFileDecoded decoded;
  decoded.magicOk = markerAt(bytes, kClockMagicOffset);
  if (!decoded.magicOk) return decoded;
  decoded.hasFormat = bytes.size() > kClockFormatOffset;
  if (decoded.hasFormat) decoded.content.format = bytes[kClockFormatOffset];
  decoded.hasModel = bytes.size() > kClockModelOffset;
  if (decoded.hasModel) decoded.content.model = bytes[kClockModelOffset];
  for (size_t i = 0; i < kClockTableLines; ++i) {
    size_t offset = kClockLinesOffset + i * kClockLineSize;
    if (offset + kClockLineSize > bytes.size()) break;
    decoded.content.lines[i] = lineFromBytes(bytes.data() + offset);
    decoded.linesRead = static_cast<int>(i) + 1;
  }
  decoded.trailerOk = markerAt(bytes, kClockTrailerOffset);
  return decoded;
}

}  // namespace ordalis
