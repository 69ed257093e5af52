// Model byte and packet checksum of the block protocol.
#include "comm/transfer_bytes.h"

namespace ordalis {

uint8_t CentralModelByte(uint8_t model) {
  switch (model) {
    case 0: return 0x88;
    case 1:
    case 2: return 0x11;
    case 4: return 0xCC;
    default: return 0x55;
  }
}

uint8_t PacketChecksum(uint8_t header, std::span<const uint8_t> data) {
  unsigned sum = header;
  for (uint8_t byte : data) sum += byte;
  return static_cast<uint8_t>(sum & 0xFF);
}

}  // namespace ordalis
