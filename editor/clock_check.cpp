// The findings of the dry run, one small rule per kind.
#include "editor/clock_check.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <tuple>

#include "base/iso_text.h"
#include "clock/firing_conflicts.h"
#include "clock/levels.h"
#include "clock/line_moment.h"
#include "editor/function_catalogue.h"
#include "functions/function_text.h"

namespace ordalis {

using namespace std::chrono;

namespace {

enum CheckText : int {
  kNeverFiresText = 1200,
  kContradictionWinnerText = 1201,
  kContradictionUnknownText = 1202,
  kNoSuchFunctionText = 1203,
  kBeyondCapacityText = 1204,
  kTypeNotOfferedText = 1205,
  kManyFiringsText = 1206,
  kNearlyFullText = 1207,
};

// Replaces %1, %2, ... in a text by the given words.
std::string FillIn(std::string text, const std::vector<std::string>& words) {
  for (size_t i = words.size(); i-- > 0;) {
    const std::string mark = "%" + std::to_string(i + 1);
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + words[i].size()))
      text.replace(at, mark.size(), words[i]);
  }
  return text;
}

std::string LineNumbers(const std::vector<int>& lines) {
  std::string text;
  for (int line : lines) text += (text.empty() ? "" : ", ") + std::to_string(line + 1);
  return text;
}

// The editor's catalogue as the check asks it: the type lists it offers, and
// the functions of each list, read once per list.
class OfferedFunctions {
 public:
  OfferedFunctions(const Texts& texts, const Installation& installation) : m_texts(texts), m_installation(installation) {
    ItemList types;
    FillFunctionTypeList(texts, types);
    for (const ListEntry& type : types.Entries) m_lists.insert(type.ItemData);
  }
  bool ListOffered(int listCode) const { return m_lists.contains(listCode); }
  bool FunctionOffered(int listCode, uint16_t code) {
    const auto [functions, unread] = m_functions.try_emplace(listCode);
    if (unread) {
      ItemList list;
      FillFunctionList(m_texts, m_installation, list, listCode, kNameOnly, false, kFullDetail);
      for (const ListEntry& function : list.Entries) functions->second.insert(function.ItemData);
    }
    return functions->second.contains(code);
  }

 private:
  const Texts& m_texts;
  const Installation& m_installation;
  std::set<int32_t> m_lists;
  std::map<int, std::set<int32_t>> m_functions;
};

// "YYYY-MM-DD HH:MM", as a finding names a minute.
std::string MomentText(LocalTime moment) { return IsoDate(moment) + " " + IsoTime(moment); }

class Checker {
 public:
  Checker(const ClockLineArray& lines, const Installation& installation, const Texts& texts, LocalTime from, LocalTime to)
      : m_lines(lines), m_installation(installation), m_texts(texts), m_from(from), m_to(to),
        m_capacity(std::clamp<int>(installation.Capacities.MaxClockLines, 0, kClockTableLines)),
        m_firings(ExpandFirings(lines, m_capacity, from, to, kAllTables, installation.Settings.Workdays)) {}

  std::vector<Finding> Run() {
    FindSilentLines();
    FindContradictions();
    FindMissingFunctions();
    FindBusyLines();
    FindFullTable();
    return std::move(m_findings);
  }

 private:
  bool InUse(int i) const { return m_lines[static_cast<size_t>(i)].inUse(); }

  std::string FunctionName(uint16_t code) const {
    return FunctionText(m_texts, m_installation, code >> 8, code & 0xFF, kCodeNumberAndName, false);
  }

  void Add(FindingKind kind, std::vector<int> lines, std::optional<LocalTime> moment, int textId,
           const std::vector<std::string>& words) {
    m_findings.push_back({kind, std::move(lines), moment, FillIn(m_texts.LoadText(textId), words)});
  }

  void FindSilentLines() {
    std::vector<bool> fires(static_cast<size_t>(m_capacity), false);
    for (const Firing& f : m_firings) fires[static_cast<size_t>(f.line)] = true;
    for (int i = 0; i < m_capacity; ++i) {
      if (InUse(i) && !fires[static_cast<size_t>(i)])
        Add(FindingKind::NeverFires, {i}, LineMoment(m_lines[static_cast<size_t>(i)]), kNeverFiresText,
            {std::to_string(i + 1), IsoDate(m_from), IsoDate(m_to - seconds{1})});
    }
  }

  // A contradiction that recurs (daily lines, say) is one finding: its
  // first minute and how often it recurs in the range.
  void FindContradictions() {
    using Key = std::tuple<std::vector<int>, uint16_t, std::optional<int>>;
    std::map<Key, std::pair<const FiringConflict*, int>> firstAndTimes;
    std::vector<Key> order;
    const std::vector<FiringConflict> conflicts = FindFiringConflicts(m_firings);
    for (const FiringConflict& c : conflicts) {
      auto [it, added] = firstAndTimes.try_emplace(Key{c.lines, c.function, c.winner}, &c, 0);
      if (added) order.push_back(it->first);
      ++it->second.second;
    }
    for (const Key& key : order) {
      const auto [c, times] = firstAndTimes[key];
      std::vector<std::string> words{LineNumbers(c->lines), FunctionName(c->function), MomentText(c->moment),
                                     std::to_string(times)};
      if (c->winner) words.push_back(std::to_string(*c->winner + 1));
      Add(FindingKind::Contradiction, c->lines, c->moment,
          c->winner ? kContradictionWinnerText : kContradictionUnknownText, words);
    }
  }

  void FindMissingFunctions() {
    OfferedFunctions offered(m_texts, m_installation);
    for (int i = 0; i < m_capacity; ++i) {
      const ClockLine& line = m_lines[static_cast<size_t>(i)];
      if (!line.inUse()) continue;
      const int textId = MissingFunctionText(line, offered);
      if (textId != 0)
        Add(FindingKind::MissingFunction, {i}, LineMoment(line), textId,
            {std::to_string(i + 1), FunctionName(line.functionCode()), m_texts.FunctionTypeNames[line.FunctionHigh]});
    }
  }

  // 0 when the catalogue offers the line's function, else the text that says why not.
  int MissingFunctionText(const ClockLine& line, OfferedFunctions& offered) const {
    const int listCode = ListCodeOfType(line.FunctionHigh);
    if (!offered.ListOffered(listCode)) return kTypeNotOfferedText;
    if (offered.FunctionOffered(listCode, line.functionCode())) return 0;
    return BeyondCapacity(line) ? kBeyondCapacityText : kNoSuchFunctionText;
  }

  // Outputs, sensors, audio zones and interfaces count from 1 up to the model's capacity.
  bool BeyondCapacity(const ClockLine& line) const {
    const ModelCapacities& c = m_installation.Capacities;
    const int type = line.FunctionHigh, number = line.FunctionLow;
    if (type == 1) return number > c.MaxRelayOutputs;
    if (type == 2) return number > c.MaxDimmerOutputs;
    if (ListCodeOfType(type) == kSensorListCode) return number > c.MaxSensors;
    if (ListCodeOfType(type) == kAudioListCode) return number > c.MaxAudioZones;
    if (type == kBuzzerType || type == kButtonType) return number > c.MaxInterfaces;
    return false;
  }

  void FindBusyLines() {
    // The firings come in time order, so each line's count restarts with each day.
    std::vector<int> busiest(static_cast<size_t>(m_capacity), 0), today(static_cast<size_t>(m_capacity), 0);
    std::vector<local_days> day(static_cast<size_t>(m_capacity));
    for (const Firing& f : m_firings) {
      const auto i = static_cast<size_t>(f.line);
      if (day[i] != floor<days>(f.moment)) today[i] = 0;
      day[i] = floor<days>(f.moment);
      busiest[i] = std::max(busiest[i], ++today[i]);
    }
    for (int i = 0; i < m_capacity; ++i) {
      if (busiest[static_cast<size_t>(i)] > kManyFiringsPerDay)
        Add(FindingKind::ManyFirings, {i}, LineMoment(m_lines[static_cast<size_t>(i)]), kManyFiringsText,
            {std::to_string(i + 1), std::to_string(busiest[static_cast<size_t>(i)])});
    }
  }

  void FindFullTable() {
    int used = 0;
    for (int i = 0; i < m_capacity; ++i) used += InUse(i);
    if (m_capacity > 0 && used * 10 >= m_capacity * 9)
      Add(FindingKind::NearlyFull, {}, std::nullopt, kNearlyFullText, {std::to_string(used), std::to_string(m_capacity)});
  }

  const ClockLineArray& m_lines;
  const Installation& m_installation;
  const Texts& m_texts;
  LocalTime m_from, m_to;
  int m_capacity;
  std::vector<Firing> m_firings;
  std::vector<Finding> m_findings;
};

}  // namespace

std::string SeverityText(const Finding& finding, const Texts& texts) {
  constexpr int kInformationText = 1211;
  constexpr int kWarningText = 1212;
  return texts.LoadText(finding.informational() ? kInformationText : kWarningText);
}

const char* FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::NeverFires: return "never_fires";
    case FindingKind::Contradiction: return "contradiction";
    case FindingKind::MissingFunction: return "missing_function";
    case FindingKind::ManyFirings: return "many_firings";
    case FindingKind::NearlyFull: return "nearly_full";
  }
  return "unknown";
}

std::vector<Finding> CheckClockTable(const ClockLineArray& lines, const Installation& installation,
                                     const Texts& texts, LocalTime from, LocalTime to) {
  return Checker(lines, installation, texts, from, to).Run();
}

}  // namespace ordalis
