// The file commands new, open, save and save as, as the user meets them.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/clock_commands.h"
#include "clock/clock_file.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

using test::ScriptedPrompts;

class ClockCommands : public ::testing::Test {
 protected:
  ProgramState state;
  ScriptedPrompts prompts;
  int weekViewRecomputed = 0;
  ClockCommandContext context{state, prompts, [this] { ++weekViewRecomputed; }};
  test::TempDir dir;

  void SetUp() override { state.texts.LanguageOffset = 0; }

  void addLine(int index, uint8_t functionHigh) {
    state.clock.ClockTable[static_cast<size_t>(index)] =
        test::MakeLine({.year = 2026, .month = 3, .day = 1, .hour = 7, .functionHigh = functionHigh, .functionLow = 4});
    state.clock.ClocksChanged = true;
  }

  // A file of `format` whose first `linesInUse` lines are in use.
  std::string writeClockFile(const std::string& name, uint8_t format, int linesInUse) {
    ClockFileContent content{.format = format};
    for (int i = 0; i < linesInUse; ++i) content.lines[static_cast<size_t>(i)].FunctionHigh = 1;
    test::writeBytes(dir.path(name), EncodeClockFile(content));
    return dir.path(name);
  }
};

TEST_F(ClockCommands, TheCallerGoesOnUnchangedOrAfterNoOrASavingYes) {
  EXPECT_TRUE(SaveChangesFirst(context));
  EXPECT_TRUE(prompts.shown.empty());  // nothing asked without changes
  addLine(0, 1);
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(SaveChangesFirst(context));
  prompts.answers = {Answer::Yes};  // then the save-as dialog is cancelled
  EXPECT_FALSE(SaveChangesFirst(context));
  EXPECT_TRUE(state.clock.ClocksChanged);
  prompts.answers = {Answer::No};
  EXPECT_TRUE(SaveChangesFirst(context));
  state.clock.ClockFileName = dir.path("house.clk");
  prompts.answers = {Answer::Yes};
  EXPECT_TRUE(SaveChangesFirst(context));
  EXPECT_FALSE(state.clock.ClocksChanged);
  EXPECT_EQ(kClockFileSize, test::readBytes(dir.path("house.clk")).size());
}

TEST_F(ClockCommands, NewTableIsNamedAfterTheInstallationFileWithoutDirectory) {
  state.clock.InstallationPath = "/home/anna/installs/villa.v2.nbt";
  addLine(3, 2);
  state.clock.ClocksChanged = false;
  state.clock.ClockFileFormat = 0;
  mmuFileNew_Click(context);
  EXPECT_EQ("villa.v2.clk", state.clock.ClockFileName);
  EXPECT_EQ(1, state.clock.ClockFileFormat);
  EXPECT_FALSE(state.clock.ClockTable[3].inUse());
  EXPECT_EQ(7, state.clock.ClockTable[3].Hour);  // clearing keeps the moment
  EXPECT_EQ(1, weekViewRecomputed);
  EXPECT_EQ("HUIS.clk", NewClockFileName("C:\\Vantrel\\HUIS.NBT"));
  EXPECT_EQ("huis.clk", NewClockFileName("huis"));
}

TEST_F(ClockCommands, OpenShowsTheFixedDutchFilterAndReadsTheChosenFile) {
  std::string path = writeClockFile("a.clk", 1, 4);
  state.clock.ClocksChanged = true;
  prompts.answers = {Answer::No};
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  ASSERT_EQ(1u, prompts.openDialogs.size());
  EXPECT_EQ("Klok bestanden (*.clk) |*.clk|Alle bestanden (*.*) |*.*", prompts.openDialogs[0].filter);
  EXPECT_TRUE(prompts.openDialogs[0].mustExist);
  EXPECT_EQ(path, state.clock.ClockFileName);
  EXPECT_FALSE(state.clock.ClocksChanged);
  EXPECT_TRUE(state.clock.ClockTable[3].inUse());
  EXPECT_FALSE(state.clock.ClockTable[4].inUse());
  EXPECT_EQ(1, weekViewRecomputed);
}

TEST_F(ClockCommands, AFileOfAnotherModelSwitchesTheModelAndKeepsLinesAboveItsCapacity) {
  ClockFileContent content{.model = 4};
  content.lines[75].FunctionHigh = 2;
  content.lines[75].Level = 99;
  std::string path = dir.path("dramel.clk");
  test::writeBytes(path, EncodeClockFile(content));
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  EXPECT_EQ(4, state.installation.CentralModel);
  EXPECT_EQ(50, state.installation.Capacities.MaxClockLines);
  EXPECT_TRUE(state.clock.ClockTable[75].inUse());
  mmuFileSave_Click(context);
  EXPECT_EQ(EncodeClockFile(content), test::readBytes(path));
}

TEST_F(ClockCommands, ShortFileKeepsTheLinesReadAndReportsTheReadError) {
  std::string path = writeClockFile("short.clk", 1, 20);
  auto bytes = test::readBytes(path);
  bytes.resize(5 + 12 * 13 + 4);
  test::writeBytes(path, bytes);
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  ASSERT_EQ(1u, prompts.shown.size());
  EXPECT_EQ("Read error in CLOCK File", prompts.shown[0].text);
  EXPECT_TRUE(state.clock.ClockTable[11].inUse() && !state.clock.ClockTable[12].inUse());
  EXPECT_EQ(path, state.clock.ClockFileName);  // the bad file stays the current file
}

TEST_F(ClockCommands, AForeignFileIsRefusedAndChangesNothing) {
  addLine(5, 2);
  state.clock.ClockFileName = dir.path("mine.clk");
  state.installation.CentralModel = 1;
  std::string foreign = dir.path("notes.txt");
  test::writeText(foreign, "Shopping list: bread, milk, and a clock file that is not one.");
  prompts.answers = {Answer::No};
  prompts.fileNames = {foreign};
  mmuFileOpenCLK_Click(context);
  EXPECT_EQ(kNotAClockFileMessage, prompts.shown.back().text);
  EXPECT_TRUE(state.clock.ClockTable[5].inUse());
  EXPECT_EQ(1, state.installation.CentralModel);
  EXPECT_EQ(dir.path("mine.clk"), state.clock.ClockFileName);
  EXPECT_TRUE(state.clock.ClocksChanged);
  EXPECT_EQ(0, weekViewRecomputed);
}

TEST_F(ClockCommands, CancellingTheConversionWritesNothingAndKeepsTheChanges) {
  std::string path = writeClockFile("old.clk", 0, 2);
  auto before = test::readBytes(path);
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  addLine(9, 1);
  prompts.answers = {Answer::Cancel};
  mmuFileSave_Click(context);
  EXPECT_EQ(before, test::readBytes(path));
  EXPECT_TRUE(state.clock.ClocksChanged);
  EXPECT_EQ(0, state.clock.ClockFileFormat);
}

TEST_F(ClockCommands, AFailedSaveLeavesTheOldFileWholeAndTheChangesSet) {
  std::string path = writeClockFile("house.clk", 1, 3);
  auto before = test::readBytes(path);
  // Something in the way of the temporary file makes the write fail.
  std::filesystem::create_directory(path + ".tmp~");
  state.clock.ClockFileName = path;
  addLine(50, 2);
  mmuFileSave_Click(context);
  EXPECT_EQ(before, test::readBytes(path));
  EXPECT_TRUE(state.clock.ClocksChanged);
  ASSERT_EQ(1u, prompts.shown.size());
  EXPECT_EQ(MessageIcon::Critical, prompts.shown[0].icon);
}

// A name typed without an extension is saved as a clock file; a typed one stays.
TEST(SaveAs, ANameWithoutAnExtensionIsSavedAsAClockFile) {
  const std::pair<const char*, const char*> typedAndSaved[] = {
      {"huis", "huis.clk"}, {"huis.CLK", "huis.CLK"}, {"huis.bak", "huis.bak"}, {"v2.0/huis", "v2.0/huis.clk"}};
  for (const auto& [typed, saved] : typedAndSaved) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path("v2.0"));
    ProgramState state;
    ScriptedPrompts prompts;
    ClockCommandContext context{state, prompts, {}};
    prompts.fileNames = {dir.path(typed)};
    mmuFileSaveAs_Click(context);
    EXPECT_EQ(dir.path(saved), state.clock.ClockFileName) << typed;
    EXPECT_TRUE(std::filesystem::exists(dir.path(saved))) << typed;
    EXPECT_EQ("clk", prompts.saveDialogs.at(0).defaultSuffix);
  }
}

}  // namespace
}  // namespace ordalis
