// Descriptions of function codes and interfaces.
#include "functions/function_text.h"

#include "functions/ansi_text.h"
#include "functions/table_index.h"
#include "functions/value_text.h"
#include "installation/output_numbering.h"

namespace ordalis {

namespace {

// The name part of a description. For type 0 and the types without names it
// replaces everything built before it.
struct NamePart {
  std::string text;
  bool replaces = false;
};

template <class Table>
std::string entryName(const Table& table, int n) {
  return inTable(table, n) ? AnsiToUtf8(table[n].Name.view()) : std::string();
}

template <class Table>
std::string textOf(const Table& table, int n) {
  return inTable(table, n) ? table[n] : std::string();
}

std::string withoutLeadingSpaces(const std::string& text) {
  const auto start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

// "Living: Power On/Off": entry n - 1 of a zone or sensor table and the name
// of the function type; function number 0 has no name.
template <class Table>
std::string groupFunctionName(const Texts& texts, const Table& table, int type, int n) {
  if (!inTable(table, n - 1)) return {};
  return TrimTrailingSpaces(entryName(table, n - 1)) + ": " +
         textOf(texts.FunctionTypeNames, type);
}

std::string typeCode(const Texts& texts, int type) { return textOf(texts.FunctionTypeCodes, type); }

NamePart functionName(const Texts& texts, const Installation& in, int type, int n) {
  switch (type) {
    case 0: return {texts.LoadText(kNoneText), true};
    case 1: return {AnsiToUtf8(RelayName(in, n).view())};
    case 2: case 16: return {AnsiToUtf8(DimmerName(in, n).view())};
    case 3: return {entryName(in.ProcessFunctions, n)};
    case 4: return {entryName(in.IfThenElseFunctions, n)};
    case 5: case 12: return {entryName(in.TimedFunctions, n)};
    case 6: case 55: return {entryName(in.MotorFunctions, n)};
    case 7: return {entryName(in.FanFunctions, n)};
    case 8: return {entryName(in.LocalMoods, n)};
    case 9: return {entryName(in.TimedLocalMoods, n)};
    case 10: return {entryName(in.GeneralMoods, n)};
    case 11: return {entryName(in.TransparentFunctions, n)};
    case 14: return {textOf(texts.RegimeNames, n)};
    case 15: return {entryName(in.Flags, n)};
    case 20: return {TrimTrailingSpaces(entryName(in.Sensors, n))};
    case 21: case 22: case 23: case 24: case 25: case 26: case 27:
      return {groupFunctionName(texts, in.Sensors, type, n)};
    case 28: return {entryName(in.Sensors, n)};
    case 31: return {TrimTrailingSpaces(entryName(in.AudioZones, n))};
    case 51: case 52: case 100: return {entryName(in.Interfaces, n)};
    case 53: return {textOf(texts.NoActionNames, n)};
    case 54: return {entryName(in.Messages, n)};
    case 60: return {withoutLeadingSpaces(TrimTrailingSpaces(entryName(in.Conditions, n)))};
    case 200: return {entryName(in.Units, n)};
    default:
      if (type >= 32 && type <= 49) return {groupFunctionName(texts, in.AudioZones, type, n)};
      return {"Function: " + std::to_string(type) + " " + std::to_string(n), true};
  }
}

}  // namespace

std::string FormatNumber00(int number, int width) {
  std::string digits = std::to_string(number < 0 ? -number : number);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  if (number < 0) digits.insert(0, 1, '-');
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

std::string FunctionText(const Texts& texts, const Installation& installation, int type,
                         int number, int style, bool tabbed) {
  std::string text;
  if (style == kCodeAndName || style == kCodeNumberAndName) {
    text += typeCode(texts, type);
    text += (style == kCodeAndName && tabbed) ? '\t' : ' ';
  }
  if (style == kNumberAndName || style == kCodeNumberAndName) {
    text += FormatNumber00(type == 20 ? number + 1 : number, 3);
    text += tabbed ? '\t' : ' ';
  }
  NamePart name = functionName(texts, installation, type, number);
  text = name.replaces ? name.text : text + name.text;
  return TrimTrailingSpaces(text);
}

bool FunctionExists(const Texts& texts, const Installation& installation, int type, int number) {
  if (number == -1) return false;
  return !FunctionText(texts, installation, type, number, kNameOnly, false).empty();
}

std::string TouchPanelText(const Texts& texts, const Installation& installation, int n,
                           int style, bool tabbed) {
  const bool known = inTable(installation.Interfaces, n);
  std::string text;
  if (style == kNumberAndName || style == kCodeNumberAndName) {
    text += "I " + FormatNumber00(n, 2);
    if (style == kCodeNumberAndName) text += ' ';
  }
  if ((style == kCodeAndName || style == kCodeNumberAndName) && known)
    text += textOf(texts.ModuleTypeCodes, installation.Interfaces[n].ModuleType);
  text += tabbed ? '\t' : ' ';
  if (known) text += AnsiToUtf8(installation.Interfaces[n].Name.view());
  return text;
}

}  // namespace ordalis
