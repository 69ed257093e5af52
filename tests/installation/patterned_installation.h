// A fixture installation whose every stored field holds a varied value, so
// a read that drops, shifts or swaps a field shows up. The values are chosen
// so that reading leaves them as they are: valid language offset, interface
// types that are no built-in unit, every audio zone and sensor referred to.
#pragma once

#include <cstdint>

#include "base/texts.h"
#include "installation/installation_file_layout.h"

namespace ordalis::test {

// Fills every field it is walked over with the next value of a simple (texts printable).
class PatternFiller {
 public:
  explicit PatternFiller(uint32_t seed) : m_state(seed) {}
  void byte(uint8_t& value) { value = next(); }
  template <std::size_t N>
  void bytes(std::array<uint8_t, N>& values) {
    for (auto& value : values) value = next();
  }
  void int16(int16_t& value) { value = static_cast<int16_t>(next() << 8 | next()); }
  void int32(int32_t& value) { value = static_cast<int32_t>(next() << 24 | next() << 16 | next() << 8 | next()); }
  template <std::size_t N>
  void text(FixedText<N>& value) {
    for (char& c : value.chars) c = static_cast<char>('!' + next() % 90);
  }
  void reserved(std::size_t) {}

 private:
  uint8_t next() {
    m_state = m_state * 1103515245u + 12345u;
    return static_cast<uint8_t>(m_state >> 16);
  }
  uint32_t m_state;
};

inline Installation patternedInstallation(uint8_t model, uint8_t version = kCurrentFileVersion, uint32_t seed = 1) {
  Installation installation;
  installation.CentralModel = model;
  installation.Capacities = capacitiesOf(model);
  PatternFiller filler(seed);
  SecurityZoneTexts texts;
  const FileTableCounts counts = fileTableCounts(version, model);
  fileTables(filler, installation, version, counts, texts);
  installation.Settings.LanguageOffset = 0;
  int button = 0;
  for (int i = 0; i < counts.Interfaces; ++i) {
    installation.Interfaces[i].ModuleType = static_cast<uint8_t>(1 + i % 16);
    for (InterfaceButton& b : installation.Interfaces[i].Buttons) {
      // The second function never carries a type that version 40 converts.
      if (functionTypeOf(b.SecondType) == 17 || functionTypeOf(b.SecondType) == 61) b.SecondType = 1;
      if (button < counts.AudioZones) {
        b.FirstType = 31;
        b.FirstNumber = static_cast<uint8_t>(button + 1);
      } else if (button < counts.AudioZones + counts.Sensors) {
        b.FirstType = 20 | 0x80;
        b.FirstNumber = static_cast<uint8_t>(button - counts.AudioZones + 1);
      }
      ++button;
    }
  }
  return installation;
}

}  // namespace ordalis::test
