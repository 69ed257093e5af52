// Every way an installation file can end early, and the bounded reader that
// makes a short file safe to read.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "installation/bounded_reader.h"

#include "app/program_state.h"
#include "installation/installation_file.h"
#include "support/scripted_prompts.h"
#include "tests/installation/patterned_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

// Shows nothing; counts the messages by text.
class CountingPrompts : public Prompts {
 public:
  Answer ask(const Message& message) override {
    last = message.text;
    ++count;
    return Answer::Ok;
  }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
  std::string last;
  int count = 0;
};

// Every distinct kind of cut of a version-60 VORDANE file: the header, the
// first two and the last record of every table byte by byte (every field and
// every place inside a field), and both sides of every record boundary.
std::vector<std::size_t> everyKindOfCut(std::size_t fileSize) {
  struct Region {
    std::size_t records, size;
  };
  const Region regions[] = {{251, 54}, {99, 597}, {32, 52},  {25, 52},  {70, 56},  {40, 58},
                            {10, 58},  {40, 54},  {100, 81}, {10, 112}, {20, 366}, {32, 56},
                            {1, 348},  {1, 152},  {30, 74},  {1, 4},    {10, 84},  {37, 500},
                            {10, 57},  {40, 50},  {256, 50}, {1, 3}};
  std::vector<std::size_t> lengths;
  for (std::size_t length = 0; length <= 5; ++length) lengths.push_back(length);
  std::size_t start = 5;
  for (const Region& region : regions) {
    const std::size_t end = start + region.records * region.size;
    for (std::size_t length = start; length < std::min(end, start + 2 * region.size); ++length)
      lengths.push_back(length);
    for (std::size_t length = end - region.size; length < end; ++length) lengths.push_back(length);
    for (std::size_t boundary = start; boundary <= end; boundary += region.size) {
      lengths.push_back(boundary - 1);
      lengths.push_back(boundary + 1);
    }
    start = end;
  }
  EXPECT_EQ(start, fileSize);
  std::erase_if(lengths, [fileSize](std::size_t length) { return length >= fileSize; });
  return lengths;
}

// Lengths across the whole file at a prime step, which shares no factor with
// any record size, so the cuts fall at ever other places inside the records.
std::vector<std::size_t> lengthsInPrimeSteps(std::size_t fileSize) {
  std::vector<std::size_t> lengths;
  for (std::size_t length = 0; length < fileSize; length += 97) lengths.push_back(length);
  return lengths;
}

void expectEveryCutRefused(const std::vector<uint8_t>& file, const std::vector<std::size_t>& lengths) {
  ProgramState state;
  CountingPrompts prompts;
  for (std::size_t length : lengths) {
    state.clock.InstallationPath = "house.nbt";
    prompts.count = 0;
    ReadInstallationBytes(std::span(file.data(), length), state, prompts);
    ASSERT_EQ(prompts.count, 1) << length;
    ASSERT_EQ(prompts.last, "No VANTREL file!") << length;
    ASSERT_TRUE(state.clock.InstallationPath.empty()) << length;
  }
}

TEST(TruncatedInstallationFile, EveryKindOfCutOfAVordaneFileIsNoInstallationFile) {
  const std::vector<uint8_t> file = fixtures::BuildInstallationFile(test::patternedInstallation(kVordane));
  expectEveryCutRefused(file, everyKindOfCut(file.size()));
}

TEST(TruncatedInstallationFile, CutsAcrossTheWholeFileInPrimeStepsAreNoInstallationFile) {
  const std::vector<uint8_t> file = fixtures::BuildInstallationFile(test::patternedInstallation(kVordane));
  expectEveryCutRefused(file, lengthsInPrimeSteps(file.size()));
}

TEST(TruncatedInstallationFile, TheTablesKeepTheRecordsReadCompletely) {
  Installation installation = test::patternedInstallation(kVordane);
  const std::vector<uint8_t> file = fixtures::BuildInstallationFile(installation);
  ProgramState state;
  test::ScriptedPrompts prompts;
  // Units 0 and 1 whole, unit 2 cut inside its name.
  ReadInstallationBytes(std::span(file.data(), 5 + 2 * 54 + 10), state, prompts);
  EXPECT_EQ(state.installation.Units[1].Name, installation.Units[1].Name);
  EXPECT_EQ(state.installation.Units[1].Value, installation.Units[1].Value);
  EXPECT_EQ(state.installation.Units[2].Name.view().substr(0, 10),
            installation.Units[2].Name.view().substr(0, 10));
  EXPECT_EQ(state.installation.Units[2].Name.view().substr(10), std::string(40, ' '));
  EXPECT_EQ(state.installation.Units[2].Value, 0);
}

TEST(TruncatedInstallationFile, AFileEndingInItsHeaderIsNoInstallationFile) {
  ProgramState state;
  for (const std::vector<uint8_t>& file :
       {std::vector<uint8_t>{}, {'Q', '&'}, {'Q', '&', 'Z'}, {'Q', '&', 'Z', 60}}) {
    test::ScriptedPrompts prompts;
    state.clock.InstallationPath = "x.nbt";
    EXPECT_EQ(ReadInstallationBytes(file, state, prompts), InstallationFileOutcome::NotAnInstallationFile);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"No VANTREL file!"});
    EXPECT_TRUE(state.clock.InstallationPath.empty());
  }
}

TEST(BoundedReader, AReadPastTheEndKeepsThePresetBytes) {
  const std::vector<uint8_t> bytes = {1, 2, 3};
  BoundedReader in(bytes);
  int16_t value = 0x7F7F;
  in.int16(value);
  EXPECT_EQ(value, 0x0201);
  EXPECT_FALSE(in.ranPastEnd());
  in.int16(value);  // only the low byte is left
  EXPECT_EQ(value, 0x0203);
  EXPECT_TRUE(in.ranPastEnd());
  FixedText<4> text("abcd");
  in.text(text);
  EXPECT_EQ(text.str(), "abcd");
}

TEST(BoundedReader, ReadsLittleEndianSignedFields) {
  const std::vector<uint8_t> bytes = {0xFE, 0xFF, 0x20, 0x4E, 0x00, 0x00, 0x07};
  BoundedReader in(bytes);
  int16_t small = 0;
  int32_t large = 0;
  uint8_t byte = 0;
  in.int16(small);
  in.int32(large);
  in.reserved(0);
  in.byte(byte);
  EXPECT_EQ(small, -2);
  EXPECT_EQ(large, 20000);
  EXPECT_EQ(byte, 7);
  EXPECT_EQ(in.position(), 7u);
  EXPECT_FALSE(in.ranPastEnd());
  in.reserved(1);
  EXPECT_TRUE(in.ranPastEnd());
}

TEST(FileTableCounts, NeverExceedTheTables) {
  const Installation installation;
  for (uint8_t version : {40, 60})
    for (int model = 0; model < 256; ++model) {
      const FileTableCounts c = fileTableCounts(version, static_cast<uint8_t>(model));
      EXPECT_LE(c.Interfaces, int(installation.Interfaces.size()));
      EXPECT_LE(c.AudioZones, int(installation.AudioZones.size()));
      EXPECT_LE(c.TimedFunctions, int(installation.TimedFunctions.size()));
      EXPECT_LE(c.IfThenElse, int(installation.IfThenElseFunctions.size()));
      EXPECT_LE(c.Motors, int(installation.MotorFunctions.size()));
      EXPECT_LE(c.Sensors, int(installation.Sensors.size()));
      EXPECT_LE(c.Conditions, int(installation.Conditions.size()));
      EXPECT_LE(c.OutputModules, int(installation.OutputModules.size()));
      EXPECT_LE(c.Flags, int(installation.Flags.size()));
    }
}

}  // namespace
}  // namespace ordalis
