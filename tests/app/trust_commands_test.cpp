// The file commands as a new user meets them: nothing stays selected when the
// table is replaced, no file is written where the user did not choose, file
// errors name their file, and no file dialog sits under the hourglass.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/clock_commands.h"
#include "app/open_installation_command.h"
#include "clock/clock_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

// Counts the file dialogs that opened while the hourglass was on.
class WatchingPrompts : public test::ScriptedPrompts {
 public:
  int dialogsUnderHourglass = 0;
  std::optional<std::string> openFileName(const FileDialog& d) override { return watch(ScriptedPrompts::openFileName(d)); }
  std::optional<std::string> saveFileName(const FileDialog& d) override { return watch(ScriptedPrompts::saveFileName(d)); }
  std::optional<std::string> watch(std::optional<std::string> name) { return dialogsUnderHourglass += busyDepth > 0, name; }
};

class TrustCommands : public ::testing::Test {
 protected:
  ProgramState state;
  WatchingPrompts prompts;
  ClockCommandContext context{state, prompts, nullptr};
  test::TempDir dir;

  TrustCommands() {
    std::filesystem::create_directory(dir.path("installs"));
    state.clock.InstallationPath = dir.path("installs/house.nbt");
  }
  // A clock file whose trailer is missing: the read reports it but keeps the lines.
  std::string ClockFileWithLines() {
    ClockFileContent content;
    content.lines[4].FunctionHigh = 3;
    std::vector<uint8_t> bytes = EncodeClockFile(content);
    bytes.pop_back();
    test::writeBytes(dir.path("other.clk"), bytes);
    return dir.path("other.clk");
  }
};

TEST_F(TrustCommands, CommandsThatReplaceTheTableLeaveNoLineSelected) {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"new", [&] { mmuFileNew_Click(context); }},
      {"open", [&] { ReadClockFile(context, ClockFileWithLines()); }},
      {"installation file", [&] { ReadInstallationFromPath(state, prompts); }},
  };
  for (const auto& [name, run] : commands) {
    state.clock.ClockTable[4].FunctionHigh = 1;
    state.clock.SelectedClockLine = 5;
    run();
    EXPECT_EQ(state.clock.SelectedClockLine, 0) << name;
  }
}

// Runs a test in `folder` and goes back where it was, however the test ends.
struct InFolder {
  std::filesystem::path start = std::filesystem::current_path();
  explicit InFolder(const std::filesystem::path& folder) { std::filesystem::current_path(folder); }
  ~InFolder() { std::filesystem::current_path(start); }
};

TEST_F(TrustCommands, TheFirstSaveOfANameFromTheInstallationAsksBesideTheInstallationFile) {
  InFolder work(dir.root());  // where a save under the bare name would land, and be cleaned up
  mmuFileNew_Click(context);
  prompts.fileNames = {dir.path("chosen.clk")};
  mmuFileSave_Click(context);
  ASSERT_EQ(prompts.saveDialogs.size(), 1u);
  EXPECT_EQ(prompts.saveDialogs[0].initialName, dir.path("installs/house.clk"));
  EXPECT_FALSE(std::filesystem::exists(dir.path("house.clk")));
  EXPECT_TRUE(std::filesystem::exists(dir.path("chosen.clk")));
  mmuFileSave_Click(context);  // the chosen name is the user's: no second question
  EXPECT_EQ(prompts.saveDialogs.size(), 1u);
}

TEST_F(TrustCommands, FileErrorsNameTheFileAboveThePlatformsReason) {
  std::filesystem::create_directory(dir.path("a folder.nbt"));
  const std::string missing = dir.path("gone/house.clk");
  state.clock.ClockFileName = missing;
  WriteClockFile(context);
  ReadClockFile(context, missing);
  state.clock.InstallationPath = dir.path("a folder.nbt");
  EXPECT_FALSE(ReadInstallationFromPath(state, prompts));
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{missing + "\n\rNo such file or directory",
                                                      missing + "\n\rNo such file or directory",
                                                      dir.path("a folder.nbt") + "\n\rIs a directory"}));
}

TEST_F(TrustCommands, NoFileDialogOpensUnderTheHourglass) {
  prompts.fileNames = {ClockFileWithLines(), dir.path("saved.clk"), state.clock.InstallationPath};
  mmuFileOpenCLK_Click(context);
  state.clock.ClockFileName.clear();
  mmuFileSave_Click(context);
  OpenInstallationCommand(state, prompts);
  EXPECT_EQ(prompts.openDialogs.size() + prompts.saveDialogs.size(), 3u);
  EXPECT_EQ(prompts.dialogsUnderHourglass, 0);
  EXPECT_EQ(prompts.busyDepth, 0);
}

}  // namespace
}  // namespace ordalis
