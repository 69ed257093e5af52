// Save as: a name typed without an extension is saved as a clock file
// (".clk" added); an extension the user typed stays.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/clock_commands.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

TEST(SaveAs, ANameWithoutAnExtensionIsSavedAsAClockFile) {
  const std::pair<const char*, const char*> typedAndSaved[] = {
      {"huis", "huis.clk"}, {"huis.CLK", "huis.CLK"}, {"huis.bak", "huis.bak"}, {"v2.0/huis", "v2.0/huis.clk"}};
  for (const auto& [typed, saved] : typedAndSaved) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path("v2.0"));
    ProgramState state;
    test::ScriptedPrompts prompts;
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
