// File > Read VANTREL file: picking, reading and naming the clock file.
#include "app/open_installation_command.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

using test::ScriptedPrompts;
using test::TempDir;

class OpenInstallation : public ::testing::Test {
 protected:
  OpenInstallation() {
    test::writeBytes(folder.path("huis.nbt"), fixtures::BuildInstallationFile(fixtures::DemoInstallation()));
    test::writeText(folder.path("notes.nbt"), "these are not the tables you are looking for");
    state.clock.InstallationPath = "old.nbt";
    state.clock.ClockFileName = "mine.clk";
    state.clock.ClockTable[3].FunctionHigh = 1;
  }

  TempDir folder;
  ProgramState state;
  ScriptedPrompts prompts;
};

TEST_F(OpenInstallation, TheDialogAsksForAnExistingVantrelFileAndCancellingChangesNothing) {
  EXPECT_FALSE(OpenInstallationCommand(state, prompts));
  ASSERT_EQ(prompts.openDialogs.size(), 1u);
  EXPECT_EQ(prompts.openDialogs[0].filter, "Vantrel bestanden (*.nbt) |*.nbt|Alle bestanden (*.*) |*.*");
  EXPECT_TRUE(prompts.openDialogs[0].mustExist);
  // Cancelled: nothing changes.
  EXPECT_EQ(state.clock.InstallationPath, "old.nbt");
  EXPECT_EQ(state.clock.ClockFileName, "mine.clk");
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(prompts.busyDepth, 0);
}

TEST_F(OpenInstallation, AReadFileNamesTheClockFileAndARefusedOneKeepsIt) {
  prompts.fileNames = {folder.path("huis.nbt")};
  EXPECT_TRUE(OpenInstallationCommand(state, prompts));
  EXPECT_EQ(state.clock.InstallationPath, folder.path("huis.nbt"));
  EXPECT_EQ(state.clock.ClockFileName, "huis.clk");
  EXPECT_TRUE(state.clock.ClockTable[3].inUse());
  EXPECT_EQ(state.installation.Capacities.MaxClockLines, 100);
  EXPECT_EQ(prompts.busyDepth, 0);
  // A refused file clears the installation's name but keeps the clock file's.
  prompts.fileNames = {folder.path("notes.nbt")};
  EXPECT_FALSE(OpenInstallationCommand(state, prompts));
  EXPECT_EQ(state.clock.InstallationPath, "");
  EXPECT_EQ(state.clock.ClockFileName, "huis.clk");
  EXPECT_FALSE(prompts.shown.empty());
  EXPECT_TRUE(state.clock.ClockTable[3].inUse());
}

}  // namespace
}  // namespace ordalis
