// The parts of the program's state that a transfer works on: the clock table,
// the installation (its modem settings and, after a whole-image receive, all
// of it), the memory image, the port settings and the texts. The referenced
// objects must outlive the parts.
#pragma once

#include "base/settings.h"
#include "base/texts.h"
#include "clock/clock_state.h"
#include "image/memory_image.h"
#include "installation/installation.h"

namespace ordalis {

struct TransferParts {
  ClockState& clock;
  Installation& installation;
  MemoryImage& image;
  Settings& settings;
  const Texts& texts;
};

// An owned copy of the parts, for a transfer that runs on another thread.
struct TransferCopy {
  explicit TransferCopy(const TransferParts& parts)
      : clock(parts.clock), installation(parts.installation), image(parts.image), settings(parts.settings),
        texts(parts.texts) {}
  operator TransferParts() { return {clock, installation, image, settings, texts}; }

  ClockState clock;
  Installation installation;
  MemoryImage image;
  Settings settings;
  Texts texts;
};

}  // namespace ordalis
