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

// A file without the magic is refused before anything else; a cut one keeps
// the lines read completely (not a partial line) and fails the trailer test.
TEST(ClockFileReading, DamagedFilesKeepOnlyWhatWasReadCompletely) {
  const std::vector<uint8_t> whole = EncodeClockFile(sampleContent());
  std::vector<uint8_t> noMagic = whole;
  noMagic[1] = 'X';
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    bool magic, format, model;
    int lines;
  } cases[] = {
      {"no magic", noMagic, false, false, false, 0},
      {"ten lines and part of the eleventh", {whole.begin(), whole.begin() + 5 + 10 * 13 + 6}, true, true, true, 10},
      {"cut inside the trailer", {whole.begin(), whole.end() - 1}, true, true, true, 100},
      {"only the magic and format", {'K', 'V', 'B', 0}, true, true, false, 0},
  };
  for (const auto& c : cases) {
    const ClockFileDecoded decoded = DecodeClockFile(c.bytes);
    EXPECT_EQ(c.magic, decoded.magicOk) << c.what;
    EXPECT_EQ(c.format, decoded.hasFormat) << c.what;
    EXPECT_EQ(c.model, decoded.hasModel) << c.what;
    EXPECT_EQ(c.lines, decoded.linesRead) << c.what;
    EXPECT_FALSE(decoded.trailerOk) << c.what;
    if (c.lines == 10) {
      EXPECT_EQ(9, decoded.content.lines[9].FunctionLow);
      EXPECT_EQ(0, decoded.content.lines[10].Minute);
    }
  }
}

}  // namespace
}  // namespace ordalis
