// The compiled string table: every text of every language under its number
// (text id + 10000 x language index). Generated from resources/texts.tsv.
#pragma once

namespace ordalis {

struct TextTableEntry {
  int number;
  const char* text;  // UTF-8
};

extern const TextTableEntry kTextTable[];
extern const int kTextTableSize;

}  // namespace ordalis
