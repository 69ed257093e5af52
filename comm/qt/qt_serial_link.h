// QtSerialLink: the ByteLink of the program and the CLI, on QSerialPort. It
// drives a real serial port or a pseudo-terminal (ordalis-sim). All waits
// block in the port. The port object is made on the thread that opens the
// link and must be used from that thread only (a transfer's worker thread,
// or the CLI's main thread); no event loop and no GUI are needed.
#pragma once

#include <memory>

#include "comm/byte_link.h"

class QSerialPort;

namespace ordalis {

class QtSerialLink final : public ByteLink {
 public:
  QtSerialLink();
  ~QtSerialLink() override;

  bool open(const std::string& port, const std::string& settings) override;
  void close() override;
  bool isOpen() const override;
  std::string openError() const override { return m_openError; }
  bool write(std::span<const uint8_t> bytes) override;
  std::size_t bytesToWrite() const override;
  std::size_t bytesAvailable() const override;
  std::optional<uint8_t> readByte() override;
  bool waitForInput(std::chrono::milliseconds timeout) override;
  bool waitForBytesWritten(std::chrono::milliseconds timeout) override;
  bool carrierDetect() const override;
  void clearBuffers() override;

 private:
  // Moves what the system holds for the port into its buffer, without waiting.
  void takeWaitingBytes() const;

  std::unique_ptr<QSerialPort> m_port;
  std::string m_openError;
};

}  // namespace ordalis
