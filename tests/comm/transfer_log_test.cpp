// The transfer log: one line per transfer, kept below its size limit by
// losing the oldest lines, and never a reason for a transfer to fail.
#include <gtest/gtest.h>

#include <sstream>

#include "comm/transfer_log.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

TransferLogEntry sendEntry(int number) {
  return {makeLocalTime(2026, 3, 12, 10, 30), "send", "/dev/ttyUSB0", 19200, "", transfer::kTableDiffers,
          "The central unit holds\ta different table", 7.5 + number, 2624, number, false};
}

TEST(TransferLog, OneTabSeparatedLinePerTransfer) {
  EXPECT_EQ(TransferLogLine(sendEntry(12)),
            "2026-03-12 10:30:00\tsend\t/dev/ttyUSB0\t19200\t-\t1140\tThe central unit holds a different table\t"
            "19.5\t2624\t12\tnot verified");
  // A transfer's entry: its target, and its result in words.
  Texts texts;
  texts.FillTextTables();
  TransferTarget target{"/dev/ttyS0", 9600, {}};
  target.connect.modem = {.useModem = true, .initString = {}, .telephone = "0123", .callBack = false, .callBackNumber = {}};
  const TransferLogEntry entry = TransferLogEntryOf("receive", target, {transfer::kOk, 1, 1312, true, ""}, texts);
  EXPECT_EQ(std::tie(entry.port, entry.baudRate, entry.modemNumber, entry.resultText, entry.bytes, entry.verified),
            std::make_tuple("/dev/ttyS0", 9600, "0123", "OK", 1312u, true));
  EXPECT_EQ(TransferLogEntryOf("send", target, {}, texts).resultText, texts.LoadText(transfer::kCommunicationProblem));
}

TEST(TransferLog, StaysBelowItsLimitKeepingTheNewestWholeLines) {
  test::TempDir dir;
  const std::filesystem::path file = dir.root() / "data" / "transfers.log";
  constexpr std::uintmax_t kLimit = 1000;
  for (int n = 0; n < 40; ++n) ASSERT_TRUE(AppendTransferLog(file, TransferLogLine(sendEntry(n)), kLimit));
  EXPECT_LT(std::filesystem::file_size(file), kLimit);
  std::istringstream lines(test::readText(file.string()));
  std::vector<std::string> kept;
  for (std::string line; std::getline(lines, line);) kept.push_back(line);
  ASSERT_GT(kept.size(), 1u);
  for (std::size_t i = 0; i < kept.size(); ++i)
    EXPECT_EQ(kept[i], TransferLogLine(sendEntry(static_cast<int>(40 - kept.size() + i))));
  std::filesystem::create_directories(dir.root() / "folder.log");  // a folder where the file should be
  EXPECT_FALSE(AppendTransferLog(dir.root() / "folder.log", "line")) << "an unwritable log is reported, not thrown";
}

}  // namespace
}  // namespace ordalis
