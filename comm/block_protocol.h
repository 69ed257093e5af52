// SendBlock and ReceiveBlock: one memory section over an open session, in
// acknowledged packets of at most 15 data bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "comm/comm_session.h"

namespace ordalis {

// Told how many data bytes of the section have moved so far.
using BlockProgress = std::function<void(std::size_t bytesDone)>;

// Sends `data` as section `number`: 0, or 651, 656, 657, 658, 659, 660, 661,
// 665.
TransferResult SendBlock(CommSession& session, int number, std::span<const uint8_t> data,
                         const BlockProgress& progress);

// Receives section `number` into `area` from position 0 (each short packet is
// followed by zeros up to its 15 positions). Bytes beyond the end of `area`
// are never stored: a central that sends more fails the attempt with 658.
// Result: 0, or 651, 656, 657, 658, 665.
TransferResult ReceiveBlock(CommSession& session, int number, std::span<uint8_t> area,
                            const BlockProgress& progress);

}  // namespace ordalis
