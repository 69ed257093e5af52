// Every way an installation file can end early: refused, the records read
// completely kept, the tables never overrun.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/program_state.h"
#include "installation/installation_file.h"
#include "support/scripted_prompts.h"
#include "tests/installation/patterned_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

// Every cut of a version-60 VORDANE file is refused with one message and
// clears the file's name: the lengths inside the header, then lengths across
// the whole file at a prime step, which shares no factor with any record size,
// so the cuts fall at ever other places inside the records, and the last byte.
TEST(TruncatedInstallationFile, EveryCutOfAVordaneFileIsNoInstallationFile) {
  const std::vector<uint8_t> file = fixtures::BuildInstallationFile(test::patternedInstallation(kVordane));
  std::vector<std::size_t> lengths = {0, 1, 2, 3, 4, 5, file.size() - 1};
  for (std::size_t length = 6; length < file.size(); length += 97) lengths.push_back(length);
  ProgramState state;
  for (std::size_t length : lengths) {
    test::ScriptedPrompts prompts;
    state.clock.InstallationPath = "house.nbt";
    ReadInstallationBytes(std::span(file.data(), length), state, prompts);
    ASSERT_EQ(prompts.texts(), std::vector<std::string>{"No VANTREL file!"}) << length;
    ASSERT_TRUE(state.clock.InstallationPath.empty()) << length;
  }
  // The tables keep the records read completely: units 0 and 1 whole, unit 2
  // cut inside its name.
  const Installation installation = test::patternedInstallation(kVordane);
  test::ScriptedPrompts prompts;
  state = ProgramState{};
  ReadInstallationBytes(std::span(file.data(), 5 + 2 * 54 + 10), state, prompts);
  EXPECT_EQ(state.installation.Units[1].Name, installation.Units[1].Name);
  EXPECT_EQ(state.installation.Units[1].Value, installation.Units[1].Value);
  EXPECT_EQ(state.installation.Units[2].Name.view().substr(0, 10),
            installation.Units[2].Name.view().substr(0, 10));
  EXPECT_EQ(state.installation.Units[2].Name.view().substr(10), std::string(40, ' '));
  EXPECT_EQ(state.installation.Units[2].Value, 0);
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
