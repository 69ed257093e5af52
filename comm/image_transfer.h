// SendImage and ReceiveImage: the drivers that open the port, connect and
// move memory sections, with up to four attempts, progress from 0 to 100 %,
// and the failure message after the last attempt.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "base/prompts.h"
#include "base/texts.h"
#include "comm/comm_session.h"
#include "comm/connect_central.h"
#include "image/clock_section.h"
#include "image/memory_image.h"

namespace ordalis {

inline constexpr int kTransferAttempts = 4;  // the first and three retries
inline constexpr int kUnusedSection = 11;

// Where and how to reach the central unit.
struct TransferTarget {
  std::string port;          // device path
  int32_t baudRate = 19200;  // the settings text is the rate and ",n,8,1"
  ConnectOptions connect;
};

struct TransferOutcome {
  TransferResult result = transfer::kCommunicationProblem;  // 0 on success
  int attempts = 0;
  std::size_t bytes = 0;   // data bytes of the sections moved in the last attempt
  bool verified = false;   // the section read back was the one sent
  std::string difference;  // what the read-back found different, when it did
  bool failed() const { return result != transfer::kOk; }
  bool stopped() const { return result == transfer::kStoppedByUser; }
};

// What the drivers tell the user through: the failure message box and the
// beeps.
struct TransferUser {
  Prompts& prompts;
  const Texts& texts;
};

// Sends the send area of section `number`, or with no number every section
// but 11 and 18, over `session` (whose link is opened on `target` and closed
// at the end). Progress: bytes sent over image.ImageTotal, × 94 + 5.
TransferOutcome SendImage(CommSession& session, MemoryImage& image, const TransferTarget& target,
                          TransferUser user, std::optional<int> number);

// Receives section `number` (progress by bytes over `sectionLength`), or
// with no number every section but 11, and 18 only from a model 4 central
// (progress by section number), into the receive areas of `image`. The
// caller has built the image and cleared its receive areas.
TransferOutcome ReceiveImage(CommSession& session, MemoryImage& image, const TransferTarget& target,
                             TransferUser user, std::optional<int> number, int sectionLength = 0);

// Compares a section read back with the one sent: "" when they agree, else
// a text naming what differs.
using ReadBackCheck = std::function<std::string(std::span<const uint8_t> sent, std::span<const uint8_t> back)>;

// Sends section `number` as SendImage does, then reads it back in the same
// connection, before the end marker, and lets `check` compare. A difference,
// or a central that will not give the section back, ends the transfer with
// 1140 at once (sending again would store the same again); the message names
// the difference. Progress: the send from 5 to 52 %, the read-back to 99 %.
TransferOutcome SendAndVerifySection(CommSession& session, MemoryImage& image, const TransferTarget& target,
                                     TransferUser user, int number, const ReadBackCheck& check);

// The progress figure: done / total × 94 + 5, rounded to the nearest whole
// number with halves to the even neighbour, kept within 0..100; 5 when the
// total is 0.
int TransferPercent(double done, double total);

}  // namespace ordalis
