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
  for (int section : {11, 13, 14, 18}) EXPECT_EQ(0, built.build(section).Count) << "section " << section;
}

// Interface records are 35 bytes but the length counts 34; a fan function
// packs its extra parameter into the top bits; the settings send option G
// before F and skip extra option 2; sensor names are space-padded.
TEST(ImageBuild, PacksInterfacesFansSettingsAndSensorsIntoTheirBytes) {
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
  installation.FanFunctions[0].Parameters = {5, 6, 7, 8};
  installation.FanFunctions[0].ExtraParameter = 2;
  installation.FanFunctions[1].Parameters[0] = 200;  // out of range: cut to its six bits
  installation.FanFunctions[1].ExtraParameter = 7;   // cut to two bits
  installation.Settings.OptionsCToI = {10, 11, 12, 13, 14, 15, 16};
  installation.Settings.OptionsJToQ = {20, 21, 22, 23, 24, 25, 26, 27};
  installation.Settings.OptionArray1 = {40, 41, 42, 43, 44, 45, 46};
  installation.Extra = {30, 31, 32, 33};
  installation.Sensors[0].Name.assign("  Kitchen");
  installation.Sensors[0].Parameters = {1, 2, 3, 4, 5, 6};
  installation.Sensors[1].Name.assign("Garden terrace N1");  // 17 characters
  installation.Sensors[2].Name.assign("A twenty-char name!!");
  const Installation before = installation;
  Built built(installation);
  const struct {
    int section, offset, value;
  } bytes[] = {
      {kInterfacesSection, 0, 8}, {kInterfacesSection, 1, 21}, {kInterfacesSection, 2, 22},
      {kInterfacesSection, 3, 1}, {kInterfacesSection, 4, 2},  {kInterfacesSection, 5, 3},
      {kInterfacesSection, 6, 4}, {kInterfacesSection, 35, 9}, {kInterfacesSection, 99 * 35, 6},
      {kFanSection, 0, 133},      {kFanSection, 1, 6},         {kFanSection, 3, 8},
      {kFanSection, 6, (200 & 63) | 3 << 6},
      {kOptionSection, 7, 10},    {kOptionSection, 8, 11},     {kOptionSection, 9, 12},
      {kOptionSection, 10, 14},   {kOptionSection, 11, 13},    {kOptionSection, 12, 15},
      {kOptionSection, 13, 16},   {kOptionSection, 14, 40},    {kOptionSection, 20, 46},   {kOptionSection, 28, 0},     {kOptionSection, 30, 30},
      {kOptionSection, 31, 31},   {kOptionSection, 32, 33},    {kOptionSection, 34, 20},
      {kOptionSection, 36, 22},   {kOptionSection, 37, 0} /* options M to Q are not sent */,
      {kSensorSection, 17, 1},    {kSensorSection, 22, 6},
  };
  for (const auto& b : bytes) EXPECT_EQ(b.value, built.build(b.section).Data[b.offset]) << b.section << ":" << b.offset;
  EXPECT_EQ(36, built.send(kInterfacesSection).Count) << "interfaces 97 to 99 are not sent";
  // sensor names are trimmed, cut to sixteen and end in a space
  const auto name = [&](int at) { return std::string(reinterpret_cast<const char*>(&built.build(kSensorSection).Data[at]), 17); };
  EXPECT_EQ("Kitchen          ", name(0));
  EXPECT_EQ("Garden terrace N ", name(23));
  EXPECT_EQ("A twenty-char na ", name(46));
  EXPECT_EQ(before.Sensors[2].Name, installation.Sensors[2].Name) << "building leaves the names alone";
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
  EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 77}),
            std::vector<uint8_t>(build.Data.begin(), build.Data.begin() + built.send(kDimmerOutputsSection).Count));
  EXPECT_EQ(131, built.build(kOutputModuleSection).Data[8]);
  EXPECT_EQ(1, built.build(kOutputModuleSection).Data[9]);
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
  // the named mood: relays 2 and 16, dimmer 8, its fifth step; the next mood
  // starts after 15 step bytes
  const std::pair<int, int> namedBytes[] = {{0, 0}, {15, 255}, {23, 127}, {24 + 12, 4}, {24 + 14, 6}, {length, 3}};
  for (const auto& [k, value] : namedBytes) EXPECT_EQ(value, build.Data[length + k]) << "byte " << length + k;
}

}  // namespace
}  // namespace ordalis
