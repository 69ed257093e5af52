// libFuzzer target for the clock-file reader: any bytes must decode without
// a crash or an out-of-bounds read, and what it decodes must be consistent:
// only lines the input holds completely are taken, and a whole file written
// back gives the bytes that were read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "clock/clock_file.h"
#include "clock/clock_table.h"
#include "clock/line_moment.h"

using namespace ordalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const ClockFileDecoded decoded = DecodeClockFile(bytes);
  const size_t linesHeld = size < kClockLinesOffset ? 0 : (size - kClockLinesOffset) / kClockLineSize;
  if (decoded.magicOk && static_cast<size_t>(decoded.linesRead) != std::min<size_t>(linesHeld, kClockTableLines))
    std::abort();
  if (!decoded.magicOk && decoded.linesRead != 0) std::abort();
  if (decoded.trailerOk && size < kClockFileSize) std::abort();

  if (decoded.magicOk && decoded.trailerOk) {
    std::vector<uint8_t> again = EncodeClockFile(decoded.content);
    if (!std::equal(again.begin(), again.end(), data)) std::abort();
  }
  // Every line, whatever its bytes, has a moment and a place in a day row.
  for (const ClockLine& line : decoded.content.lines) {
    (void)LineMoment(line);
    if (HorizontalPosition(line) < 20) std::abort();
  }
  return 0;
}
