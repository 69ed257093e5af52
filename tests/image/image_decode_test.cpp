// Decoding received sections back into the installation tables: the fields
// each decoder restores, the entries it names, and a build -> decode round
// trip for every model.
#include <gtest/gtest.h>

#include "base/texts.h"
#include "busy_installation.h"
#include "image/image_codec.h"
#include "image/image_sections.h"
#include "installation/output_numbering.h"

namespace ordalis {
namespace {

using testing::busyInstallation;
using testing::resetInstallation;

// What the central unit hands back for an image it was sent: each section's
// send bytes, then zeros.
void receiveWhatWasSent(MemoryImage& image) {
  for (int section = 0; section <= kLastImageBlock; ++section) {
    ImageBlock& block = *image.block(section);
    block.Receive.Data = block.Send.Data;
  }
}

Installation decoded(const MemoryImage& image, uint8_t model, int32_t language = 0) {
  Texts texts;
  texts.LanguageOffset = language;
  Installation installation = resetInstallation(model);
  DecodeMemoryImage(image, installation, texts);
  return installation;
}

std::string nameOf(const NameText& name) { return name.withoutTrailingSpaces(); }

// Each section has its own test for an entry in use; an entry in use gets a
// numbered name in the program's language, the others stay blank but keep
// their bytes.
TEST(ImageDecode, NamesTheEntriesInUseByEachSectionsOwnTest) {
  MemoryImage image;
  image.block(kTransparentSection)->Receive.Data[0] = 9;
  image.block(kTransparentSection)->Receive.Data[8] = 1;
  image.block(kTransparentSection)->Receive.Data[5] = 4;  // second byte of function 2 only: not in use
  image.block(kFanSection)->Receive.Data[0] = 133;
  image.block(kFanSection)->Receive.Data[6] = 128;            // extra parameter 2, record byte 0 is 0
  image.block(kTimedSection)->Receive.Data[5] = 1;            // timed 1: byte 0
  image.block(kIfThenElseSection)->Receive.Data[8 + 7] = 1;   // rule 1: any byte
  image.block(kMotorSection)->Receive.Data[4 + 3] = 1;        // motor 1: value 1
  image.block(kMotorSection)->Receive.Data[8 + 2] = 0x80;     // motor 2: value negative
  image.block(kLocalMoodSection)->Receive.Data[31 + 1] = 8;   // mood 1: first step's type
  image.block(kLocalMoodSection)->Receive.Data[62] = 8;       // mood 2: mood byte only
  image.block(kProcessSection)->Receive.Data[7 + 4] = 1;      // process 1: fifth byte
  image.block(kProcessSection)->Receive.Data[14 + 0] = 1;     // process 2: first byte only
  const Installation in = decoded(image, kVordane);
  const std::pair<const NameText&, std::string> names[] = {
      {in.TransparentFunctions[0].Name, "Transparent 0"}, {in.TransparentFunctions[4].Name, "Transparent 4"},
      {in.TransparentFunctions[1].Name, ""},              {in.TransparentFunctions[2].Name, ""},
      {in.FanFunctions[0].Name, "Fan function 0"},        {in.FanFunctions[1].Name, ""},
      {in.TimedFunctions[1].Name, "Timed function 1"},    {in.TimedFunctions[0].Name, ""},
      {in.IfThenElseFunctions[1].Name, "If-Then-Else functions 1"}, {in.IfThenElseFunctions[0].Name, ""},
      {in.MotorFunctions[1].Name, "Motor 1"},             {in.MotorFunctions[2].Name, ""}, {in.MotorFunctions[0].Name, ""},
      {in.LocalMoods[1].Name, "Local mood 1"},            {in.LocalMoods[2].Name, ""},
      {in.ProcessFunctions[1].Name, "Process functions 1"}, {in.ProcessFunctions[2].Name, ""}};
  for (const auto& [name, expected] : names) EXPECT_EQ(nameOf(name), expected);
  EXPECT_EQ(4, in.TransparentFunctions[2].Parameters[1]);
  EXPECT_EQ("Transparant 4", nameOf(decoded(image, kVordane, 10000).TransparentFunctions[4].Name));
  EXPECT_EQ(5, in.FanFunctions[0].Parameters[0]);
  EXPECT_EQ(2, in.FanFunctions[0].ExtraParameter);
  EXPECT_EQ(2, in.FanFunctions[1].ExtraParameter);
  EXPECT_EQ(-32768, in.MotorFunctions[2].Value);
  EXPECT_EQ(8, in.LocalMoods[2].MoodByte);
}

TEST(ImageDecode, EveryOutputOfAReceivedRelayOrDimmerModuleGetsANumberedName) {
  Installation source = resetInstallation(kVordane);
  source.OutputModules[0].ModuleType = 111;  // relays 17 to 24
  source.OutputModules[0].Address = 2;
  source.OutputModules[1].ModuleType = 131;  // dimmers 1 to 8
  MemoryImage image;
  BuildMemoryImage(image, source);
  receiveWhatWasSent(image);
  const Installation in = decoded(image, kVordane);
  EXPECT_EQ(nameOf(RelayName(in, 17)), "Relays 17");
  EXPECT_EQ(nameOf(RelayName(in, 24)), "Relays 24");
  EXPECT_EQ(nameOf(DimmerName(in, 8)), "Dimmers 8");
  EXPECT_TRUE(RelayName(in, 16).isBlank()) << "no module covers relay 16";
}

// Rebuilding the decoded tables gives back every byte that was sent: every
// carried field came back. Section 0 is compared up to its length only: the
// interfaces written past it were never sent.
TEST(ImageRoundTrip, RestoresEveryCarriedFieldForEveryModel) {
  for (uint8_t model = 0; model < kCentralModelCount; ++model) {
    SCOPED_TRACE("model " + std::to_string(model));
    const Installation source = busyInstallation(model);
    MemoryImage sent;
    BuildMemoryImage(sent, source);
    receiveWhatWasSent(sent);
    const Installation back = decoded(sent, model);
    MemoryImage again;
    BuildMemoryImage(again, back);
    for (int section = 0; section <= kLastImageBlock; ++section) {
      const ImageArea& first = sent.block(section)->Send;
      const ImageArea& second = again.block(section)->Send;
      ASSERT_EQ(first.Count, second.Count) << "section " << section;
      EXPECT_TRUE(std::equal(first.Data.begin(), first.Data.begin() + first.Count, second.Data.begin()))
          << "section " << section;
    }
    EXPECT_EQ(sent.ImageTotal, again.ImageTotal);
  }
}

}  // namespace
}  // namespace ordalis
