// BoundedReader: reads the fields of a binary file from a byte buffer, the
// way the installation file is read field by field. A read past the end of
// the buffer leaves the field's bytes as they were (the preset bytes), so a
// short file never yields memory outside the buffer; ranPastEnd() tells
// whether that happened.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "installation/fixed_text.h"

namespace ordalis {

class BoundedReader {
 public:
  explicit BoundedReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

  // Copies up to n bytes to target; the bytes beyond the end of the buffer
  // keep their contents.
  void raw(void* target, std::size_t n) {
    const std::size_t available = m_position < m_bytes.size() ? m_bytes.size() - m_position : 0;
    const std::size_t got = n < available ? n : available;
    if (got > 0) std::memcpy(target, m_bytes.data() + m_position, got);
    if (got < n) m_ranPastEnd = true;
    m_position += n;
  }

  // A field of N bytes: copied whole while the buffer holds it.
  template <std::size_t N>
  void fixed(void* target) {
    if (m_position <= m_bytes.size() && m_bytes.size() - m_position >= N) {
      std::memcpy(target, m_bytes.data() + m_position, N);
      m_position += N;
    } else {
      raw(target, N);
    }
  }

  void byte(uint8_t& value) { fixed<1>(&value); }
  template <std::size_t N>
  void bytes(std::array<uint8_t, N>& values) {
    fixed<N>(values.data());
  }
  // A little-endian 16-bit field; a half-read value keeps its high byte.
  void int16(int16_t& value) {
    uint8_t le[2] = {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
    fixed<2>(le);
    value = static_cast<int16_t>(le[0] | le[1] << 8);
  }
  // A little-endian 32-bit field, read the same way.
  void int32(int32_t& value) {
    auto u = static_cast<uint32_t>(value);
    uint8_t le[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                     static_cast<uint8_t>(u >> 24)};
    fixed<4>(le);
    value = static_cast<int32_t>(le[0] | le[1] << 8 | le[2] << 16 | static_cast<uint32_t>(le[3]) << 24);
  }
  template <std::size_t N>
  void text(FixedText<N>& value) {
    fixed<N>(value.chars.data());
  }
  // Reserved bytes: read and ignored.
  void reserved(std::size_t n) {
    if (m_position + n > m_bytes.size()) m_ranPastEnd = true;
    m_position += n;
  }

  std::size_t position() const { return m_position; }
  bool ranPastEnd() const { return m_ranPastEnd; }

 private:
  std::span<const uint8_t> m_bytes;
  std::size_t m_position = 0;
  bool m_ranPastEnd = false;
};

}  // namespace ordalis
