// The settings held in memory between reading and writing "Vantrel.ini".
#pragma once

#include <cstdint>

namespace ordalis {

struct Settings {
  int32_t LanguageSetting = 10000;  // the offset the settings file holds
  int32_t BaudRate = 19200;         // communication baud rate
  int16_t ComPort = 2;              // communication port number (COMn)
  uint8_t TimeSet = 0;              // 1: set the central's clock when sending
  uint8_t Verify = 1;               // 1: read the clock table back after sending
};

}  // namespace ordalis
