// The central unit's memory as the program models it: 21 numbered sections,
// each an ImageBlock with a send, a build and a receive area.
//
// How a transfer uses the image:
//  - Sending the clock table: CreateMemoryImage (all zero), BuildClockSection
//    writes the build area of section 18, ImageTotal := 0, FinishBlock(18)
//    turns the build area into the send area (trailing zeros trimmed), and
//    ImageTotal += the send count of section 18. The sender then transmits
//    Send.Data[0 .. Send.Count - 1] of that block.
//  - Receiving: BuildMemoryImage (so that every block exists and ImageTotal
//    is known), ClearReceiveAreas, then store each section's bytes from
//    position 0 of its block's Receive.Data (at most kImageDataSize bytes;
//    Receive.Count stays 0: decoders read by position). After success,
//    DecodeClockSection (clock table) or ResetInstallation followed by
//    DecodeMemoryImage (whole installation).
//  - LastBlockNumber is 20 after a build; a transfer of one section may lower
//    it (progress by bytes). Blocks are always reached through block(n),
//    which checks n against the 21 blocks that exist, not LastBlockNumber.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ordalis {

constexpr int kImageDataSize = 10001;  // data bytes 0 to 10000 of every area
constexpr int kImageBlockCount = 21;   // sections 0 to 20
constexpr int16_t kLastImageBlock = kImageBlockCount - 1;

// One area of a block: a count and the data bytes.
struct ImageArea {
  uint16_t Count = 0;
  std::array<uint8_t, kImageDataSize> Data{};
};

struct ImageBlock {
  ImageArea Send;     // what goes to the central unit; Count = bytes to send
  ImageArea Build;    // where a section builder writes; Count = section length
  ImageArea Receive;  // what came from the central unit, from position 0
};

class MemoryImage {
 public:
  // The 21 blocks exist from construction on, all zero; so a block number
  // in 0..20 is always valid and nothing reads a block that is not there.
  MemoryImage();

  int16_t LastBlockNumber = kLastImageBlock;
  // Sum of the send counts of all blocks after a build; the transfer uses it
  // for its progress display and resets it when it sends only section 18.
  int32_t ImageTotal = 0;

  // The block with this number, or nullptr outside 0..20.
  ImageBlock* block(int number);
  const ImageBlock* block(int number) const;

 private:
  std::vector<ImageBlock> m_blocks;
};

// Makes the image anew: last block number 20, every byte of every area 0,
// every count 0, ImageTotal 0.
void CreateMemoryImage(MemoryImage& image);

// Sets every receive count and receive byte to 0 (start of a receive).
void ClearReceiveAreas(MemoryImage& image);

// Copies the build area of block `number` into its send area, up to and
// including its last non-zero byte below the build count: trailing zero
// bytes are never sent, and an all-zero or empty section sends nothing.
// The build count is left as the builder set it. A number outside 0..20 is
// ignored.
void FinishBlock(MemoryImage& image, int number);

}  // namespace ordalis
