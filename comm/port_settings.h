// The settings text of a serial port: decimal baud rate followed by ",n,8,1"
// (no parity, 8 data bits, 1 stop bit), as the transfer and the on-line
// control give it to the port.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace ordalis {

enum class Parity { None, Even, Odd, Mark, Space };

struct PortSettings {
  int32_t baudRate = 19200;
  Parity parity = Parity::None;
  int dataBits = 8;
  int stopBits = 1;
};

// "19200,n,8,1" for 19200.
std::string PortSettingsText(int32_t baudRate);
// The settings a text stands for, or nullopt when it is not of the form
// "rate,parity,data,stop" with a positive rate, parity one of n e o m s,
// 5 to 8 data bits and 1 or 2 stop bits.
std::optional<PortSettings> ParsePortSettings(const std::string& text);
// The time one byte takes on the wire: start bit, data bits, parity bit if
// any, stop bits (10 bit times for 8,n,1).
std::chrono::nanoseconds ByteTime(const PortSettings& settings);

}  // namespace ordalis
