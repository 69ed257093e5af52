// Decoding received sections back into the installation tables: the fields
// each decoder restores, the entries it names, and a build -> decode round
// trip for every model.
#include <gtest/gtest.h>

#include "base/texts.h"
#include "busy_installation.h"
#include "image/image_codec.h"
#include "image/image_sections.h"

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

TEST(ImageDecode, NamesTheTransparentFunctionsInUseAndLeavesTheOthersBlank) {
  MemoryImage image;
  ImageArea& receive = image.block(kTransparentSection)->Receive;
  receive.Data[0] = 9;
  receive.Data[8] = 1;
  receive.Data[5] = 4;  // second byte of function 2 only: not in use
  const Installation english = decoded(image, kVordane);
  EXPECT_EQ("Transparent 0", nameOf(english.TransparentFunctions[0].Name));
  EXPECT_EQ("Transparent 4", nameOf(english.TransparentFunctions[4].Name));
  EXPECT_TRUE(english.TransparentFunctions[2].Name.isBlank());
  EXPECT_EQ(4, english.TransparentFunctions[2].Parameters[1]);
  EXPECT_TRUE(english.TransparentFunctions[1].Name.isBlank());
  EXPECT_EQ("Transparant 4", nameOf(decoded(image, kVordane, 10000).TransparentFunctions[4].Name));
}

TEST(ImageDecode, SplitsTheFanByteIntoItsTwoFields) {
  MemoryImage image;
  ImageArea& receive = image.block(kFanSection)->Receive;
  receive.Data[0] = 133;
  receive.Data[6] = 128;  // extra parameter 2, record byte 0 is 0: not in use
  const Installation installation = decoded(image, kVordane);
  EXPECT_EQ(5, installation.FanFunctions[0].Parameters[0]);
  EXPECT_EQ(2, installation.FanFunctions[0].ExtraParameter);
  EXPECT_EQ("Fan function 0", nameOf(installation.FanFunctions[0].Name));
  EXPECT_EQ(2, installation.FanFunctions[1].ExtraParameter);
  EXPECT_TRUE(installation.FanFunctions[1].Name.isBlank());
}

TEST(ImageDecode, UsesEachSectionsOwnTestForAnEntryInUse) {
  MemoryImage image;
  image.block(kTimedSection)->Receive.Data[5] = 1;            // timed 1: byte 0
  image.block(kIfThenElseSection)->Receive.Data[8 + 7] = 1;   // rule 1: any byte
  image.block(kMotorSection)->Receive.Data[4 + 3] = 1;        // motor 1: value 1
  image.block(kMotorSection)->Receive.Data[8 + 2] = 0x80;     // motor 2: value negative
  image.block(kLocalMoodSection)->Receive.Data[31 + 1] = 8;   // mood 1: first step's type
  image.block(kLocalMoodSection)->Receive.Data[62] = 8;       // mood 2: mood byte only
  image.block(kProcessSection)->Receive.Data[7 + 4] = 1;      // process 1: fifth byte
  image.block(kProcessSection)->Receive.Data[14 + 0] = 1;     // process 2: first byte only
  const Installation in = decoded(image, kVordane);
  EXPECT_EQ("Timed function 1", nameOf(in.TimedFunctions[1].Name));
  EXPECT_EQ("If-Then-Else functions 1", nameOf(in.IfThenElseFunctions[1].Name));
  EXPECT_EQ("Motor 1", nameOf(in.MotorFunctions[1].Name));
  EXPECT_TRUE(in.MotorFunctions[2].Name.isBlank());
  EXPECT_EQ(-32768, in.MotorFunctions[2].Value);
  EXPECT_EQ("Local mood 1", nameOf(in.LocalMoods[1].Name));
  EXPECT_TRUE(in.LocalMoods[2].Name.isBlank());
  EXPECT_EQ(8, in.LocalMoods[2].MoodByte);
  EXPECT_EQ("Process functions 1", nameOf(in.ProcessFunctions[1].Name));
  EXPECT_TRUE(in.ProcessFunctions[2].Name.isBlank());
  EXPECT_TRUE(in.TimedFunctions[0].Name.isBlank());
  EXPECT_TRUE(in.IfThenElseFunctions[0].Name.isBlank());
}

TEST(ImageDecode, AGeneralMoodIsInUseWhenItDiffersFromTheUncoupledPattern) {
  Installation source = resetInstallation(kKestronEducational);
  source.GeneralMoods[1].Name.assign("Night");
  source.GeneralMoods[1].Dimmers[8] = 0;
  source.GeneralMoods[2].Name.assign("Named but uncoupled");
  MemoryImage image;
  BuildMemoryImage(image, source);
  receiveWhatWasSent(image);
  const Installation in = decoded(image, kKestronEducational);
  EXPECT_TRUE(in.GeneralMoods[0].Name.isBlank());
  EXPECT_EQ("General mood 1", nameOf(in.GeneralMoods[1].Name));
  EXPECT_EQ(0, in.GeneralMoods[1].Dimmers[8]);
  EXPECT_EQ(3, in.GeneralMoods[1].Dimmers[7]);
  EXPECT_TRUE(in.GeneralMoods[2].Name.isBlank()) << "its bytes say nothing about a name";
  EXPECT_TRUE(in.GeneralMoods[19].Name.isBlank()) << "the trimmed tail of the last mood";
}

TEST(ImageDecode, RestoresSensorNamesAndMessageLinesAsSent) {
  Installation source = resetInstallation(kVordane);
  source.Sensors[0].Name.assign("   Hall");
  source.Sensors[1].Name.assign("A twenty-char name!!");
  source.Sensors[1].Parameters = {1, 2, 3, 4, 5, 6};
  source.Messages[9].Line1.assign("Alarm!");
  source.Messages[9].Line2.assign("Sixteen chars ok");
  MemoryImage image;
  BuildMemoryImage(image, source);
  receiveWhatWasSent(image);
  const Installation in = decoded(image, kVordane);
  EXPECT_EQ("Hall", nameOf(in.Sensors[0].Name));
  EXPECT_EQ("A twenty-char na", nameOf(in.Sensors[1].Name));
  EXPECT_EQ(source.Sensors[1].Parameters, in.Sensors[1].Parameters);
  EXPECT_TRUE(in.Sensors[2].Name.isBlank());
  EXPECT_EQ(source.Messages[9].Line1, in.Messages[9].Line1);
  EXPECT_EQ(source.Messages[9].Line2, in.Messages[9].Line2);
  EXPECT_TRUE(in.Messages[9].Name.isBlank());
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
