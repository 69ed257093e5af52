// The flows behind the communication dialog's buttons: the send button
// (transmit or receive the clock table) and the whole-image receive. They
// work on the program state (its memory image included) and report through the
// session's progress callback and the user's prompts.
#pragma once

#include "comm/transfer_parts.h"
#include "comm/image_transfer.h"

namespace ordalis {

// The dialog's choices when the send button is pressed.
struct TransferChoices {
  TransferTarget target;  // port, baud rate, central model, modem
  bool timeSet = false;   // "Update time in KVB central with time from PC"
  uint8_t modemType = 0;  // 0 to 2, stored with the modem settings
  bool verify = false;    // "Verify after sending": read the table back before the end
};

enum class SendAction { Transmit, Receive };  // the dialog's Action "T" / "R"

// The send button: brings the reference dates up to the present, stores the
// dialog's settings (TimeSet; the modem fields in the installation), makes
// the memory image anew, then transmits the clock table or receives it. A
// received table replaces the clock table only after success. When the user
// stops the transfer, the clock table is left exactly as it was before the
// button was pressed. With `verify` a transmitted table is read back in the
// same connection and must come back as sent (else 1140, naming the lines).
TransferOutcome RunSendButton(TransferParts state, CommSession& session, const TransferChoices& choices,
                              TransferUser user, SendAction action);

// "Compare with central": fetches the central unit's clock table into
// `central` as the receive does (lines beyond the installation's capacity
// free), while the program's clock table stays exactly as it is.
TransferOutcome FetchCentralClockTable(TransferParts state, CommSession& session, const TransferChoices& choices,
                                       TransferUser user, ClockLineArray& central);

// Before the whole-image receive replaces the installation: asks whether
// the current installation's names may give way to numbered names, with Yes
// and Cancel. Returns true on Yes.
bool ConfirmWholeImageReceive(const Texts& texts, Prompts& prompts);

// The whole-image receive: every section from the central unit; after
// success the installation tables are rebuilt from them (ResetInstallation,
// DecodeMemoryImage) and the flags named "Flags 0", "Flags 1", ...; after a
// failure or a stop they stay as they were.
TransferOutcome ReceiveWholeImage(TransferParts state, CommSession& session, const TransferTarget& target,
                                  TransferUser user);

}  // namespace ordalis
