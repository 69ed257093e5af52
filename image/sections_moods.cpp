// Sections 7, 8 and 9: local moods, timed local moods and general moods.
#include <algorithm>

#include "image/image_sections.h"
#include "image/section_bytes.h"
#include "image/section_codecs.h"

namespace ordalis {

namespace {

// Section 7 record: the mood byte, then the ten three-byte steps.
constexpr int kLocalMoodByte = 0;
constexpr int kLocalMoodSteps = 1;
// Section 8 record: the mood byte, then per step three bytes and a value.
constexpr int kTimedMoodByte = 0;
constexpr int kTimedMoodSteps = 1;
constexpr int kTimedMoodStepBytes = 5;

// Section 9 record: one level per relay output (1..R), one per dimmer
// output (1..D), then the first five steps.
struct GeneralMoodLayout {
  int relays;
  int dimmers;
  int relay(int k) const { return k - 1; }
  int dimmer(int k) const { return relays + k - 1; }
  int step(int m) const { return relays + dimmers + 3 * m; }
  int length() const { return relays + dimmers + kGeneralMoodTail; }
};

GeneralMoodLayout generalMoodLayout(const ModelCapacities& c) {
  return {std::clamp<int>(c.MaxRelayOutputs, 0, kGeneralMoodRelays - 1),
          std::clamp<int>(c.MaxDimmerOutputs, 0, kGeneralMoodDimmers - 1)};
}

// A general mood without a name (a blank name is also what an unconnected
// output shows) is sent as "leave every output as it is": the uncoupled
// level 3 for every output and no steps, which is what a reset mood holds.
// Its record is not looked at. The decoder counts a mood as in use when its
// bytes differ from this pattern, so an unnamed mood stays unnamed.
GeneralMood defaultGeneralMood() { return GeneralMood{}; }

bool carriesDefaultPattern(const GeneralMood& mood, const GeneralMoodLayout& at) {
  const GeneralMood pattern = defaultGeneralMood();
  for (int k = 1; k <= at.relays; ++k) {
    if (mood.Relays[k] != pattern.Relays[k]) return false;
  }
  for (int k = 1; k <= at.dimmers; ++k) {
    if (mood.Dimmers[k] != pattern.Dimmers[k]) return false;
  }
  for (int m = 0; m < kGeneralMoodSteps; ++m) {
    if (mood.Entries[m] != pattern.Entries[m]) return false;
  }
  return true;
}

}  // namespace

void BuildLocalMoodSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kLocalMoodSection, installation.Capacities));
  for (size_t i = 0; i < installation.LocalMoods.size(); ++i) {
    const LocalMood& mood = installation.LocalMoods[i];
    const int at = static_cast<int>(i) * kLocalMoodRecord;
    out.byte(at + kLocalMoodByte, mood.MoodByte);
    for (int j = 0; j < kLocalMoodEntries; ++j) out.bytes(at + kLocalMoodSteps + 3 * j, mood.Entries[j]);
  }
}

// A local mood is in use when its first step has a function type (record
// byte 0).
void DecodeLocalMoodSection(const ImageArea& receive, Installation& installation,
                            const DefaultNames& names) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.LocalMoods.size(); ++i) {
    LocalMood& mood = installation.LocalMoods[i];
    const int at = static_cast<int>(i) * kLocalMoodRecord;
    mood.MoodByte = in.byte(at + kLocalMoodByte);
    for (int j = 0; j < kLocalMoodEntries; ++j) in.bytes(at + kLocalMoodSteps + 3 * j, mood.Entries[j]);
    if (mood.Entries[0][0] != 0) mood.Name = names(kLocalMoodNameText, static_cast<int>(i));
  }
}

void BuildTimedLocalMoodSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kTimedLocalMoodSection, installation.Capacities));
  for (size_t i = 0; i < installation.TimedLocalMoods.size(); ++i) {
    const TimedLocalMood& mood = installation.TimedLocalMoods[i];
    const int at = static_cast<int>(i) * kTimedLocalMoodRecord;
    out.byte(at + kTimedMoodByte, mood.MoodByte);
    for (int j = 0; j < kLocalMoodEntries; ++j) {
      const int step = at + kTimedMoodSteps + kTimedMoodStepBytes * j;
      out.bytes(step, mood.Entries[j].Bytes);
      out.word(step + 3, mood.Entries[j].Value);
    }
  }
}

// Timed local moods carry no name in the image and get none.
void DecodeTimedLocalMoodSection(const ImageArea& receive, Installation& installation,
                                 const DefaultNames&) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.TimedLocalMoods.size(); ++i) {
    TimedLocalMood& mood = installation.TimedLocalMoods[i];
    const int at = static_cast<int>(i) * kTimedLocalMoodRecord;
    mood.MoodByte = in.byte(at + kTimedMoodByte);
    for (int j = 0; j < kLocalMoodEntries; ++j) {
      const int step = at + kTimedMoodSteps + kTimedMoodStepBytes * j;
      in.bytes(step, mood.Entries[j].Bytes);
      mood.Entries[j].Value = in.signedWord(step + 3);
    }
  }
}

void BuildGeneralMoodSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kGeneralMoodSection, installation.Capacities));
  const GeneralMoodLayout at = generalMoodLayout(installation.Capacities);
  const GeneralMood pattern = defaultGeneralMood();
  for (size_t i = 0; i < installation.GeneralMoods.size(); ++i) {
    const GeneralMood& named = installation.GeneralMoods[i];
    const GeneralMood& mood = named.Name.isBlank() ? pattern : named;
    const int base = static_cast<int>(i) * at.length();
    for (int k = 1; k <= at.relays; ++k) out.byte(base + at.relay(k), mood.Relays[k]);
    for (int k = 1; k <= at.dimmers; ++k) out.byte(base + at.dimmer(k), mood.Dimmers[k]);
    for (int m = 0; m < kGeneralMoodSteps; ++m) out.bytes(base + at.step(m), mood.Entries[m]);
  }
}

void DecodeGeneralMoodSection(const ImageArea& receive, Installation& installation,
                              const DefaultNames& names) {
  const SectionReader in(receive);
  const GeneralMoodLayout at = generalMoodLayout(installation.Capacities);
  for (size_t i = 0; i < installation.GeneralMoods.size(); ++i) {
    GeneralMood& mood = installation.GeneralMoods[i];
    const int base = static_cast<int>(i) * at.length();
    for (int k = 1; k <= at.relays; ++k) mood.Relays[k] = in.byte(base + at.relay(k));
    for (int k = 1; k <= at.dimmers; ++k) mood.Dimmers[k] = in.byte(base + at.dimmer(k));
    for (int m = 0; m < kGeneralMoodSteps; ++m) in.bytes(base + at.step(m), mood.Entries[m]);
    if (!carriesDefaultPattern(mood, at)) mood.Name = names(kGeneralMoodNameText, static_cast<int>(i));
  }
}

}  // namespace ordalis
