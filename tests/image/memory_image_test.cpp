// The image's blocks and the trimming of build areas into send areas.
#include <gtest/gtest.h>

#include "image/memory_image.h"
#include "image/section_bytes.h"

namespace ordalis {
namespace {

TEST(MemoryImage, HasTwentyOneZeroBlocksAndRefusesOtherNumbers) {
  MemoryImage image;
  EXPECT_EQ(20, image.LastBlockNumber);
  ASSERT_NE(nullptr, image.block(0));
  ASSERT_NE(nullptr, image.block(20));
  EXPECT_EQ(nullptr, image.block(21));
  EXPECT_EQ(nullptr, image.block(-1));
  EXPECT_EQ(0, image.block(20)->Receive.Data[10000]);
}

TEST(MemoryImage, ClearingReceiveAreasKeepsBuildAndSendAreas) {
  MemoryImage image;
  image.block(3)->Receive.Data[5] = 1;
  image.block(3)->Receive.Count = 6;
  image.block(3)->Build.Data[5] = 2;
  ClearReceiveAreas(image);
  EXPECT_EQ(0, image.block(3)->Receive.Data[5]);
  EXPECT_EQ(0, image.block(3)->Receive.Count);
  EXPECT_EQ(2, image.block(3)->Build.Data[5]);
}

TEST(FinishBlock, SendsUpToTheLastNonZeroByteBelowTheLength) {
  MemoryImage image;
  ImageArea& build = image.block(2)->Build;
  build.Count = 50;
  build.Data[6] = 7;
  FinishBlock(image, 2);
  const ImageArea& send = image.block(2)->Send;
  EXPECT_EQ(7, send.Count);
  EXPECT_EQ(7, send.Data[6]);
  EXPECT_EQ(0, send.Data[0]);
  EXPECT_EQ(50, build.Count) << "the build count stays the section length";
}

TEST(FinishBlock, IgnoresBytesAtOrBeyondTheLength) {
  MemoryImage image;
  ImageArea& build = image.block(0)->Build;
  build.Count = 10;
  build.Data[3] = 1;
  build.Data[10] = 5;  // written past the section length: never sent
  FinishBlock(image, 0);
  EXPECT_EQ(4, image.block(0)->Send.Count);
  EXPECT_EQ(0, image.block(0)->Send.Data[10]);
}

TEST(FinishBlock, AFullAreaIsSentWholeAndABadNumberIsIgnored) {
  MemoryImage image;
  ImageArea& build = image.block(9)->Build;
  build.Count = 60000;  // more than the area: clamped
  build.Data[10000] = 1;
  FinishBlock(image, 9);
  EXPECT_EQ(10001, image.block(9)->Send.Count);
  FinishBlock(image, 21);
  FinishBlock(image, -3);
}

TEST(SectionBytes, WordsAreHighByteFirstAndComeBack) {
  ImageArea area;
  SectionWriter out(area, 5);
  out.word(3, 300);
  EXPECT_EQ(5, area.Count);
  EXPECT_EQ(1, area.Data[3]);
  EXPECT_EQ(44, area.Data[4]);
  EXPECT_EQ(300, SectionReader(area).word(3));
}

TEST(SectionBytes, ANegativeValueTravelsAsItsTwoBytes) {
  ImageArea area;
  SectionWriter(area, 2).word(0, -2);
  EXPECT_EQ(0xFF, area.Data[0]);
  EXPECT_EQ(0xFE, area.Data[1]);
  EXPECT_EQ(-2, static_cast<int16_t>(SectionReader(area).word(0)));
}

TEST(SectionBytes, PositionsOutsideTheAreaAreNeverTouched) {
  ImageArea area;
  SectionWriter out(area, 20000);
  EXPECT_EQ(10001, area.Count);
  out.byte(10001, 9);
  out.byte(-1, 9);
  out.word(10000, 0x0102);  // high byte fits, low byte would not
  EXPECT_EQ(1, area.Data[10000]);
  const SectionReader in(area);
  EXPECT_EQ(0, in.byte(10001));
  EXPECT_EQ(0, in.byte(-5));
  EXPECT_EQ(0x0100, in.word(10000));
}

}  // namespace
}  // namespace ordalis
