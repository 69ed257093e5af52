// The memory image's blocks and the trimming of a build area into a send area.
#include "image/memory_image.h"

#include <algorithm>

namespace ordalis {

MemoryImage::MemoryImage() : m_blocks(kImageBlockCount) {}

ImageBlock* MemoryImage::block(int number) {
  if (number < 0 || number >= static_cast<int>(m_blocks.size())) return nullptr;
  return &m_blocks[static_cast<size_t>(number)];
}

const ImageBlock* MemoryImage::block(int number) const {
  return const_cast<MemoryImage*>(this)->block(number);
}

void CreateMemoryImage(MemoryImage& image) {
  image.LastBlockNumber = kLastImageBlock;
  image.ImageTotal = 0;
  for (int number = 0; number < kImageBlockCount; ++number) *image.block(number) = ImageBlock{};
}

void ClearReceiveAreas(MemoryImage& image) {
  for (int number = 0; number < kImageBlockCount; ++number) image.block(number)->Receive = ImageArea{};
}

void FinishBlock(MemoryImage& image, int number) {
  ImageBlock* block = image.block(number);
  if (block == nullptr) return;
  const int length = std::min<int>(block->Build.Count, kImageDataSize);
  int last = length - 1;
  while (last >= 0 && block->Build.Data[static_cast<size_t>(last)] == 0) --last;
  block->Send = ImageArea{};
  std::copy_n(block->Build.Data.begin(), last + 1, block->Send.Data.begin());
  block->Send.Count = static_cast<uint16_t>(last + 1);
}

}  // namespace ordalis
