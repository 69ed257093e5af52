// The catalogue texts that the selection panel shows, taken from the
// program's function catalogue and level texts in the active language.
#pragma once

#include "base/texts.h"
#include "installation/installation.h"
#include "week/selection_panel.h"

namespace ordalis {

// Texts read from `texts` and `installation` when they are asked for; both
// must outlive them.
CatalogueTexts ProgramCatalogueTexts(const Texts& texts, const Installation& installation);

}  // namespace ordalis
