// Appending a dialog's transfer to the log.
#include "comm/qt/transfer_log_writer.h"

#include "base/qt/data_folder.h"

namespace ordalis {

bool WriteTransferLog(TransferLogEntry entry, const Clock& clock, const TransferStart& start) {
  entry.when = start.when;
  entry.seconds = std::chrono::duration<double>(clock.monotonic() - start.monotonic).count();
  return AppendTransferLog(transferLogPath(), TransferLogLine(entry));
}

}  // namespace ordalis
