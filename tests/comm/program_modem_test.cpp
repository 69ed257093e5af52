// Programming the central's modem: the command lines, the "OK" checks and
// the two messages.
#include <gtest/gtest.h>

#include "comm/linked_central.h"
#include "comm/program_modem.h"

namespace ordalis {
namespace {

using test::CountingPrompts;
using test::LinkedCentral;

struct ModemLine : LinkedCentral {
  bool program(bool callBack, const std::string& number = "") {
    ModemProgramming request{"/dev/ttyS0", 19200, callBack, number};
    return ProgramModem(session, request, prompts, texts);
  }
  CountingPrompts prompts;
  Texts texts;
};

TEST(ProgramModem, WithCallBackStoresPasswordAndNumberThenTheOptions) {
  ModemLine line;
  EXPECT_TRUE(line.program(true, " 0123 "));
  EXPECT_EQ(line.pc.writtenText(),
            "\n\rAT*P0:QUARVENT:0123\n\rATS200=16\n\rAT&D0&K0K0S0=1%C0E0&W\n\r");
  ASSERT_EQ(line.prompts.shown.size(), 1u);
  EXPECT_EQ(line.prompts.shown[0].text, "OK");
  EXPECT_EQ(line.prompts.shown[0].title, kErrorTitle);
  EXPECT_EQ(line.prompts.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(line.pc.isOpen());
}

TEST(ProgramModem, WithoutCallBackRestoresFactorySettingsWithTheOptions) {
  ModemLine line;
  EXPECT_TRUE(line.program(false));
  EXPECT_EQ(line.pc.writtenText(), "\n\rAT&F&D0&K0K0S0=1%C0E0&W\n\r");
}

TEST(ProgramModem, AnErrorAnswerStopsAtThatCommand) {
  ModemLine line;
  line.central.faults.modemErrorOn = "ATS200";
  EXPECT_FALSE(line.program(true, "0123"));
  EXPECT_EQ(line.pc.writtenText().find("AT&D0"), std::string::npos);
  ASSERT_EQ(line.prompts.shown.size(), 1u);
  EXPECT_EQ(line.prompts.shown[0].text, "Communication problem:\nModem connected?");
  EXPECT_EQ(line.prompts.shown[0].icon, MessageIcon::Critical);
}

TEST(ProgramModem, ASilentModemFailsAtTheFirstCommand) {
  ModemLine line;
  line.central.faults.noAnswer = true;
  EXPECT_FALSE(line.program(true, "0123"));
  EXPECT_EQ(line.pc.writtenText(), "\n\rAT*P0:QUARVENT:0123\n\r");
}

}  // namespace
}  // namespace ordalis
