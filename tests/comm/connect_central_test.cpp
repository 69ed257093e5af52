// The connect sequence against the simulated central: the bytes on the
// wire, every failure code, and dial-up and call-back through a modem.
#include <gtest/gtest.h>

#include "comm/connect_central.h"
#include "comm/linked_central.h"
#include "comm/transfer_bytes.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::LinkedCentral;

std::vector<uint8_t> bytesOf(std::initializer_list<uint8_t> prefix, const std::string& text = "") {
  std::vector<uint8_t> bytes(prefix);
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

TransferResult connect(LinkedCentral& line, uint8_t model = 0) {
  line.openPort();
  return ConnectCentral(line.session, ConnectOptions{model, {}});
}

TEST(ConnectCentral, SendsBothAccessStringsTheModelAndTheChallengeReply) {
  LinkedCentral line;
  line.central.challenge = 0x3C;
  ASSERT_EQ(connect(line), transfer::kOk);
  std::vector<uint8_t> expected = bytesOf({0xF0, 0x00}, "QUARVENT");
  for (uint8_t b : bytesOf({0xF0, 0xFF}, "MIROLDAS")) expected.push_back(b);
  for (uint8_t b : {0xF0, 0x88, 0x21, 0x3C ^ 0x5A}) expected.push_back(b);
  EXPECT_EQ(line.pc.written(), expected);
  EXPECT_EQ(line.central.connects(), 1);
  EXPECT_EQ(line.progress, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(ConnectCentral, TakesThreeSecondsOfPausesPlusTheBytesOnTheWire) {
  LinkedCentral line;
  Monotonic start = line.clock.monotonic();
  ASSERT_EQ(connect(line), transfer::kOk);
  // 34 bytes both ways at 10 bits each, 19200 baud.
  EXPECT_NEAR(line.secondsSince(start), 3.0 + 34 * 10 / 19200.0, 0.002);
}

TEST(ConnectCentral, AChallengeWithBitSevenAfterTheKeyIsShiftedLeft) {
  EXPECT_EQ(ChallengeReply(0x3C), 0x66);
  EXPECT_EQ(ChallengeReply(0xC3), 0x32);  // 0xC3 ^ 0x5A = 0x99 -> 0x132 & 0xFF
  LinkedCentral line;
  line.central.challenge = 0xC3;
  ASSERT_EQ(connect(line), transfer::kOk);
  EXPECT_EQ(line.pc.written().back(), 0x32);
}

TEST(ConnectCentral, ModelBytesOfAllModels) {
  EXPECT_EQ(CentralModelByte(0), 0x88);
  EXPECT_EQ(CentralModelByte(1), 0x11);
  EXPECT_EQ(CentralModelByte(2), 0x11);
  EXPECT_EQ(CentralModelByte(3), 0x55);
  EXPECT_EQ(CentralModelByte(4), 0xCC);
}

struct ConnectFault {
  const char* name;
  void (*apply)(fixtures::CentralFaults&);
  TransferResult expected;
};

class ConnectFailure : public ::testing::TestWithParam<ConnectFault> {};

TEST_P(ConnectFailure, EndsWithItsCode) {
  LinkedCentral line;
  GetParam().apply(line.central.faults);
  EXPECT_EQ(connect(line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFault, ConnectFailure,
    ::testing::Values(
        ConnectFault{"NoAnswer", [](fixtures::CentralFaults& f) { f.noAnswer = true; }, transfer::kNoAnswer},
        ConnectFault{"WrongGreeting", [](fixtures::CentralFaults& f) { f.wrongIdentification = true; },
                     transfer::kNoOrOldCentral},
        ConnectFault{"Silent", [](fixtures::CentralFaults& f) { f.silentAfterChallenge = true; }, transfer::kNoInit},
        ConnectFault{"Refused", [](fixtures::CentralFaults& f) { f.refuseChallenge = true; }, transfer::kWrongInit},
        ConnectFault{"OtherModel", [](fixtures::CentralFaults& f) { f.wrongModel = true; }, transfer::kWrongCentral},
        ConnectFault{"OtherSecondModelByte", [](fixtures::CentralFaults& f) { f.wrongSecondModel = true; },
                     transfer::kWrongCentral},
        ConnectFault{"OtherVersion", [](fixtures::CentralFaults& f) { f.wrongVersion = true; },
                     transfer::kSoftwareIncompatible}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectCentral, CancelWhileWaitingForTheGreetingStopsWithoutMoreBytes) {
  LinkedCentral line;
  line.central.faults.noAnswer = true;
  line.cancelAfter(2100ms);
  EXPECT_EQ(connect(line), transfer::kStoppedByUser);
  EXPECT_LE(line.clock.monotonic() - Monotonic{}, 2200ms);
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

TEST(DialUp, SendsTheInitStringAndDialsWhenThereIsNoCarrier) {
  LinkedCentral line;
  DialingModem modem(line);
  line.openPort();
  EXPECT_EQ(ConnectCentral(line.session, modemOptions()), transfer::kOk);
  EXPECT_EQ(modem.heard.substr(0, 19), std::string("ATZ0\n\rATDT0123456\n\r"));
}

TEST(DialUp, NoCarrierWithinFiftySecondsIsModemConnected) {
  LinkedCentral line;
  DialingModem modem(line, 51s);
  line.openPort();
  EXPECT_EQ(ConnectCentral(line.session, modemOptions()), transfer::kModemConnected);
}

TEST(DialUp, CancelWhileWaitingForTheCarrierStops) {
  LinkedCentral line;
  DialingModem modem(line, 51s);
  line.openPort();
  line.cancelAfter(30s);
  EXPECT_EQ(ConnectCentral(line.session, modemOptions()), transfer::kStoppedByUser);
  EXPECT_LE(line.clock.monotonic() - Monotonic{}, 30100ms);
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

}  // namespace
}  // namespace ordalis
