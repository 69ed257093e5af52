// The whole memory image built from the installation tables and decoded
// back into them.
#pragma once

#include "base/texts.h"
#include "image/memory_image.h"
#include "installation/installation.h"

namespace ordalis {

// Makes the image anew and builds every section from the tables, in the
// order 0..10, 12, 13, 14, 15, 16, 17, 19, 20 (11 and 18 are skipped: their
// build count stays 0); then finishes every block 0..20 and sets ImageTotal
// to the sum of the send counts. Building never changes the tables.
void BuildMemoryImage(MemoryImage& image, const Installation& installation);

// Writes the tables from the receive areas, in the order 20, 0..10, 12, 15,
// 16, 17, 19 (output modules first: section 1 finds dimmer outputs through
// them). Sections 11, 13, 14 and 18 are not read. Entries found in use get
// a default name in the active language ("Transparent 3"). The caller runs
// ResetInstallation first; the model and capacities select what is read.
void DecodeMemoryImage(const MemoryImage& image, Installation& installation, const Texts& texts);

}  // namespace ordalis
