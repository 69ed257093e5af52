// What comes back from the central unit means what was sent: button and
// buzzer levels stay their numbers, and the outputs of the received modules
// can be named and chosen again.
#include <gtest/gtest.h>

#include "base/texts.h"
#include "busy_installation.h"
#include "clock/levels.h"
#include "image/clock_section.h"
#include "image/image_codec.h"
#include "installation/output_numbering.h"

namespace ordalis {
namespace {

TEST(ReceivedValues, ButtonAndBuzzerLevelsComeBackAsTheNumbersSent) {
  ClockLineArray table{};
  for (int line = 0; line < 16; ++line) {
    table[line].FunctionHigh = line < 8 ? kBuzzerType : kButtonType;
    table[line].Level = static_cast<uint8_t>(line % 8 + 1);
  }
  MemoryImage image;
  BuildClockSection(image, table, 100, std::nullopt);
  image.block(kClockSection)->Receive.Data = image.block(kClockSection)->Build.Data;
  ClockLineArray back{};
  DecodeClockSection(image, back, 100);
  for (int line = 0; line < 16; ++line) EXPECT_EQ(back[line].Level, table[line].Level) << "line " << line;
}

TEST(ReceivedValues, EveryOutputOfAReceivedRelayOrDimmerModuleGetsANumberedName) {
  Installation sent = testing::resetInstallation(kVordane);
  sent.OutputModules[0].ModuleType = 111;  // relays 17 to 24
  sent.OutputModules[0].Address = 2;
  sent.OutputModules[1].ModuleType = 131;  // dimmers 1 to 8
  MemoryImage image;
  BuildMemoryImage(image, sent);
  for (int section = 0; section <= kLastImageBlock; ++section)
    image.block(section)->Receive.Data = image.block(section)->Send.Data;
  Installation received = testing::resetInstallation(kVordane);
  Texts texts;
  DecodeMemoryImage(image, received, texts);
  EXPECT_EQ(RelayName(received, 17).withoutTrailingSpaces(), "Relays 17");
  EXPECT_EQ(RelayName(received, 24).withoutTrailingSpaces(), "Relays 24");
  EXPECT_EQ(DimmerName(received, 8).withoutTrailingSpaces(), "Dimmers 8");
  EXPECT_TRUE(RelayName(received, 16).isBlank()) << "no module covers relay 16";
}

}  // namespace
}  // namespace ordalis
