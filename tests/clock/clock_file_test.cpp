// The clock file's bytes: writing, reading and what a damaged file gives.
#include <gtest/gtest.h>

#include "clock/clock_file.h"

namespace ordalis {
namespace {

ClockFileContent sampleContent() {
  ClockFileContent content;
  content.format = 1;
  content.model = 3;
  for (size_t i = 0; i < content.lines.size(); ++i) {
    ClockLine& line = content.lines[i];
    line.Minute = static_cast<uint8_t>(i % 60);
    line.Hour = static_cast<uint8_t>(i % 24);
    line.Day = 15;
    line.Month = 6;
    line.Year = 26;
    line.Table = static_cast<uint8_t>(i % 5);
    line.FunctionHigh = static_cast<uint8_t>(i % 3);  // some free lines with leftovers
    line.FunctionLow = static_cast<uint8_t>(i);
    line.Level = 255;
    line.NextLine = 254;
    line.FirstLine = static_cast<uint8_t>(i);
  }
  return content;
}

TEST(ClockFileWriting, AnEmptyNewTableGivesMagicFormatModelZeroLinesAndTrailer) {
  ClockFileContent content;
  content.model = 2;
  std::vector<uint8_t> bytes = EncodeClockFile(content);
  ASSERT_EQ(1308u, bytes.size());
  std::vector<uint8_t> expected = {'K', 'V', 'B', 1, 2};
  expected.resize(1305, 0);
  expected.insert(expected.end(), {'K', 'V', 'B'});
  EXPECT_EQ(expected, bytes);
}

TEST(ClockFileWriting, StoresEveryLineInFieldOrderAtItsOffset) {
  ClockFileContent content = sampleContent();
  std::vector<uint8_t> bytes = EncodeClockFile(content);
  // line 42 starts at 5 + 42 * 13
  const uint8_t* line42 = bytes.data() + 5 + 42 * 13;
  EXPECT_EQ((std::vector<uint8_t>{42, 18, 15, 6, 26, 2, 0, 0, 0, 42, 255, 254, 42}),
            std::vector<uint8_t>(line42, line42 + 13));
}

TEST(ClockFileReading, AWrittenFileComesBackByteForByte) {
  ClockFileContent content = sampleContent();
  ClockFileDecoded decoded = DecodeClockFile(EncodeClockFile(content));
  EXPECT_TRUE(decoded.magicOk);
  EXPECT_TRUE(decoded.trailerOk);
  EXPECT_EQ(100, decoded.linesRead);
  EXPECT_EQ(EncodeClockFile(content), EncodeClockFile(decoded.content));
}

TEST(ClockFileReading, AFileWithoutTheMagicIsRefusedBeforeAnythingElse) {
  std::vector<uint8_t> bytes = EncodeClockFile(sampleContent());
  bytes[1] = 'X';
  ClockFileDecoded decoded = DecodeClockFile(bytes);
  EXPECT_FALSE(decoded.magicOk);
  EXPECT_EQ(0, decoded.linesRead);
  EXPECT_FALSE(decoded.hasModel);
}

TEST(ClockFileReading, ShortFileKeepsTheLinesReadCompletely) {
  std::vector<uint8_t> bytes = EncodeClockFile(sampleContent());
  bytes.resize(5 + 10 * 13 + 6);  // ten lines and part of the eleventh
  ClockFileDecoded decoded = DecodeClockFile(bytes);
  EXPECT_TRUE(decoded.magicOk);
  EXPECT_FALSE(decoded.trailerOk);
  EXPECT_EQ(10, decoded.linesRead);
  EXPECT_EQ(3, decoded.content.model);
  EXPECT_EQ(9, decoded.content.lines[9].FunctionLow);
  EXPECT_EQ(0, decoded.content.lines[10].Minute);  // the partial line is not taken
}

TEST(ClockFileReading, AFileCutInsideTheTrailerFailsTheTrailerTest) {
  std::vector<uint8_t> bytes = EncodeClockFile(sampleContent());
  bytes.resize(1307);
  ClockFileDecoded decoded = DecodeClockFile(bytes);
  EXPECT_EQ(100, decoded.linesRead);
  EXPECT_FALSE(decoded.trailerOk);
}

TEST(ClockFileReading, AFileOfOnlyTheMagicHasNoFormatNorModel) {
  ClockFileDecoded decoded = DecodeClockFile(std::vector<uint8_t>{'K', 'V', 'B', 0});
  EXPECT_TRUE(decoded.magicOk);
  EXPECT_TRUE(decoded.hasFormat);
  EXPECT_FALSE(decoded.hasModel);
  EXPECT_FALSE(decoded.trailerOk);
}

}  // namespace
}  // namespace ordalis
