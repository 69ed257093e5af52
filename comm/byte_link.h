// The byte seam: a serial port as the transfer and the on-line control see
// it. QtSerialLink drives a real port (or a pseudo-terminal); MemoryLink is
// the in-memory pair of the tests. Every wait blocks in the port: nothing
// that uses a ByteLink ever has to spin.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ordalis {

class ByteLink {
 public:
  virtual ~ByteLink() = default;

  // Opens `port` (a device path) with a settings text such as "19200,n,8,1".
  // False when the port cannot be opened or the settings are not valid; the
  // link is then closed.
  virtual bool open(const std::string& port, const std::string& settings) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Why the last open failed: the port and the platform's words
  // ("/dev/ttyS0: Permission denied"), or empty when it did not fail or the
  // link cannot say.
  virtual std::string openError() const { return {}; }

  // Queues bytes for sending, in order; false when the link is not open.
  virtual bool write(std::span<const uint8_t> bytes) = 0;
  // Bytes written but not yet on the wire.
  virtual std::size_t bytesToWrite() const = 0;
  // Received bytes not yet read.
  virtual std::size_t bytesAvailable() const = 0;
  // The next received byte, or nullopt when none is waiting.
  virtual std::optional<uint8_t> readByte() = 0;

  // Blocks until a byte can be read or `timeout` has passed; true when a
  // byte is waiting.
  virtual bool waitForInput(std::chrono::milliseconds timeout) = 0;
  // Blocks until the output buffer is empty or `timeout` has passed; true
  // when everything has been written.
  virtual bool waitForBytesWritten(std::chrono::milliseconds timeout) = 0;

  // The modem's carrier-detect line; false where the port has none.
  virtual bool carrierDetect() const = 0;
  // Discards everything received and everything not yet sent.
  virtual void clearBuffers() = 0;

  // Convenience: one byte, or the characters of a text as bytes.
  bool writeByte(uint8_t byte) { return write(std::span<const uint8_t>(&byte, 1)); }
  bool writeText(const std::string& text) {
    return write(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  }
};

}  // namespace ordalis
