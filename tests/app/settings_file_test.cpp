// The settings file's rules: defaults, the language setting, the working
// directory, and a write that leaves the other program's settings alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_file.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

// Each test may move the working directory; it comes back afterwards.
class SettingsFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path startDirectory = std::filesystem::current_path();
  ProgramState state;
  std::string ini = dir.path("Vantrel.ini");

  void TearDown() override { std::filesystem::current_path(startDirectory); }

  SettingsReadResult readWith(const std::string& text) {
    test::writeText(ini, text);
    return ReadSettings(ini, state);
  }
};

TEST_F(SettingsFile, AMissingFileGivesTheDefaultsAndAsksForTheLanguage) {
  SettingsReadResult result = ReadSettings(ini, state);
  EXPECT_TRUE(result.languageDialogNeeded);
  EXPECT_EQ(10000, state.texts.LanguageOffset);
  EXPECT_EQ(startDirectory, std::filesystem::current_path());
}

// A tenth of the offset is accepted, text that is no number is English, an
// invalid value gives Dutch and the language dialog.
TEST(LanguageSetting, IsReadAsOffsetOrTenthOfItElseDutchWithTheDialog) {
  const struct {
    const char* value;
    int offset;
    bool dialog;
  } cases[] = {{"3000", 30000, false}, {"30000", 30000, false}, {"0", 0, false}, {"abc", 0, false},
               {"7", 10000, true}, {"70000", 10000, true}, {"12345", 10000, true}, {"99999999999999", 10000, true}};
  for (const auto& c : cases) {
    const LanguageChoice choice = LanguageFromSetting(c.value);
    EXPECT_EQ(c.offset, choice.offset) << c.value;
    EXPECT_EQ(c.dialog, choice.dialogNeeded) << c.value;
  }
}

TEST_F(SettingsFile, EveryKeyIsReadWithItsConversion) {
  std::string work = dir.path("work");
  std::filesystem::create_directory(work);
  SettingsReadResult result = readWith(
      "[global]\nLanguage=6000\nBaudrate=9600 baud\nComPort=COM3\nPath=" + work +
      "\n[CLOCK]\nNBTFile= /srv/villa.nbt \nTimeSet=1\n");
  EXPECT_FALSE(result.languageDialogNeeded);
  EXPECT_EQ(60000, state.texts.LanguageOffset);
  EXPECT_EQ(9600, state.settings.BaudRate);
  EXPECT_EQ(0, state.settings.ComPort);  // not a number
  EXPECT_EQ("/srv/villa.nbt", state.clock.InstallationPath);
  EXPECT_EQ(1, state.settings.TimeSet);
  EXPECT_EQ(std::filesystem::canonical(work), std::filesystem::current_path());
}

// So does a working directory that does not exist.
TEST_F(SettingsFile, AnUnusableTimeSetOrPortKeepsTheCurrentValue) {
  state.settings.TimeSet = 1;
  readWith("[Global]\nComPort=32768\nPath=" + dir.path("nowhere") + "\n[Clock]\nTimeSet=300\n");
  EXPECT_EQ(startDirectory, std::filesystem::current_path());
  EXPECT_EQ(1, state.settings.TimeSet);
  EXPECT_EQ(2, state.settings.ComPort);
  readWith("[Global]\nComPort=32767\n[Clock]\nTimeSet=255\n");
  EXPECT_EQ(255, state.settings.TimeSet);
  EXPECT_EQ(32767, state.settings.ComPort);
}

TEST_F(SettingsFile, WritingChangesOnlyOurKeysAndKeepsTheOtherProgramsLines) {
  const std::string others = "\r\n[Vantrel]\r\n; last project\r\nProject=C:\\villa.nbt\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n";
  test::writeText(ini, "; shared with Vantrel\r\n[Global]\r\nLanguage=1000\r\nBaudrate=19200\r\n" + others);
  std::filesystem::current_path(dir.root());
  state.texts.LanguageOffset = 30000;
  state.settings.BaudRate = 9600;
  state.settings.ComPort = 3;
  state.settings.TimeSet = 1;
  state.clock.InstallationPath = "/srv/villa.nbt";
  ASSERT_TRUE(WriteSettings(ini, state).ok);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ("; shared with Vantrel\r\n[Global]\r\nLanguage=30000\r\nBaudrate=9600\r\nComPort=3\r\nPath=" + cwd +
                "\r\n" + others + "[Clock]\r\nNBTFile=/srv/villa.nbt\r\nTimeSet=1\r\nVerify=1\r\n",
            test::readText(ini));
}

TEST_F(SettingsFile, WhatIsWrittenIsReadBack) {
  state.texts.LanguageOffset = 40000;
  state.clock.InstallationPath = "/srv/house.nbt";
  state.settings.Verify = 0;  // default on, so off must come back
  WriteSettings(ini, state);
  ProgramState next;
  EXPECT_FALSE(ReadSettings(ini, next).languageDialogNeeded);
  EXPECT_EQ(40000, next.texts.LanguageOffset);
  EXPECT_EQ("/srv/house.nbt", next.clock.InstallationPath);
  EXPECT_EQ(0, next.settings.Verify);
}

TEST_F(SettingsFile, AFileThatCannotBeReadIsNotOverwritten) {
  std::filesystem::create_directory(ini);  // in the way: exists, cannot be read as a file
  EXPECT_FALSE(WriteSettings(ini, state).ok);
  EXPECT_TRUE(std::filesystem::is_directory(ini));
}

// A working directory that could not be found (empty) is not on a floppy.
TEST(WorkingDirectory, IsStoredUnlessOnDriveAOrB) {
  for (const char* floppy : {"A:\\", "b:\\villa"}) EXPECT_FALSE(ShouldStoreWorkingDirectory(floppy)) << floppy;
  for (const char* other : {"", "C:\\villa", "/srv/villa"}) EXPECT_TRUE(ShouldStoreWorkingDirectory(other)) << other;
}

TEST(SerialPorts, APortsEntryNamesTheDeviceElseTheSerialLineNumberedFromZero) {
  EXPECT_EQ("/dev/ttyUSB0", SerialDeviceForPort(IniFile::parse("[Ports]\nCOM3=/dev/ttyUSB0\n"), 3));
  EXPECT_EQ("/dev/ttyS1", SerialDeviceForPort(IniFile::parse("[Ports]\nCOM3=/dev/ttyUSB0\n"), 2));
  EXPECT_EQ("/dev/ttyS0", SerialDeviceForPort(IniFile{}, 1));
}

}  // namespace
}  // namespace ordalis
