// Bounded byte access to the areas of an image block.
#include "image/section_bytes.h"

#include <algorithm>

namespace ordalis {

namespace {
bool inArea(int position) { return position >= 0 && position < kImageDataSize; }
}  // namespace

SectionWriter::SectionWriter(ImageArea& build, int length) : m_area(build) {
  m_area.Count = static_cast<uint16_t>(std::clamp(length, 0, kImageDataSize));
}

void SectionWriter::byte(int position, uint8_t value) {
  if (inArea(position)) m_area.Data[static_cast<size_t>(position)] = value;
}

void SectionWriter::word(int position, int value) {
  const auto bits = static_cast<uint16_t>(value);
  byte(position, static_cast<uint8_t>(bits >> 8));
  byte(position + 1, static_cast<uint8_t>(bits & 0xFF));
}

uint8_t SectionReader::byte(int position) const {
  return inArea(position) ? m_area.Data[static_cast<size_t>(position)] : 0;
}

uint16_t SectionReader::word(int position) const {
  return static_cast<uint16_t>(byte(position) << 8 | byte(position + 1));
}

}  // namespace ordalis
