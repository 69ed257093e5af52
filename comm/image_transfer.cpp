// The drivers. Each attempt:
//
//   block timer stopped; ConnectCentral; beep; progress 5
//   sections in order (block timer restarted with 50 s before each):
//     SendBlock / ReceiveBlock (a verified send: SendBlock, then ReceiveBlock
//     of the same section, compared)
//   endSession: 60, answer within 800 ms (662); sending wants 60 back (663)
//   success: progress 100, port closed
//   failure: 665 ends at once without a message; 1140 (read back different)
//            ends at once with its message; after the fourth attempt
//            five beeps 100 ms apart and the message "650:\n<code>"
//   the failure end: progress 0, port closed
#include "comm/image_transfer.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "comm/block_protocol.h"
#include "comm/port_settings.h"
#include "comm/transfer_bytes.h"

namespace ordalis {

namespace {

using namespace std::chrono_literals;

using SectionRun = std::function<TransferResult()>;

constexpr int kNoReadBackText = 1141;  // "The central unit did not give the table back"

TransferResult endSession(CommSession& session, bool sending) {
  session.send({kEndMarker});
  TransferResult waited = session.WaitForInput(800ms);
  if (waited == transfer::kTimedOut) return transfer::kNoEnding;
  RETURN_IF_FAILED(waited);
  uint8_t answer = session.link().readByte().value_or(0);
  return !sending || answer == kEndMarker ? transfer::kOk : transfer::kWrongEnding;
}

void reportFailure(CommSession& session, TransferUser user, const TransferOutcome& outcome) {
  for (int beep = 0; beep < 5; ++beep) {
    if (beep > 0) session.clock().sleepFor(100ms);
    user.prompts.beep();
  }
  std::string text = TransferFailureText(user.texts, outcome.result);
  if (!outcome.difference.empty()) text += "\n" + outcome.difference;
  user.prompts.tell(text, kErrorTitle, MessageIcon::Critical);
}

// Runs the attempts into `outcome`, whose difference text `sections` may set.
void runAttemptsInto(TransferOutcome& outcome, CommSession& session, const TransferTarget& target, TransferUser user,
                     bool sending, const SectionRun& sections) {
  if (!session.link().open(target.port, PortSettingsText(target.baudRate))) {
    reportFailure(session, user, outcome);
    return;
  }
  while (outcome.attempts < kTransferAttempts) {
    ++outcome.attempts;
    session.stopBlockTimer();
    outcome.result = ConnectCentral(session, target.connect);
    if (outcome.result == transfer::kOk) {
      user.prompts.beep();
      session.showProgress(5);
      outcome.result = sections();
    }
    if (outcome.result == transfer::kOk) outcome.result = endSession(session, sending);
    session.stopBlockTimer();
    if (outcome.result == transfer::kOk) {
      session.showProgress(100);
      session.link().close();
      return;
    }
    if (outcome.result == transfer::kStoppedByUser) break;
    if (outcome.attempts == kTransferAttempts || outcome.result == transfer::kTableDiffers) {
      reportFailure(session, user, outcome);
      break;
    }
  }
  session.showProgress(0);
  session.link().close();
}

bool sendsSection(int number) { return number != kUnusedSection && number != kClockSection; }

bool receivesSection(int number, uint8_t model) {
  return number != kUnusedSection && (number != kClockSection || model == 4);
}

}  // namespace

int TransferPercent(double done, double total) {
  if (total <= 0) return 5;
  double percent = std::nearbyint(done / total * 94 + 5);
  return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

TransferOutcome SendImage(CommSession& session, MemoryImage& image, const TransferTarget& target,
                          TransferUser user, std::optional<int> number) {
  if (number) image.LastBlockNumber = 1;
  TransferOutcome outcome;
  auto sections = [&]() -> TransferResult {
    double sent = 0;
    outcome.bytes = 0;
    for (int n = number.value_or(0); n <= (number ? *number : image.LastBlockNumber); ++n) {
      if (!number && !sendsSection(n)) continue;
      const ImageArea& area = image.block(n)->Send;
      session.startBlockTimer();
      auto progress = [&](std::size_t done) { session.showProgress(TransferPercent(sent + done, image.ImageTotal)); };
      RETURN_IF_FAILED(SendBlock(session, n, std::span(area.Data.data(), area.Count), progress));
      sent += area.Count;
      outcome.bytes += area.Count;
    }
    return transfer::kOk;
  };
  runAttemptsInto(outcome, session, target, user, true, sections);
  return outcome;
}

TransferOutcome ReceiveImage(CommSession& session, MemoryImage& image, const TransferTarget& target,
                             TransferUser user, std::optional<int> number, int sectionLength) {
  if (number) image.LastBlockNumber = 1;
  TransferOutcome outcome;
  auto sections = [&]() -> TransferResult {
    int last = image.LastBlockNumber;
    outcome.bytes = 0;
    for (int n = number.value_or(0); n <= (number ? *number : last); ++n) {
      if (!number && !receivesSection(n, target.connect.centralModel)) continue;
      ImageArea& area = image.block(n)->Receive;
      session.startBlockTimer();
      std::size_t received = 0;
      auto progress = [&](std::size_t done) {
        received = done;
        session.showProgress(number ? TransferPercent(static_cast<double>(done), sectionLength)
                                    : TransferPercent(n, last));
      };
      RETURN_IF_FAILED(ReceiveBlock(session, n, std::span(area.Data), progress));
      outcome.bytes += received;
    }
    return transfer::kOk;
  };
  runAttemptsInto(outcome, session, target, user, false, sections);
  return outcome;
}

TransferOutcome SendAndVerifySection(CommSession& session, MemoryImage& image, const TransferTarget& target,
                                     TransferUser user, int number, const ReadBackCheck& check) {
  image.LastBlockNumber = 1;
  ImageBlock& block = *image.block(number);
  const std::span<const uint8_t> sent(block.Send.Data.data(), block.Send.Count);
  const double total = 2.0 * static_cast<double>(sent.size());
  TransferOutcome outcome;
  std::string& difference = outcome.difference;
  auto sendAndReadBack = [&]() -> TransferResult {
    difference.clear();
    outcome.bytes = 0;
    session.startBlockTimer();
    RETURN_IF_FAILED(SendBlock(session, number, sent, [&](std::size_t done) {
      session.showProgress(TransferPercent(static_cast<double>(done), total));
    }));
    session.startBlockTimer();
    std::fill(block.Receive.Data.begin(), block.Receive.Data.end(), uint8_t{0});
    TransferResult readBack = ReceiveBlock(session, number, std::span(block.Receive.Data), [&](std::size_t done) {
      session.showProgress(TransferPercent(static_cast<double>(sent.size() + done), total));
    });
    outcome.bytes = 2 * sent.size();
    if (readBack == transfer::kStoppedByUser) return readBack;
    if (readBack != transfer::kOk) {
      difference = user.texts.LoadText(kNoReadBackText) + " (" + user.texts.LoadText(readBack) + ")";
      return transfer::kTableDiffers;
    }
    difference = check(sent, std::span<const uint8_t>(block.Receive.Data.data(), sent.size()));
    return difference.empty() ? transfer::kOk : transfer::kTableDiffers;
  };
  runAttemptsInto(outcome, session, target, user, true, sendAndReadBack);
  outcome.verified = !outcome.failed();
  return outcome;
}

}  // namespace ordalis
