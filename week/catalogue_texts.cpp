// The selection panel's texts from the function catalogue and level texts.
#include "week/catalogue_texts.h"

#include "functions/function_text.h"
#include "functions/value_text.h"

namespace ordalis {

CatalogueTexts ProgramCatalogueTexts(const Texts& texts, const Installation& installation) {
  CatalogueTexts catalogue;
  catalogue.functionName = [&texts, &installation](uint8_t type, uint8_t number) {
    return FunctionText(texts, installation, type, number, kNameOnly, false);
  };
  catalogue.levelText = [&texts](uint8_t level, uint8_t type) {
    return ValueText(texts, kLevelFormat, static_cast<float>(level), type);
  };
  return catalogue;
}

}  // namespace ordalis
