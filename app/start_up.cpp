// Insisting on an installation file at start-up.
#include "app/start_up.h"

namespace ordalis {

bool InsistOnInstallation(const ClockState& clock, Prompts& prompts,
                          const std::function<void()>& openInstallationFile) {
  bool asked = false;
  while (clock.InstallationPath.empty()) {
    Message request;
    request.text = kReadInstallationFirstMessage;
    request.buttons = MessageButtons::OkCancel;
    if (prompts.ask(request) == Answer::Cancel) return false;
    asked = true;
    openInstallationFile();
  }
  if (asked) prompts.tell(kInstallationReadMessage);
  return true;
}

}  // namespace ordalis
