// Start-up insists on an installation file.
#include "app/start_up.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"

namespace ordalis {
namespace {

using test::ScriptedPrompts;

TEST(StartUp, WithAnInstallationInPlaceNothingIsAsked) {
  ClockState clock;
  clock.InstallationPath = "demo.nbt";
  ScriptedPrompts prompts;
  int opened = 0;
  EXPECT_TRUE(InsistOnInstallation(clock, prompts, [&] { ++opened; }));
  EXPECT_EQ(opened, 0);
  EXPECT_TRUE(prompts.shown.empty());
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
  const std::string first =
      "U moet nu eerst een NBT Vantrel bestand inlezen om met dit programma te kunnen werken";
  const std::string second =
      "U kan nu de gegevens van het ingelezen VANTREL bestand gebruiken om verder de acties te "
      "definiëren";
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{first, first, second}));
  EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(prompts.shown[0].icon, MessageIcon::None);
  EXPECT_EQ(prompts.shown[0].title, "Ordalis");
  EXPECT_EQ(prompts.shown[2].buttons, MessageButtons::Ok);
  EXPECT_EQ(prompts.shown[2].title, "Ordalis");
}

TEST(StartUp, CancelEndsTheProgramWithoutOpeningAFile) {
  ClockState clock;
  ScriptedPrompts prompts;
  prompts.answers = {Answer::Cancel};
  int opened = 0;
  EXPECT_FALSE(InsistOnInstallation(clock, prompts, [&] { ++opened; }));
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace ordalis
