// The connect sequence against the simulated central: the bytes on the
// wire, every failure code, dial-up and call-back through a modem, and the
// programming of the central's modem.
#include <gtest/gtest.h>

#include "comm/connect_central.h"
#include "comm/linked_central.h"
#include "comm/program_modem.h"
#include "comm/transfer_bytes.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::CountingPrompts;
using test::LinkedCentral;

TransferResult connect(LinkedCentral& line, uint8_t model = 0) {
  line.openPort();
  return ConnectCentral(line.session, ConnectOptions{model, {}});
}

TEST(ConnectCentral, SendsBothAccessStringsTheModelAndTheChallengeReplyInThreeSecondsOfPauses) {
  LinkedCentral line;
  line.central.challenge = 0x3C;
  ASSERT_EQ(connect(line), transfer::kOk);
  // three seconds of pauses plus 34 bytes both ways at 10 bits each, 19200 baud
  EXPECT_NEAR(line.secondsSince(Monotonic{}), 3.0 + 34 * 10 / 19200.0, 0.002);
  const std::string text(line.pc.written().begin(), line.pc.written().end());
  EXPECT_EQ(text, std::string("\xF0\x00QUARVENT\xF0\xFFMIROLDAS\xF0\x88\x21", 23) + char(0x3C ^ 0x5A));
  EXPECT_EQ(line.central.connects(), 1);
  EXPECT_EQ(line.progress, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(ConnectCentral, AChallengeWithBitSevenAfterTheKeyIsShiftedLeft) {
  LinkedCentral line;
  line.central.challenge = 0xC3;  // 0xC3 ^ 0x5A = 0x99 -> 0x132 & 0xFF
  ASSERT_EQ(connect(line), transfer::kOk);
  EXPECT_EQ(line.pc.written().back(), 0x32);
}

TEST(ConnectCentral, EveryFaultOfTheCentralEndsWithItsCode) {
  using F = fixtures::CentralFaults;
  const std::pair<void (*)(F&), TransferResult> cases[] = {
      {[](F& f) { f.noAnswer = true; }, transfer::kNoAnswer},
      {[](F& f) { f.wrongIdentification = true; }, transfer::kNoOrOldCentral},
      {[](F& f) { f.silentAfterChallenge = true; }, transfer::kNoInit},
      {[](F& f) { f.refuseChallenge = true; }, transfer::kWrongInit},
      {[](F& f) { f.wrongModel = true; }, transfer::kWrongCentral},
      {[](F& f) { f.wrongSecondModel = true; }, transfer::kWrongCentral},
      {[](F& f) { f.wrongVersion = true; }, transfer::kSoftwareIncompatible}};
  for (const auto& [apply, expected] : cases) {
    LinkedCentral line;
    apply(line.central.faults);
    EXPECT_EQ(connect(line), expected);
  }
}

// A modem at the PC: raises the carrier some time after the dial command.
struct DialingModem {
  explicit DialingModem(LinkedCentral& line, std::chrono::milliseconds answerAfter = 20s) : line(line) {
    line.far.setReceiver([this, answerAfter](uint8_t byte) {
      heard += static_cast<char>(byte);
      if (heard.ends_with("\n\r") && heard.find("ATDT") != std::string::npos && !dialled) {
        dialled = true;
        this->line.clock.scheduleAfter(answerAfter, [this] { becomeCentral(); });
      }
    });
  }
  void becomeCentral() {
    line.pc.setCarrier(true);
    line.far.setReceiver([this](uint8_t byte) { line.central.receive(byte, line.clock.monotonic()); });
  }
  LinkedCentral& line;
  std::string heard;
  bool dialled = false;
};

ConnectOptions modemOptions() {
  ConnectOptions options;
  options.modem.useModem = true;
  options.modem.initString = " ATZ0 ";
  options.modem.telephone = " 0123456 ";
  return options;
}

// The init string goes first and the number is dialled when there is no
// carrier; no carrier within fifty seconds is ModemConnected; Cancel stops
// the wait for it.
TEST(DialUp, DialsAndWaitsFiftySecondsForTheCarrier) {
  const struct {
    std::chrono::seconds answerAfter;
    bool cancel;
    TransferResult expected;
  } cases[] = {{20s, false, transfer::kOk}, {51s, false, transfer::kModemConnected}, {51s, true, transfer::kStoppedByUser}};
  for (const auto& c : cases) {
    LinkedCentral line;
    DialingModem modem(line, c.answerAfter);
    line.openPort();
    if (c.cancel) line.cancelAfter(30s);
    EXPECT_EQ(ConnectCentral(line.session, modemOptions()), c.expected);
    EXPECT_EQ(modem.heard.substr(0, 19), std::string("ATZ0\n\rATDT0123456\n\r"));
    if (c.cancel) { EXPECT_LE(line.clock.monotonic() - Monotonic{}, 30100ms); }
  }
}

TEST(CallBack, SendsThePasswordAndWaitsForTheCarrierToDropAndReturn) {
  LinkedCentral line;
  line.pc.setCarrier(true);
  std::string heard;
  line.far.setReceiver([&](uint8_t byte) {
    heard += static_cast<char>(byte);
    if (heard == "QUARVENT\r") {
      line.clock.scheduleAfter(2s, [&] { line.pc.setCarrier(false); });
      line.clock.scheduleAfter(30s, [&] {
        line.pc.setCarrier(true);
        line.far.setReceiver([&](uint8_t b) { line.central.receive(b, line.clock.monotonic()); });
      });
    }
  });
  ConnectOptions options = modemOptions();
  options.modem.callBack = true;
  line.openPort();
  EXPECT_EQ(ConnectCentral(line.session, options), transfer::kOk);
  EXPECT_EQ(heard, "QUARVENT\r");
}

TEST(CallBack, ACarrierThatNeverDropsIsModemConnected) {
  LinkedCentral line;
  line.pc.setCarrier(true);
  ConnectOptions options = modemOptions();
  options.modem.callBack = true;
  line.openPort();
  Monotonic start = line.clock.monotonic();
  EXPECT_EQ(ConnectCentral(line.session, options), transfer::kModemConnected);
  EXPECT_NEAR(line.secondsSince(start), 1 + 1 + 5, 0.1);
}

struct ModemLine : LinkedCentral {
  bool program(bool callBack, const std::string& number = "") {
    ModemProgramming request{"/dev/ttyS0", 19200, callBack, number};
    return ProgramModem(session, request, prompts, texts);
  }
  CountingPrompts prompts;
  Texts texts;
};

TEST(ProgramModem, StoresPasswordAndNumberForACallBackThenTheOptions) {
  ModemLine line;
  EXPECT_TRUE(line.program(true, " 0123 "));
  EXPECT_EQ(line.pc.writtenText(),
            "\n\rAT*P0:QUARVENT:0123\n\rATS200=16\n\rAT&D0&K0K0S0=1%C0E0&W\n\r");
  ASSERT_EQ(line.prompts.shown.size(), 1u);
  EXPECT_EQ(line.prompts.shown[0].text, "OK");
  EXPECT_EQ(line.prompts.shown[0].title, kErrorTitle);
  EXPECT_EQ(line.prompts.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(line.pc.isOpen());
  ModemLine without;  // without call-back: factory settings with the options
  EXPECT_TRUE(without.program(false));
  EXPECT_EQ(without.pc.writtenText(), "\n\rAT&F&D0&K0K0S0=1%C0E0&W\n\r");
}

// An error answer stops at that command; a silent modem fails at the first.
TEST(ProgramModem, AFailedCommandIsTheLastOneSentAndSaysSo) {
  for (bool silent : {false, true}) {
    ModemLine line;
    if (silent)
      line.central.faults.noAnswer = true;
    else
      line.central.faults.modemErrorOn = "ATS200";
    EXPECT_FALSE(line.program(true, "0123"));
    EXPECT_EQ(line.pc.writtenText().find(silent ? "ATS200" : "AT&D0"), std::string::npos);
    ASSERT_EQ(line.prompts.shown.size(), 1u);
    EXPECT_EQ(line.prompts.shown[0].text, "Communication problem:\nModem connected?");
    EXPECT_EQ(line.prompts.shown[0].icon, MessageIcon::Critical);
  }
}

}  // namespace
}  // namespace ordalis
