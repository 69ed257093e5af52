// libFuzzer target for the decoders of the memory image: the receive areas
// hold whatever the central unit sent. Input: a model byte, then the bytes
// of sections 0 to 20 one after the other, each as long as its section (the
// last ones short or missing when the input ends). Decoding must neither
// crash nor read out of bounds, must leave clock lines from MaxClockLines on
// alone, and a clock table decoded, built and decoded again stays the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "base/texts.h"
#include "image/clock_section.h"
#include "image/image_codec.h"
#include "image/image_sections.h"

using namespace ordalis;

namespace {

void fillReceiveAreas(MemoryImage& image, const ModelCapacities& capacities, const uint8_t* data,
                      size_t size) {
  for (int section = 0; section <= kLastImageBlock && size > 0; ++section) {
    const size_t length = std::min<size_t>(static_cast<size_t>(SectionLength(section, capacities)), size);
    std::copy_n(data, length, image.block(section)->Receive.Data.begin());
    data += length;
    size -= length;
  }
}

bool sameLines(const ClockLineArray& a, const ClockLineArray& b, int from, int to) {
  for (int i = from; i < to; ++i) {
    if (lineBytes(a[i]) != lineBytes(b[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t model = effectiveModel(data[0]);
  auto installation = std::make_unique<Installation>();
  installation->CentralModel = model;
  installation->Capacities = capacitiesOf(model);
  ResetInstallation(*installation, 19200, 0);
  auto image = std::make_unique<MemoryImage>();
  fillReceiveAreas(*image, installation->Capacities, data + 1, size - 1);

  Texts texts;
  DecodeMemoryImage(*image, *installation, texts);

  const int lines = installation->Capacities.MaxClockLines;
  ClockLineArray before{};
  for (size_t i = 0; i < before.size(); ++i) before[i].Level = static_cast<uint8_t>(i);
  ClockLineArray table = before;
  DecodeClockSection(*image, table, lines);
  if (!sameLines(before, table, lines, kClockTableLines)) std::abort();

  auto again = std::make_unique<MemoryImage>();
  BuildClockSection(*again, table, lines, std::nullopt);
  again->block(kClockSection)->Receive = again->block(kClockSection)->Build;
  ClockLineArray back = table;
  DecodeClockSection(*again, back, lines);
  if (!sameLines(table, back, 0, kClockTableLines)) std::abort();
  return 0;
}
