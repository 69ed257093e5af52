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
  struct Case {
    const char* typed;
    const char* saved;
  };
  for (const Case& c : {Case{"huis", "huis.clk"}, Case{"huis.CLK", "huis.CLK"}, Case{"huis.bak", "huis.bak"},
                        Case{"v2.0/huis", "v2.0/huis.clk"}}) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path("v2.0"));
    ProgramState state;
    test::ScriptedPrompts prompts;
    ClockCommandContext context{state, prompts, {}};
    state.clock.ClockTable[0].FunctionHigh = 1;
    state.clock.ClocksChanged = true;
    prompts.fileNames = {dir.path(c.typed)};
    mmuFileSaveAs_Click(context);
    EXPECT_EQ(dir.path(c.saved), state.clock.ClockFileName) << c.typed;
    EXPECT_TRUE(std::filesystem::exists(dir.path(c.saved))) << c.typed;
    EXPECT_FALSE(state.clock.ClocksChanged) << c.typed;
    EXPECT_EQ("clk", prompts.saveDialogs.at(0).defaultSuffix);
  }
}

}  // namespace
}  // namespace ordalis
