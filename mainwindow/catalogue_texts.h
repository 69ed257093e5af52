// The catalogue texts that the selection panel shows, taken from the
// program's function catalogue and level texts in the active language.
#pragma once

#include "app/program_state.h"
#include "mainwindow/selection_panel.h"

namespace ordalis {

// Texts read from `state` when they are asked for; `state` must outlive them.
CatalogueTexts ProgramCatalogueTexts(const ProgramState& state);

}  // namespace ordalis
