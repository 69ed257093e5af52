// Building the memory image from the installation tables: lengths by model,
// trimming, and the byte layouts of the sections.
#include <gtest/gtest.h>

#include "busy_installation.h"
#include "image/clock_section.h"
#include "image/image_codec.h"
#include "image/image_sections.h"

namespace ordalis {
namespace {

using testing::busyInstallation;
using testing::resetInstallation;

struct Built {
  explicit Built(const Installation& installation) { BuildMemoryImage(image, installation); }
  const ImageArea& build(int section) const { return image.block(section)->Build; }
  const ImageArea& send(int section) const { return image.block(section)->Send; }
  MemoryImage image;
};

std::vector<uint8_t> sentBytes(const Built& built, int section) {
  const ImageArea& send = built.send(section);
  return {send.Data.begin(), send.Data.begin() + send.Count};
}

TEST(ImageBuild, AfterAResetOnlySettingsMoodsAndSpacePaddedTextsAreSent) {
  Built built(resetInstallation(kVordane));
  const std::array<uint8_t, 37> options{1, 1, 1, 1, 1, 0, 0,  0, 0, 3, 5, 90, 5, 5,
                                        0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0,
                                        0, 25, 0, 0, 40, 1, 0, 0, 255};
  ASSERT_EQ(37, built.send(kOptionSection).Count);
  for (int k = 0; k < 37; ++k) EXPECT_EQ(options[k], built.send(kOptionSection).Data[k]) << "byte " << k;
  // An unused general mood leaves every output uncoupled (3) and has no steps.
  const int mood = 176 + 120 + 15;
  EXPECT_EQ(19 * mood + 296, built.send(kGeneralMoodSection).Count);
  EXPECT_EQ(3, built.send(kGeneralMoodSection).Data[0]);
  EXPECT_EQ(0, built.send(kGeneralMoodSection).Data[296]);
  for (int section : {0, 2, 3, 5, 7, 20}) {
    EXPECT_EQ(0, built.send(section).Count) << "section " << section;
    EXPECT_LT(0, built.build(section).Count) << "section " << section;
  }
  // Sensor names and message lines are padded with spaces, so they are sent
  // up to the last space of the last record.
  EXPECT_EQ(31 * 23 + 17, built.send(kSensorSection).Count);
  EXPECT_EQ(9 * 34 + 32, built.send(kMessageSection).Count);
  EXPECT_EQ(37 + (19 * mood + 296) + (31 * 23 + 17) + (9 * 34 + 32), built.image.ImageTotal);
}

TEST(ImageBuild, SectionsNotBuiltHaveLengthZeroAndSendNothing) {
  Built built(busyInstallation(kVordane));
  for (int section : {11, 13, 14, 18}) {
    EXPECT_EQ(0, built.build(section).Count) << "section " << section;
    EXPECT_EQ(0, built.send(section).Count) << "section " << section;
  }
  int total = 0;
  for (int section = 0; section <= 20; ++section) total += built.send(section).Count;
  EXPECT_EQ(total, built.image.ImageTotal);
  EXPECT_EQ(20, built.image.LastBlockNumber);
}

TEST(ImageBuild, TransparentFunctionsAreSentFromTheFirstWithTheLastZeroTrimmed) {
  Installation installation = resetInstallation(kVordane);
  installation.TransparentFunctions[3].Parameters = {7, 0};
  EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 7}), sentBytes(Built(installation), kTransparentSection));
  installation.TransparentFunctions[0].Parameters = {5, 6};
  EXPECT_EQ((std::vector<uint8_t>{5, 6, 0, 0, 0, 0, 7}), sentBytes(Built(installation), kTransparentSection));
}

TEST(ImageBuild, InterfaceRecordsAreThirtyFiveBytesButTheLengthCountsThirtyFour) {
  Installation installation = resetInstallation(kVordane);
  Interface& first = installation.Interfaces[0];
  first.ModuleType = 8;
  first.Parameters = {21, 22};
  first.Buttons[0].FirstType = 1;
  first.Buttons[0].FirstNumber = 2;
  first.Buttons[0].SecondType = 3;
  first.Buttons[0].SecondNumber = 4;
  installation.Interfaces[1].ModuleType = 9;
  installation.Interfaces[97].Buttons[1].FirstType = 5;  // byte 97 x 35 + 7 = 3402
  installation.Interfaces[99].ModuleType = 6;
  Built built(installation);
  const ImageArea& build = built.build(kInterfacesSection);
  const std::array<uint8_t, 7> head{8, 21, 22, 1, 2, 3, 4};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(head[k], build.Data[k]);
  EXPECT_EQ(9, build.Data[35]);
  EXPECT_EQ(6, build.Data[99 * 35]) << "written past the length";
  EXPECT_EQ(36, built.send(kInterfacesSection).Count) << "interfaces 97 to 99 are not sent";
}

TEST(ImageBuild, AFanFunctionPacksItsExtraParameterIntoTheTopBits) {
  Installation installation = resetInstallation(kVordane);
  installation.FanFunctions[0].Parameters = {5, 6, 7, 8};
  installation.FanFunctions[0].ExtraParameter = 2;
  installation.FanFunctions[1].Parameters[0] = 200;  // out of range: cut to its six bits
  installation.FanFunctions[1].ExtraParameter = 7;   // cut to two bits
  Built built(installation);
  const ImageArea& build = built.build(kFanSection);
  EXPECT_EQ(133, build.Data[0]);
  EXPECT_EQ(6, build.Data[1]);
  EXPECT_EQ(8, build.Data[3]);
  EXPECT_EQ((200 & 63) | 3 << 6, build.Data[6]);
}

TEST(ImageBuild, ADimmerOutputThatNoModuleCoversSendsZero) {
  Installation installation = resetInstallation(kPelvan);
  OutputModule& dimmers = installation.OutputModules[4];
  dimmers.ModuleType = 131;
  dimmers.Address = 1;  // dimmer outputs 9 to 16
  dimmers.Outputs[2].Parameter = 77;
  installation.OutputModules[0].ModuleType = 111;  // a relay module at address 0
  installation.OutputModules[0].Outputs[0].Parameter = 99;
  Built built(installation);
  const ImageArea& build = built.build(kDimmerOutputsSection);
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(0, build.Data[n - 1]) << "dimmer " << n;
  EXPECT_EQ(77, build.Data[10]);
  EXPECT_EQ(11, built.send(kDimmerOutputsSection).Count);
  EXPECT_EQ(131, built.build(kOutputModuleSection).Data[8]);
  EXPECT_EQ(1, built.build(kOutputModuleSection).Data[9]);
}

TEST(ImageBuild, SensorNamesAreTrimmedCutToSixteenAndEndInASpace) {
  Installation installation = resetInstallation(kVordane);
  installation.Sensors[0].Name.assign("  Kitchen");
  installation.Sensors[0].Parameters = {1, 2, 3, 4, 5, 6};
  installation.Sensors[1].Name.assign("Garden terrace N1");  // 17 characters
  installation.Sensors[2].Name.assign("A twenty-char name!!");
  const Installation before = installation;
  Built built(installation);
  const ImageArea& build = built.build(kSensorSection);
  const std::string kitchen(reinterpret_cast<const char*>(build.Data.data()), 17);
  EXPECT_EQ("Kitchen          ", kitchen);
  EXPECT_EQ(1, build.Data[17]);
  EXPECT_EQ(6, build.Data[22]);
  EXPECT_EQ("Garden terrace N ", std::string(reinterpret_cast<const char*>(&build.Data[23]), 17));
  EXPECT_EQ("A twenty-char na ", std::string(reinterpret_cast<const char*>(&build.Data[46]), 17));
  EXPECT_EQ(before.Sensors[2].Name, installation.Sensors[2].Name) << "building leaves the names alone";
}

TEST(ImageBuild, AnUnnamedGeneralMoodIsSentAsTheUncoupledPattern) {
  Installation installation = resetInstallation(kKestronEducational);  // 16 relays, 8 dimmers
  GeneralMood& unnamed = installation.GeneralMoods[0];
  unnamed.Relays[1] = 0;
  unnamed.Entries[0] = {1, 2, 3};
  GeneralMood& named = installation.GeneralMoods[1];
  named.Name.assign("Evening");
  named.Relays[1] = 0;
  named.Relays[16] = 255;
  named.Relays[17] = 9;  // beyond the model's relays: not carried
  named.Dimmers[8] = 127;
  named.Entries[4] = {4, 5, 6};
  named.Entries[5] = {7, 8, 9};  // the sixth step is not carried
  Built built(installation);
  const ImageArea& build = built.build(kGeneralMoodSection);
  const int length = 16 + 8 + 15;
  for (int k = 0; k < 24; ++k) EXPECT_EQ(3, build.Data[k]) << "output byte " << k;
  for (int k = 24; k < length; ++k) EXPECT_EQ(0, build.Data[k]) << "step byte " << k;
  EXPECT_EQ(0, build.Data[length + 0]);
  EXPECT_EQ(255, build.Data[length + 15]);
  EXPECT_EQ(127, build.Data[length + 23]);
  EXPECT_EQ(4, build.Data[length + 24 + 12]);
  EXPECT_EQ(6, build.Data[length + 24 + 14]);
  EXPECT_EQ(3, build.Data[2 * length]) << "the next mood starts after 15 step bytes";
}

TEST(ImageBuild, SettingsSendOptionGBeforeFAndSkipExtraOptionTwo) {
  Installation installation = resetInstallation(kVordane);
  installation.Settings.OptionsCToI = {10, 11, 12, 13, 14, 15, 16};
  installation.Settings.OptionsJToQ = {20, 21, 22, 23, 24, 25, 26, 27};
  installation.Extra = {30, 31, 32, 33};
  Built built(installation);
  const ImageArea& build = built.build(kOptionSection);
  const std::array<uint8_t, 7> cToI{10, 11, 12, 14, 13, 15, 16};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(cToI[k], build.Data[7 + k]);
  EXPECT_EQ(0, build.Data[28]);
  EXPECT_EQ(30, build.Data[30]);
  EXPECT_EQ(31, build.Data[31]);
  EXPECT_EQ(33, build.Data[32]);
  EXPECT_EQ(20, build.Data[34]);
  EXPECT_EQ(22, build.Data[36]);
  EXPECT_EQ(0, build.Data[37]) << "options M to Q are not sent";
}

TEST(ImageBuild, BuildingAnewForgetsTheLastImage) {
  MemoryImage image;
  BuildMemoryImage(image, busyInstallation(kVordane));
  image.block(kClockSection)->Build.Data[0] = 5;
  image.block(kInterfacesSection)->Receive.Data[0] = 5;
  BuildMemoryImage(image, resetInstallation(kPelvan));
  EXPECT_EQ(0, image.block(kClockSection)->Build.Data[0]);
  EXPECT_EQ(0, image.block(kInterfacesSection)->Receive.Data[0]);
  EXPECT_EQ(0, image.block(kInterfacesSection)->Send.Count);
}

}  // namespace
}  // namespace ordalis
