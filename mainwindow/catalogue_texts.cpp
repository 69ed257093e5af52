// The selection panel's texts from the function catalogue and level texts.
#include "mainwindow/catalogue_texts.h"

#include "editor/function_text.h"
#include "editor/value_text.h"

namespace ordalis {

CatalogueTexts ProgramCatalogueTexts(const ProgramState& state) {
  CatalogueTexts texts;
  texts.functionName = [&state](uint8_t type, uint8_t number) {
    return FunctionText(state.texts, state.installation, type, number, kNameOnly, false);
  };
  texts.levelText = [&state](uint8_t level, uint8_t type) {
    return ValueText(state.texts, kLevelFormat, static_cast<float>(level), type);
  };
  return texts;
}

}  // namespace ordalis
