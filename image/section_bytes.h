// Bounded byte access to one area of an image block, with the image's rule
// for 16-bit values: high byte first. A position outside the area's 10001
// bytes is never touched: writes there are dropped and reads give 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "image/memory_image.h"

namespace ordalis {

class SectionWriter {
 public:
  // Starts a section in a build area: sets its count to `length` (the
  // section length, at most the area's size).
  SectionWriter(ImageArea& build, int length);

  void byte(int position, uint8_t value);
  // A 16-bit value as its two bytes, high byte first (two's complement for a
  // negative value).
  void word(int position, int value);
  // Consecutive bytes from `position`.
  template <std::size_t N>
  void bytes(int position, const std::array<uint8_t, N>& values) {
    for (std::size_t k = 0; k < N; ++k) byte(position + static_cast<int>(k), values[k]);
  }

 private:
  ImageArea& m_area;
};

class SectionReader {
 public:
  explicit SectionReader(const ImageArea& receive) : m_area(receive) {}

  uint8_t byte(int position) const;
  // The 16-bit value whose high byte is at `position`: high × 256 + low.
  uint16_t word(int position) const;
  // The same 16 bits as a signed table value.
  int16_t signedWord(int position) const { return static_cast<int16_t>(word(position)); }
  template <std::size_t N>
  void bytes(int position, std::array<uint8_t, N>& values) const {
    for (std::size_t k = 0; k < N; ++k) values[k] = byte(position + static_cast<int>(k));
  }

 private:
  const ImageArea& m_area;
};

}  // namespace ordalis
