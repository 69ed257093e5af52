// TransferResult: 0 for success, otherwise the number of the text that names
// the failure. The edge shows the text; the core only passes the code up.
#pragma once

#include <cstdint>
#include <string>

namespace ordalis {

class Texts;

using TransferResult = uint16_t;

namespace transfer {
inline constexpr TransferResult kOk = 0;
inline constexpr TransferResult kCommunicationProblem = 650;  // a driver's start value; heading of failures
inline constexpr TransferResult kTooLong = 651;          // block timer ran out before the output drained
inline constexpr TransferResult kNoAnswer = 652;         // identification or challenge byte missing
inline constexpr TransferResult kNoOrOldCentral = 653;   // greeting was not "KVB"
inline constexpr TransferResult kNoInit = 654;           // no answer to the challenge reply
inline constexpr TransferResult kWrongInit = 655;        // challenge reply refused
inline constexpr TransferResult kNoTable = 656;          // no echo of a section request
inline constexpr TransferResult kWrongTable = 657;       // echo differs from the request
inline constexpr TransferResult kNoAck = 658;            // packet not acknowledged / received badly
inline constexpr TransferResult kWrongAck = 659;         // acknowledgement was not C0
inline constexpr TransferResult kNoMessage = 660;        // closing empty packet not acknowledged
inline constexpr TransferResult kWrongMessage = 661;     // its acknowledgement was not C0
inline constexpr TransferResult kNoEnding = 662;         // no answer to the end marker
inline constexpr TransferResult kWrongEnding = 663;      // the answer was not 60
inline constexpr TransferResult kTimedOut = 664;         // internal: a wait for input ran out
inline constexpr TransferResult kStoppedByUser = 665;    // StopComm was set
inline constexpr TransferResult kWrongCentral = 666;     // another central model
inline constexpr TransferResult kSoftwareIncompatible = 667;  // another protocol version
inline constexpr TransferResult kModemConnected = 668;   // the modem connection did not come or go
inline constexpr TransferResult kTableDiffers = 1140;    // the section read back is not the one sent
}  // namespace transfer

// The failure message of a transfer: text 650, ":", a line feed, and the
// text of the code (text 650 alone for code 650).
std::string TransferFailureText(const Texts& texts, TransferResult code);

}  // namespace ordalis
