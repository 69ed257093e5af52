// The image's blocks and the trimming of build areas into send areas.
#include <gtest/gtest.h>

#include "image/memory_image.h"
#include "image/section_bytes.h"

namespace ordalis {
namespace {

TEST(MemoryImage, RefusesBlockNumbersOutsideZeroToTwentyAndClearsOnlyReceiveAreas) {
  MemoryImage image;
  ASSERT_NE(nullptr, image.block(0));
  ASSERT_NE(nullptr, image.block(20));
  EXPECT_EQ(nullptr, image.block(21));
  EXPECT_EQ(nullptr, image.block(-1));
  image.block(3)->Receive.Data[5] = 1;
  image.block(3)->Receive.Count = 6;
  image.block(3)->Build.Data[5] = 2;
  ClearReceiveAreas(image);
  EXPECT_EQ(0, image.block(3)->Receive.Data[5]);
  EXPECT_EQ(0, image.block(3)->Receive.Count);
  EXPECT_EQ(2, image.block(3)->Build.Data[5]);
}

// The send area runs up to the last non-zero byte below the section length;
// bytes written past the length are never sent.
TEST(FinishBlock, SendsUpToTheLastNonZeroByteBelowTheLength) {
  const struct {
    int count, lastNonZero, pastLength, sent;
  } cases[] = {{50, 6, -1, 7}, {10, 3, 10, 4}, {60000, 10000, -1, 10001} /* more than the area: clamped */};
  for (const auto& c : cases) {
    MemoryImage image;
    ImageArea& build = image.block(9)->Build;
    build.Count = static_cast<uint16_t>(c.count);
    build.Data[c.lastNonZero] = 7;
    if (c.pastLength >= 0) build.Data[c.pastLength] = 5;
    FinishBlock(image, 9);
    const ImageArea& send = image.block(9)->Send;
    EXPECT_EQ(c.sent, send.Count) << c.count;
    EXPECT_EQ(7, send.Data[c.lastNonZero]);
    if (c.pastLength >= 0) { EXPECT_EQ(0, send.Data[c.pastLength]) << "written past the length"; }
    EXPECT_EQ(static_cast<uint16_t>(c.count), build.Count) << "the build count stays the section length";
  }
  MemoryImage image;
  FinishBlock(image, 21);  // a bad number is ignored
  FinishBlock(image, -3);
}

// Words are high byte first and come back, negative ones too; positions
// outside the area are never touched.
TEST(SectionBytes, WordsAreHighByteFirstAndPositionsOutsideTheAreaAreNeverTouched) {
  ImageArea area;
  SectionWriter out(area, 20000);
  EXPECT_EQ(10001, area.Count);
  out.word(3, 300);
  out.word(0, -2);
  EXPECT_EQ((std::vector<uint8_t>{0xFF, 0xFE, 0, 1, 44}), std::vector<uint8_t>(area.Data.begin(), area.Data.begin() + 5));
  out.byte(10001, 9);
  out.byte(-1, 9);
  out.word(10000, 0x0102);  // high byte fits, low byte would not
  EXPECT_EQ(1, area.Data[10000]);
  const SectionReader in(area);
  EXPECT_EQ(300, in.word(3));
  EXPECT_EQ(-2, static_cast<int16_t>(in.word(0)));
  EXPECT_EQ(0, in.byte(10001));
  EXPECT_EQ(0, in.byte(-5));
  EXPECT_EQ(0x0100, in.word(10000));
}

}  // namespace
}  // namespace ordalis
