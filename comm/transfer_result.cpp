// The user's message for a failed transfer.
#include "comm/transfer_result.h"

#include "base/texts.h"

namespace ordalis {

std::string TransferFailureText(const Texts& texts, TransferResult code) {
  // A port that would not open has no more particular text than the heading.
  if (code == transfer::kCommunicationProblem) return texts.LoadText(code);
  return texts.LoadText(transfer::kCommunicationProblem) + ":\n" + texts.LoadText(code);
}

}  // namespace ordalis
