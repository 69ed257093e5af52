// Start-up insists on an installation file.
#include "app/start_up.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"

namespace ordalis {
namespace {

using test::ScriptedPrompts;

// In place: nothing asked; missing: asked until read, or Cancel ends the program.
TEST(StartUp, WithAnInstallationInPlaceNothingIsAskedAndCancelEndsTheProgram) {
  for (bool inPlace : {true, false}) {
    ClockState clock;
    if (inPlace) clock.InstallationPath = "demo.nbt";
    ScriptedPrompts prompts;
    prompts.answers = {Answer::Cancel};
    int opened = 0;
    EXPECT_EQ(InsistOnInstallation(clock, prompts, [&] { ++opened; }), inPlace);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(prompts.shown.size(), inPlace ? 0u : 1u);
  }
}

TEST(StartUp, AMissingInstallationIsAskedForAndTheSecondMessageComesOnce) {
  ClockState clock;
  ScriptedPrompts prompts;
  prompts.answers = {Answer::Ok, Answer::Ok, Answer::Ok};
  int opened = 0;
  // The first pick is refused by the reader; the second one is read.
  EXPECT_TRUE(InsistOnInstallation(clock, prompts, [&] {
    if (++opened == 2) clock.InstallationPath = "/tmp/demo.nbt";
  }));
  EXPECT_EQ(opened, 2);
  const std::string first = "U moet nu eerst een NBT Vantrel bestand inlezen om met dit programma te kunnen werken";
  const std::string second = "U kan nu de gegevens van het ingelezen VANTREL bestand gebruiken om verder de acties te definiëren";
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{first, first, second}));
  EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(prompts.shown[2].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace ordalis
