// ordalis-cli online on a pseudo-terminal that the test holds: the frame on
// the wire, the central's answer as an event, the argument checks and the
// usage faults.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

using test::CliRun;

// The far end of a pseudo-terminal: the CLI opens its device as the port.
class Terminal {
 public:
  Terminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) m_device = ptsname(m_master);
  }
  ~Terminal() {
    if (m_responder.joinable()) m_responder.join();
    if (m_master >= 0) close(m_master);
  }
  const std::string& device() const { return m_device; }
  // Plays the central: once a whole frame of `frameLength` bytes has come,
  // sends `answer`.
  void answerFrame(std::size_t frameLength, std::vector<uint8_t> answer) {
    m_responder = std::thread([this, frameLength, answer] {
      while (m_written.size() < frameLength && readSome(5000)) {
      }
      if (write(m_master, answer.data(), answer.size()) != ssize_t(answer.size())) m_written.clear();
    });
  }
  // Everything the CLI wrote.
  std::vector<uint8_t> written() {
    if (m_responder.joinable()) m_responder.join();
    while (readSome(0)) {
    }
    return m_written;
  }

 private:
  // Reads what the port wrote within `timeoutMs`; false when nothing came.
  bool readSome(int timeoutMs) {
    pollfd request{m_master, POLLIN, 0};
    if (poll(&request, 1, timeoutMs) <= 0 || !(request.revents & POLLIN)) return false;
    uint8_t bytes[256];
    const ssize_t n = read(m_master, bytes, sizeof bytes);
    if (n <= 0) return false;
    m_written.insert(m_written.end(), bytes, bytes + n);
    return true;
  }

  int m_master = -1;
  std::string m_device;
  std::vector<uint8_t> m_written;
  std::thread m_responder;
};

class OnlineCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    if (terminal.device().empty()) GTEST_SKIP() << "no pseudo-terminal";
    setenv("XDG_CONFIG_HOME", dir.root().c_str(), 1);
  }
  CliRun Run(const std::string& arguments) { return test::RunCli(arguments, dir.root().string()); }
  std::string port() const { return "--port " + terminal.device() + " "; }

  test::TempDir dir;
  Terminal terminal;
};

TEST_F(OnlineCommand, SendsTheFrameAndReportsTheCentralsAnswer) {
  terminal.answerFrame(7, {0x02, 0x03, 0x00, 0x05});
  const CliRun run = Run("--json online " + port() + "set-relay 5 1 --listen 0.3");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(terminal.written(), (std::vector<uint8_t>{0x02, 0x06, 0x01, 0x01, 0x05, 0x01, 0x10}));
  const nlohmann::json document = nlohmann::json::parse(run.out);
  EXPECT_EQ(document["result"], 0);
  ASSERT_EQ(document["events"].size(), 1u);
  EXPECT_EQ(document["events"][0], (nlohmann::json{{"event", "ErrMsg"}, {"code", 0}, {"text", "All OK"}}));
}

TEST_F(OnlineCommand, AnArgumentOutOfRangeSendsNothingAndIsRefused) {
  const CliRun run = Run("--json online " + port() + "set-dimmer 1 101 --listen 0");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(nlohmann::json::parse(run.out)["result"], -3);
  EXPECT_TRUE(terminal.written().empty());
}

TEST_F(OnlineCommand, APortThatDoesNotOpenIsRefusedWithTheSystemsText) {
  const CliRun run = Run("--json online --port " + dir.path("no-such-device") + " get-relay 1");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(nlohmann::json::parse(run.out)["result"], -1);
  EXPECT_NE(run.err.find("Communication problem"), std::string::npos);
}

}  // namespace
}  // namespace ordalis
