// The dialog's transfers into the transfer log: the entry gets the moment the
// transfer began and its seconds, and goes to the log in the data folder. A
// log that cannot be written never fails a transfer.
#pragma once

#include "base/clock_source.h"
#include "comm/transfer_log.h"

namespace ordalis {

// The start of a transfer, as the log wants it.
struct TransferStart {
  explicit TransferStart(const Clock& clock) : when(clock.now()), monotonic(clock.monotonic()) {}
  LocalTime when;
  Monotonic monotonic;
};

// False when the log could not be written.
bool WriteTransferLog(TransferLogEntry entry, const Clock& clock, const TransferStart& start);

}  // namespace ordalis
