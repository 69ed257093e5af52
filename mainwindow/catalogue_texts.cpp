// The selection panel's texts from the function catalogue and level texts.
#include "mainwindow/catalogue_texts.h"

#include "editor/value_text.h"

namespace ordalis {

CatalogueTexts ProgramCatalogueTexts(const ProgramState& state) {
  CatalogueTexts texts;
  texts.levelText = [&state](uint8_t level, uint8_t type) {
    return ValueText(state.texts, kLevelFormat, static_cast<float>(level), type);
  };
  return texts;
}

}  // namespace ordalis
