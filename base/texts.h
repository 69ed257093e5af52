// Texts in seven languages: the active language, the lookup of a text by its
// number, and the text tables that other parts index by a type number.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ordalis {

constexpr int kLanguageCount = 7;
// Offsets in the order of the language dialog's buttons.
constexpr std::array<int32_t, kLanguageCount> kLanguageOffsets = {0,     10000, 20000, 30000,
                                                                  40000, 50000, 60000};
// Button captions of the language dialog, in the same order.
extern const char* const kLanguageNames[kLanguageCount];

bool isValidLanguageOffset(int32_t offset);

// The raw string table: the text with this exact number (id + offset), or
// nullopt when the table lacks it.
std::optional<std::string> findText(int number);

class Texts {
 public:
  int32_t LanguageOffset = 0;

  // Called with "Out Of Memory! " and the error number when a text is missing
  // in the active language; the edge shows it in a message box. May be empty.
  std::function<void(const std::string&)> reportMissing;

  // The text with number id + LanguageOffset; empty (after reporting) when
  // the active language lacks it.
  std::string LoadText(int id) const;

  // Fills the tables below in the active language. They keep that language
  // until filled again.
  void FillTextTables();

  std::array<std::string, 5> CentralModelNames;
  std::array<std::string, 6> RegimeNames;
  std::array<std::string, 256> ModuleTypeNames;
  std::array<std::string, 256> ModuleTypeCodes;
  std::array<std::string, 256> FunctionTypeNames;
  std::array<std::string, 256> FunctionTypeCodes;
  std::array<std::string, 3> TruthNames;
  std::array<std::string, 6> SensorTypeNames;
  std::array<std::string, 25> ModuleGroupNames;
  std::array<std::string, 2> NoActionNames;
  std::array<std::string, 256> UnitKindNames;
};

// The error number a failed lookup reports ("resource not found").
constexpr int kTextNotFoundError = 326;

}  // namespace ordalis
