// The program-wide text tables that other parts index by a type number,
// filled once in the active language.
#include <array>

#include "base/texts.h"

namespace ordalis {

namespace {

// A type number with its three-letter code and the number of its name text.
struct TypeText {
  int type;
  const char* code;  // "" for a type without a code
  int text;
};

constexpr TypeText kModuleTypes[] = {
    {1, "REM", 251},   {2, "XT2", 252},   {4, "XT4", 254},   {5, "LCD", 255},
    {6, "ITA", 256},   {8, "XT8", 258},   {9, "DIG", 259},   {10, "DIG", 260},
    {11, "ANA", 261},  {12, "ANA", 262},  {13, "TEL", 263},  {14, "PX6", 264},
    {15, "RC5", 265},  {16, "INT", 266},  {17, "SIN", 267},  {18, "SIN", 268},
    {19, "SIN", 269},  {20, "SIN", 270},  {21, "SIN", 271},  {22, "BEO", 272},
    {23, "B&O", 273},  {24, "GAL", 274},  {25, "CHR", 275},  {26, "VFD", 276},
    {27, "BOS", 277},  {28, "BOS", 278},  {101, "SOU", 67},  {102, "SOU", 68},
    {103, "SOU", 69},  {111, "RNO", 70},  {112, "RCO", 71},  {113, "SSR", 72},
    {114, "SSD", 945}, {131, "DIM", 74},  {140, "DTR", 84},  {151, "ROB", 73},
};

constexpr TypeText kFunctionTypes[] = {
    {0, "NO", 100},    {1, "REL", 101},   {2, "DIM", 102},   {3, "PRS", 75},
    {4, "IFE", 76},    {5, "TMD", 105},   {6, "MTR", 759},   {7, "FAN", 107},
    {8, "LMD", 108},   {9, "TLM", 109},   {10, "GMD", 110},  {11, "TRA", 111},
    {12, "MOD", 112},  {14, "REG", 114},  {15, "FLG", 77},   {16, "DUD", 167},
    {18, "DUP", 169},  {19, "DDO", 170},  {20, "SEN", 120},  {21, "TMP", 121},
    {22, "TMP", 122},  {23, "TMP", 123},  {24, "TMP", 124},  {25, "TMP", 125},
    {26, "TMP", 126},  {28, "", 78},      {30, "LCD", 130},  {31, "AZN", 131},
    {32, "AUD", 132},  {33, "AUD", 133},  {34, "AUD", 134},  {35, "AUD", 176},
    {36, "AUD", 136},  {37, "AUD", 137},  {38, "AUD", 138},  {39, "AUD", 139},
    {40, "AUD", 140},  {41, "AUD", 141},  {42, "AUD", 142},  {43, "AUD", 177},
    {44, "AUD", 144},  {45, "AUD", 171},  {46, "AUD", 172},  {47, "AUD", 173},
    {48, "AUD", 174},  {49, "AUD", 175},  {51, "BZR", 151},  {52, "KEY", 152},
    {53, "SER", 153},  {54, "MSG", 154},  {55, "U/D", 1012}, {60, "CON", 160},
    {61, "SEC", 971},  {65, "TMP", 165},  {66, "AUD", 166},  {67, "", 14},
};

// An index of a table with the number of its text.
struct IndexedText {
  int index;
  int text;
};

constexpr IndexedText kModuleGroups[] = {{1, 206},  {2, 61},  {3, 62}, {21, 206},
                                         {22, 64}, {23, 65}, {24, 66}};
// Indexed by the character code of a one-letter unit kind.
constexpr IndexedText kUnitKinds[] = {{0, 956}, {'S', 785}, {'L', 786}, {'O', 787}};

constexpr std::array<int, 6> kRegimeTextIds = {281, 282, 283, 284, 285, 286};
constexpr std::array<int, 3> kTruthTextIds = {290, 291, 292};
constexpr std::array<int, 6> kSensorTypeTextIds = {311, 312, 313, 314, 315, 316};
constexpr std::array<int, 2> kNoActionTextIds = {917, 918};

template <size_t N, size_t M>
void fillInOrder(const Texts& texts, std::array<std::string, N>& table,
                 const std::array<int, M>& ids) {
  static_assert(M <= N);
  for (size_t i = 0; i < M; ++i) table[i] = texts.LoadText(ids[i]);
}

template <size_t N, typename Entries>
void fillIndexed(const Texts& texts, std::array<std::string, N>& table, const Entries& entries) {
  for (const IndexedText& entry : entries) table[static_cast<size_t>(entry.index)] = texts.LoadText(entry.text);
}

template <size_t N, typename Entries>
void fillNames(const Texts& texts, std::array<std::string, N>& table, const Entries& entries) {
  for (const TypeText& entry : entries) table[static_cast<size_t>(entry.type)] = texts.LoadText(entry.text);
}

template <size_t N, typename Entries>
void fillCodes(std::array<std::string, N>& table, const Entries& entries) {
  for (const TypeText& entry : entries) table[static_cast<size_t>(entry.type)] = entry.code;
}

}  // namespace

void Texts::FillTextTables() {
  CentralModelNames = {"VORDANE", "KESTRON", "KESTRON Educational", "PELVAN", "DRAMEL"};
  fillInOrder(*this, RegimeNames, kRegimeTextIds);
  fillNames(*this, ModuleTypeNames, kModuleTypes);
  fillNames(*this, FunctionTypeNames, kFunctionTypes);
  fillInOrder(*this, TruthNames, kTruthTextIds);
  fillInOrder(*this, SensorTypeNames, kSensorTypeTextIds);
  fillCodes(ModuleTypeCodes, kModuleTypes);
  fillCodes(FunctionTypeCodes, kFunctionTypes);
  fillIndexed(*this, ModuleGroupNames, kModuleGroups);
  fillInOrder(*this, NoActionNames, kNoActionTextIds);
  fillIndexed(*this, UnitKindNames, kUnitKinds);
}

}  // namespace ordalis
