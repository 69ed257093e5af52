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

TEST(ImageDecode, NamesInterfacesAndModulesByTheirType) {
  MemoryImage image;
  image.block(kInterfacesSection)->Receive.Data[3 * 35] = 8;
  image.block(kOutputModuleSection)->Receive.Data[2 * 2] = 131;
  const Installation installation = decoded(image, kVordane);
  EXPECT_EQ("Interface 3", nameOf(installation.Interfaces[3].Name));
  EXPECT_TRUE(installation.Interfaces[2].Name.isBlank());
  EXPECT_EQ("Interface 2", nameOf(installation.OutputModules[2].Name));
  EXPECT_TRUE(installation.OutputModules[0].Name.isBlank());
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

TEST(ImageDecode, ReadsInterfaceRecordsOfThirtyFiveBytesFromWhatArrived) {
  MemoryImage image;
  ImageArea& receive = image.block(kInterfacesSection)->Receive;
  const std::array<uint8_t, 7> head{8, 21, 22, 1, 2, 3, 4};
  std::copy(head.begin(), head.end(), receive.Data.begin());
  receive.Data[99 * 35] = 6;  // beyond the section length, still read
  const Installation in = decoded(image, kVordane);
  EXPECT_EQ(8, in.Interfaces[0].ModuleType);
  EXPECT_EQ((std::array<uint8_t, 2>{21, 22}), in.Interfaces[0].Parameters);
  EXPECT_EQ(1, in.Interfaces[0].Buttons[0].FirstType);
  EXPECT_EQ(4, in.Interfaces[0].Buttons[0].SecondNumber);
  EXPECT_EQ(6, in.Interfaces[99].ModuleType);
  EXPECT_EQ("Interface 99", nameOf(in.Interfaces[99].Name));
}

TEST(ImageDecode, FindsDimmerOutputsThroughTheDecodedModules) {
  MemoryImage image;
  ImageArea& modules = image.block(kOutputModuleSection)->Receive;
  modules.Data[0] = 140;  // a D-to-R dimmer module at address 1: outputs 9 to 16
  modules.Data[1] = 1;
  ImageArea& dimmers = image.block(kDimmerOutputsSection)->Receive;
  dimmers.Data[0] = 55;   // output 1: no module, nowhere to go
  dimmers.Data[9] = 66;   // output 10
  const Installation in = decoded(image, kPelvan);
  EXPECT_EQ(66, in.OutputModules[0].Outputs[1].Parameter);
  for (const OutputModule& module : in.OutputModules) {
    for (const ModuleOutput& output : module.Outputs) EXPECT_NE(55, output.Parameter);
  }
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

TEST(ImageDecode, AnAllZeroImageLeavesTheResetTablesAsTheyWere) {
  MemoryImage image;
  Installation in = decoded(image, kDramel);
  const Installation reset = resetInstallation(kDramel);
  EXPECT_TRUE(in.Sensors[0].Name.isBlank()) << "a sensor that never arrived has no name";
  EXPECT_TRUE(in.Messages[0].Line1.isBlank());
  EXPECT_TRUE(in.Interfaces[0].Name.isBlank());
  EXPECT_EQ(reset.Modem.InitString, in.Modem.InitString);
  EXPECT_EQ(0, in.Settings.Workdays[0]) << "the workday flags are what arrived";
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

TEST(ImageRoundTrip, RestoresTypedFieldsAndNamesWhatIsInUse) {
  const Installation source = busyInstallation(kVordane);
  MemoryImage sent;
  BuildMemoryImage(sent, source);
  receiveWhatWasSent(sent);
  const Installation back = decoded(sent, kVordane);
  EXPECT_EQ(source.TimedFunctions[0].Value, back.TimedFunctions[0].Value);
  EXPECT_LT(back.TimedFunctions[0].Value, 0);
  EXPECT_EQ(source.FanFunctions[7].ExtraParameter, back.FanFunctions[7].ExtraParameter);
  EXPECT_EQ(source.TimedLocalMoods[9].Entries[9].Value, back.TimedLocalMoods[9].Entries[9].Value);
  EXPECT_EQ(source.GeneralMoods[19].Relays, back.GeneralMoods[19].Relays);
  EXPECT_EQ(source.GeneralMoods[19].Dimmers, back.GeneralMoods[19].Dimmers);
  EXPECT_EQ(source.Conditions[29].Parameters, back.Conditions[29].Parameters);
  EXPECT_EQ(source.Settings.OptionsCToI, back.Settings.OptionsCToI);
  EXPECT_EQ(source.Extra[3], back.Extra[3]);
  EXPECT_NE(0, source.OutputModules[35].Outputs[7].Parameter);
  EXPECT_EQ(0, back.OutputModules[35].Outputs[7].Parameter)
      << "dimmer module 35 covers outputs 137 to 144: beyond the model's 120, not carried";
  EXPECT_EQ(source.OutputModules[1].Outputs[3].Parameter, back.OutputModules[1].Outputs[3].Parameter);
  EXPECT_EQ(0, back.OutputModules[0].Outputs[3].Parameter) << "relay outputs carry no byte";
  EXPECT_EQ(source.Interfaces[96].Buttons[7].SecondNumber, back.Interfaces[96].Buttons[7].SecondNumber);
  EXPECT_EQ(0, back.Interfaces[98].ModuleType) << "past the section length: never sent";
  EXPECT_EQ("Motor 39", nameOf(back.MotorFunctions[39].Name));
  EXPECT_EQ("Local mood 99", nameOf(back.LocalMoods[99].Name));
  EXPECT_EQ("General mood 0", nameOf(back.GeneralMoods[0].Name));
  EXPECT_TRUE(back.TimedLocalMoods[0].Name.isBlank());
  EXPECT_TRUE(back.AudioZones[0].Name.isBlank());
}

}  // namespace
}  // namespace ordalis
