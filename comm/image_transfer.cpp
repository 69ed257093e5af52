// The two drivers. Each attempt:
//
//   block timer stopped; ConnectCentral; beep; progress 5
//   sections in order (block timer restarted with 50 s before each):
//     SendBlock / ReceiveBlock
//   endSession: 60, answer within 800 ms (662); sending wants 60 back (663)
//   success: progress 100, port closed
//   failure: 665 ends at once without a message; after the fourth attempt
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

TransferResult endSession(CommSession& session, bool sending) {
  session.send({kEndMarker});
  TransferResult waited = session.WaitForInput(800ms);
  if (waited == transfer::kTimedOut) return transfer::kNoEnding;
  RETURN_IF_FAILED(waited);
  uint8_t answer = session.link().readByte().value_or(0);
  return !sending || answer == kEndMarker ? transfer::kOk : transfer::kWrongEnding;
}

void reportFailure(CommSession& session, TransferUser user, TransferResult code) {
  for (int beep = 0; beep < 5; ++beep) {
    if (beep > 0) session.clock().sleepFor(100ms);
    user.prompts.beep();
  }
  user.prompts.tell(TransferFailureText(user.texts, code), kErrorTitle, MessageIcon::Critical);
}

TransferOutcome runAttempts(CommSession& session, const TransferTarget& target, TransferUser user,
                            bool sending, const SectionRun& sections) {
  TransferOutcome outcome;
  if (!session.link().open(target.port, PortSettingsText(target.baudRate))) {
    reportFailure(session, user, outcome.result);
    return outcome;
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
      return outcome;
    }
    if (outcome.result == transfer::kStoppedByUser) break;
    if (outcome.attempts == kTransferAttempts) reportFailure(session, user, outcome.result);
  }
  session.showProgress(0);
  session.link().close();
  return outcome;
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
  auto sections = [&]() -> TransferResult {
    double sent = 0;
    for (int n = number.value_or(0); n <= (number ? *number : image.LastBlockNumber); ++n) {
      if (!number && !sendsSection(n)) continue;
      const ImageArea& area = image.block(n)->Send;
      session.startBlockTimer();
      auto progress = [&](std::size_t done) { session.showProgress(TransferPercent(sent + done, image.ImageTotal)); };
      RETURN_IF_FAILED(SendBlock(session, n, std::span(area.Data.data(), area.Count), progress));
      sent += area.Count;
    }
    return transfer::kOk;
  };
  return runAttempts(session, target, user, true, sections);
}

TransferOutcome ReceiveImage(CommSession& session, MemoryImage& image, const TransferTarget& target,
                             TransferUser user, std::optional<int> number, int sectionLength) {
  if (number) image.LastBlockNumber = 1;
  auto sections = [&]() -> TransferResult {
    int last = image.LastBlockNumber;
    for (int n = number.value_or(0); n <= (number ? *number : last); ++n) {
      if (!number && !receivesSection(n, target.connect.centralModel)) continue;
      ImageArea& area = image.block(n)->Receive;
      session.startBlockTimer();
      auto progress = [&](std::size_t done) {
        session.showProgress(number ? TransferPercent(static_cast<double>(done), sectionLength)
                                    : TransferPercent(n, last));
      };
      RETURN_IF_FAILED(ReceiveBlock(session, n, std::span(area.Data), progress));
    }
    return transfer::kOk;
  };
  return runAttempts(session, target, user, false, sections);
}

}  // namespace ordalis
