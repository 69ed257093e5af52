// The file commands new, open, save and save as, as the user meets them.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/clock_commands.h"
#include "clock/clock_file.h"
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
    ClockLine& line = state.clock.ClockTable[static_cast<size_t>(index)];
    line = ClockLine{};
    line.Hour = 7;
    line.Day = 1;
    line.Month = 3;
    line.Year = 26;
    line.FunctionHigh = functionHigh;
    line.FunctionLow = 4;
    line.Level = 255;
    state.clock.ClocksChanged = true;
  }

  std::string writeClockFile(const std::string& name, uint8_t format, uint8_t model,
                             int linesInUse) {
    ClockFileContent content;
    content.format = format;
    content.model = model;
    for (int i = 0; i < linesInUse; ++i) {
      content.lines[static_cast<size_t>(i)].FunctionHigh = 1;
      content.lines[static_cast<size_t>(i)].FunctionLow = static_cast<uint8_t>(i);
    }
    std::string path = dir.path(name);
    test::writeBytes(path, EncodeClockFile(content));
    return path;
  }
};

// ---- the ask-to-save question

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

// ---- new table

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
}

TEST(NewClockFileName, TakesTheBaseNameOfWindowsAndBarePaths) {
  EXPECT_EQ("HUIS.clk", NewClockFileName("C:\\Vantrel\\HUIS.NBT"));
  EXPECT_EQ("huis.clk", NewClockFileName("huis"));
  EXPECT_EQ(".clk", NewClockFileName(""));
}

// ---- open

TEST_F(ClockCommands, OpenShowsTheFixedDutchFilterAndReadsTheChosenFile) {
  std::string path = writeClockFile("a.clk", 1, 0, 4);
  state.clock.ClocksChanged = true;
  prompts.answers = {Answer::No};
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  ASSERT_EQ(1u, prompts.openDialogs.size());
  EXPECT_EQ("Klok bestanden (*.clk) |*.clk|Alle bestanden (*.*) |*.*", prompts.openDialogs[0].filter);
  EXPECT_TRUE(prompts.openDialogs[0].mustExist);
  EXPECT_EQ("", prompts.openDialogs[0].initialName);
  EXPECT_EQ(path, state.clock.ClockFileName);
  EXPECT_FALSE(state.clock.ClocksChanged);
  EXPECT_TRUE(state.clock.ClockTable[3].inUse());
  EXPECT_FALSE(state.clock.ClockTable[4].inUse());
  EXPECT_EQ(1, weekViewRecomputed);
  EXPECT_EQ(0, prompts.busyDepth);
}

TEST_F(ClockCommands, AFileOfAnotherModelSwitchesTheModelAndKeepsLinesAboveItsCapacity) {
  ClockFileContent content;
  content.model = 4;
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
  std::string path = writeClockFile("short.clk", 1, 0, 20);
  auto bytes = test::readBytes(path);
  bytes.resize(5 + 12 * 13 + 4);
  test::writeBytes(path, bytes);
  prompts.fileNames = {path};
  mmuFileOpenCLK_Click(context);
  ASSERT_EQ(1u, prompts.shown.size());
  EXPECT_EQ("Read error in CLOCK File", prompts.shown[0].text);
  EXPECT_EQ("Ordalis", prompts.shown[0].title);
  EXPECT_EQ(MessageIcon::None, prompts.shown[0].icon);
  EXPECT_TRUE(state.clock.ClockTable[11].inUse());
  EXPECT_FALSE(state.clock.ClockTable[12].inUse());
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
  EXPECT_EQ("Ordalis", prompts.shown.back().title);
  EXPECT_TRUE(state.clock.ClockTable[5].inUse());
  EXPECT_EQ(1, state.installation.CentralModel);
  EXPECT_EQ(dir.path("mine.clk"), state.clock.ClockFileName);
  EXPECT_TRUE(state.clock.ClocksChanged);
  EXPECT_EQ(0, weekViewRecomputed);
}

TEST_F(ClockCommands, AFileThatCannotBeReadShowsThePlatformErrorAndChangesNothing) {
  addLine(0, 1);
  prompts.answers = {Answer::No};
  prompts.fileNames = {dir.path("gone.clk")};
  mmuFileOpenCLK_Click(context);
  const Message& error = prompts.shown.back();
  EXPECT_EQ("HALVERON Domotic systems", error.title);
  EXPECT_EQ(MessageIcon::Critical, error.icon);
  EXPECT_NE(std::string::npos, error.text.find("No such file"));
  EXPECT_TRUE(state.clock.ClockTable[0].inUse());
  EXPECT_TRUE(state.clock.ClocksChanged);
}

// ---- save and save as

TEST_F(ClockCommands, CancellingTheConversionWritesNothingAndKeepsTheChanges) {
  std::string path = writeClockFile("old.clk", 0, 0, 2);
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
  std::string path = writeClockFile("house.clk", 1, 0, 3);
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
  EXPECT_EQ("HALVERON Domotic systems", prompts.shown[0].title);
  EXPECT_FALSE(prompts.shown[0].text.empty());
}

TEST_F(ClockCommands, SaveAsOffersTheCurrentNameAndTheTranslatedAllFilesFilter) {
  state.texts.LanguageOffset = 10000;
  state.clock.ClockFileName = "villa.clk";
  addLine(0, 1);
  std::string path = dir.path("copy.clk");
  prompts.fileNames = {path};
  mmuFileSaveAs_Click(context);
  ASSERT_EQ(1u, prompts.saveDialogs.size());
  EXPECT_EQ("Klok bestanden (*.clk) |*.clk|Alle bestanden (*.*) |*.*", prompts.saveDialogs[0].filter);
  EXPECT_EQ("villa.clk", prompts.saveDialogs[0].initialName);
  EXPECT_TRUE(prompts.saveDialogs[0].confirmOverwrite);
  EXPECT_EQ(path, state.clock.ClockFileName);
  EXPECT_FALSE(state.clock.ClocksChanged);
  EXPECT_EQ(kClockFileSize, test::readBytes(path).size());
}

TEST_F(ClockCommands, ASavedTableReadsBackIntoAFreshProgramUnchanged) {
  addLine(0, 1);
  addLine(42, 9);
  state.installation.CentralModel = 2;
  state.clock.ClockFileName = dir.path("round.clk");
  mmuFileSave_Click(context);

  ProgramState fresh;
  ScriptedPrompts freshPrompts;
  ClockCommandContext freshContext{fresh, freshPrompts, nullptr};
  ASSERT_TRUE(ReadClockFile(freshContext, state.clock.ClockFileName));
  EXPECT_TRUE(freshPrompts.shown.empty());
  EXPECT_EQ(2, fresh.installation.CentralModel);
  for (size_t i = 0; i < kClockTableLines; ++i)
    EXPECT_EQ(lineBytes(state.clock.ClockTable[i]), lineBytes(fresh.clock.ClockTable[i])) << i;
}

}  // namespace
}  // namespace ordalis
