// Previews of function definitions, by list code.
#include "editor/function_preview.h"

#include <algorithm>
#include <array>
#include <vector>

#include "functions/ansi_text.h"
#include "functions/function_text.h"
#include "functions/table_index.h"
#include "functions/value_text.h"
#include "installation/output_numbering.h"

namespace ordalis {

namespace {

enum PreviewTextId : int {
  kNumberOfBeepsText = 83,
  kThenText = 87,
  kElseText = 88,
  kIfConditionText = 89,
  kMonitoredFunctionText = 91,
  kExecutedFunctionText = 92,
  kEffectAfterActivationText = 93,
  kAlarmOnAllLcdsText = 802,
  kMessageOnInterfaceText = 803,
};
// The three effects of a process function, by its effect byte.
constexpr std::array<int, 3> kProcessEffectTextIds = {79, 80, 81};
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kIndent = "  ";

using Lines = std::vector<std::string>;

std::string join(const Lines& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += lines[i];
  }
  return text;
}

class Preview {
 public:
  Preview(const Texts& texts, const Installation& installation)
      : texts_(texts), in_(installation) {}

  std::string function(int type, int number) const {
    return FunctionText(texts_, in_, type, number, kCodeNumberAndName, false);
  }
  std::string level(int raw, int type) const {
    return ValueText(texts_, kLevelFormat, static_cast<float>(raw), static_cast<uint8_t>(type));
  }
  std::string seconds(int value) const {
    return ValueText(texts_, kSecondsFormat, static_cast<float>(value), 0);
  }
  std::string step(int type, int number, int raw) const {
    return function(type, number) + " " + level(raw, type);
  }
  std::string heading(int id) const { return texts_.LoadText(id) + ": "; }

  // "REL  05 Kitchen 60 VA LightPoint"; a dimmer adds its parameter byte as
  // half seconds before the load.
  std::string output(int type, int n) const {
    const int group = type == 1 ? kRelayModuleGroup : kDimmerModuleGroup;
    const ModuleOutput* output = locateOutput(in_, group, n);
    std::string line = function(type, n);
    if (!output) return line;
    if (type == 2) line += " " + halfSeconds(output->Parameter) + " s";
    return line + " " + std::to_string(output->Value) + " VA " + texts_.UnitKindNames[output->Kind];
  }

  Lines timedFunction(const TimedFunction& f) const {
    const auto& p = f.Parameters;
    return {function(p[0], p[1]) + " " + level(p[2], p[0]) + " " + seconds(f.Value)};
  }

  Lines localMood(const LocalMood& mood) const {
    Lines lines;
    for (const ThreeBytes& s : mood.Entries)
      if (s[0] != 0) lines.push_back(step(s[0], s[1], s[2]));
    return lines;
  }

  Lines timedLocalMood(const TimedLocalMood& mood) const {
    Lines lines;
    for (const TimedMoodEntry& e : mood.Entries)
      if (e.Bytes[0] != 0) lines.push_back(step(e.Bytes[0], e.Bytes[1], e.Bytes[2]) + " " + seconds(e.Value));
    return lines;
  }

  // Coupled relays, an empty line, coupled dimmers, then the further steps.
  Lines generalMood(const GeneralMood& mood) const {
    Lines lines;
    const int relays = std::min<int>(in_.Capacities.MaxRelayOutputs, kGeneralMoodRelays - 1);
    for (int r = 1; r <= relays; ++r)
      if (mood.Relays[r] != kGeneralMoodResetLevel) lines.push_back(step(1, r, mood.Relays[r]));
    lines.emplace_back();
    const int dimmers = std::min<int>(in_.Capacities.MaxDimmerOutputs, kGeneralMoodDimmers - 1);
    for (int d = 1; d <= dimmers; ++d)
      if (mood.Dimmers[d] != kGeneralMoodResetLevel) lines.push_back(step(2, d, mood.Dimmers[d]));
    for (const ThreeBytes& s : mood.Entries)
      if (s[0] != 0) lines.push_back(step(s[0], s[1], s[2]));
    return lines;
  }

  Lines message(const AlarmMessage& m) const {
    const int interface = m.Parameters[0];
    std::string first = interface != 0 ? texts_.LoadText(kMessageOnInterfaceText) + " " +
                                             std::to_string(interface) + " "
                                       : texts_.LoadText(kAlarmOnAllLcdsText);
    return {first, AnsiToUtf8(m.Line1.view()), AnsiToUtf8(m.Line2.view()),
            heading(kNumberOfBeepsText) + std::to_string(m.Parameters[1])};
  }

  Lines ifThenElse(const IfThenElseFunction& f) const {
    const auto& p = f.Parameters;
    return {heading(kIfConditionText), kIndent + function(p[0], p[1]),
            heading(kThenText),        kIndent + function(p[2], p[3]),
            heading(kElseText),        kIndent + function(p[5], p[6])};
  }

  // An effect byte outside the three known effects shows no effect text.
  Lines process(const ProcessFunction& f) const {
    const auto& p = f.Parameters;
    const std::string effect = inTable(kProcessEffectTextIds, p[3])
                                   ? texts_.LoadText(kProcessEffectTextIds[p[3]])
                                   : std::string();
    return {heading(kEffectAfterActivationText), kIndent + effect,
            heading(kMonitoredFunctionText),     kIndent + function(p[0], p[1]),
            heading(kExecutedFunctionText),      kIndent + function(p[4], p[5])};
  }

 private:
  // A time in half seconds with one decimal, "12.5" (a decimal comma in the
  // languages that write one).
  std::string halfSeconds(int halves) const {
    const char separator = texts_.LanguageOffset == 0 ? '.' : ',';
    return std::to_string(halves / 2) + separator + (halves % 2 ? '5' : '0');
  }

  const Texts& texts_;
  const Installation& in_;
};

}  // namespace

std::string FunctionPreviewText(const Texts& texts, const Installation& installation,
                                int listCode, int number) {
  const Preview preview(texts, installation);
  switch (listCode) {
    case 1: case 2:
      return preview.output(listCode, number);
    case 5:
      if (!inTable(installation.TimedFunctions, number)) return {};
      return join(preview.timedFunction(installation.TimedFunctions[number]));
    case 8:
      if (!inTable(installation.LocalMoods, number)) return {};
      return join(preview.localMood(installation.LocalMoods[number]));
    case 9:
      if (!inTable(installation.TimedLocalMoods, number)) return {};
      return join(preview.timedLocalMood(installation.TimedLocalMoods[number]));
    case 10:
      if (!inTable(installation.GeneralMoods, number)) return {};
      return join(preview.generalMood(installation.GeneralMoods[number]));
    case 54:
      if (!inTable(installation.Messages, number)) return {};
      return join(preview.message(installation.Messages[number]));
    case 4:
      if (!inTable(installation.IfThenElseFunctions, number)) return {};
      return join(preview.ifThenElse(installation.IfThenElseFunctions[number]));
    case 3:
      if (!inTable(installation.ProcessFunctions, number)) return {};
      return join(preview.process(installation.ProcessFunctions[number]));
    default:
      return {};
  }
}

}  // namespace ordalis
