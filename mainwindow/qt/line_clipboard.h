// The system clipboard's side of a copied clock line: our own format with the
// line's bytes and model, and plain text for every other program.
#pragma once

#include <optional>
#include <string>

#include "app/line_copies.h"

namespace ordalis {

void PutLineOnClipboard(const CopiedLine& copied, const std::string& text);
// The line on the clipboard; nullopt when it holds none, or a damaged one.
std::optional<CopiedLine> LineOnClipboard();

}  // namespace ordalis
