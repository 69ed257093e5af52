// The dialog's transfer flows:
//
//   send button:  BringReferenceDatesUpToDate; storeChoices; CreateMemoryImage
//     "T": BuildClockSection(18); ImageTotal := send count of 18; SendImage(18),
//          or with verify SendAndVerifySection(18) against the lines sent
//     "R": BuildMemoryImage; ClearReceiveAreas; ReceiveImage(18);
//          on success DecodeClockSection(18)
//   receive all:  BuildMemoryImage; ClearReceiveAreas; ReceiveImage();
//          on success ResetInstallation; DecodeMemoryImage; name the flags
#include "comm/transfer_flows.h"

#include <algorithm>

#include "comm/reference_dates.h"
#include "image/image_codec.h"

namespace ordalis {

namespace {

// The label text of flag f: text 77 ("Flags"), a space and the number.
constexpr int kFlagsText = 77;
constexpr int kLinesDifferText = 1142;  // "Lines that differ:"
constexpr std::size_t kLinesNamed = 5;   // the first lines that differ, no more

// The read-back check of section 18: the lines and their links, not the time
// setting (the central's clock has moved on).
ReadBackCheck clockLinesCheck(const Texts& texts, int maxClockLines) {
  return [&texts, maxClockLines](std::span<const uint8_t> sent, std::span<const uint8_t> back) {
    std::vector<int> lines = ClockSectionLinesDiffering(sent, back, maxClockLines);
    if (lines.empty()) return std::string();
    std::string text = texts.LoadText(kLinesDifferText);
    for (std::size_t i = 0; i < std::min(lines.size(), kLinesNamed); ++i)
      text += (i == 0 ? " " : ", ") + std::to_string(lines[i] + 1);
    if (lines.size() > kLinesNamed) text += ", ...";
    return text;
  };
}

void storeChoices(TransferParts state, const TransferChoices& choices) {
  state.settings.TimeSet = choices.timeSet ? 1 : 0;
  state.settings.Verify = choices.verify ? 1 : 0;
  const ModemOptions& modem = choices.target.connect.modem;
  ModemSettings& stored = state.installation.Modem;
  stored.InUse = modem.useModem ? 1 : 0;
  stored.Type = choices.modemType;
  stored.InitString.assign(modem.initString);
  stored.Telephone.assign(modem.telephone);
  stored.Callback.assign(modem.callBack ? modem.callBackNumber : "");
}

int clockLines(const TransferParts& state) { return state.installation.Capacities.MaxClockLines; }

TransferOutcome transmitClocks(TransferParts state, MemoryImage& image, CommSession& session,
                               const TransferChoices& choices, TransferUser user) {
  std::optional<LocalTime> timeSetting;
  if (choices.timeSet) timeSetting = session.clock().now();
  BuildClockSection(image, state.clock.ClockTable, clockLines(state), timeSetting);
  image.ImageTotal = 0;
  FinishBlock(image, kClockSection);
  image.ImageTotal += image.block(kClockSection)->Send.Count;
  if (choices.verify)
    return SendAndVerifySection(session, image, choices.target, user, kClockSection,
                                clockLinesCheck(user.texts, clockLines(state)));
  return SendImage(session, image, choices.target, user, kClockSection);
}

TransferOutcome receiveClocks(TransferParts state, MemoryImage& image, CommSession& session,
                              const TransferChoices& choices, TransferUser user) {
  BuildMemoryImage(image, state.installation);
  ClearReceiveAreas(image);
  int length = clockSectionLayout(clockLines(state)).length();
  TransferOutcome outcome = ReceiveImage(session, image, choices.target, user, kClockSection, length);
  if (!outcome.failed()) DecodeClockSection(image, state.clock.ClockTable, clockLines(state));
  return outcome;
}

void nameFlags(Installation& installation, const Texts& texts) {
  int count = std::min<int>(installation.Capacities.MaxFlags, kFlagEntries);
  for (int f = 0; f < count; ++f) {
    installation.Flags[f].Name.assign(texts.LoadText(kFlagsText) + " " + std::to_string(f));
  }
}

}  // namespace

TransferOutcome RunSendButton(TransferParts state, CommSession& session, const TransferChoices& choices,
                              TransferUser user, SendAction action) {
  MemoryImage& image = state.image;
  const ClockLineArray before = state.clock.ClockTable;
  BringReferenceDatesUpToDate(state.clock.ClockTable, session.clock().now());
  storeChoices(state, choices);
  CreateMemoryImage(image);
  TransferOutcome outcome = action == SendAction::Transmit
                                ? transmitClocks(state, image, session, choices, user)
                                : receiveClocks(state, image, session, choices, user);
  if (outcome.stopped()) state.clock.ClockTable = before;
  return outcome;
}

TransferOutcome FetchCentralClockTable(TransferParts state, CommSession& session, const TransferChoices& choices,
                                       TransferUser user, ClockLineArray& central) {
  ClockState fetched;
  TransferParts parts{fetched, state.installation, state.image, state.settings, state.texts};
  TransferOutcome outcome = RunSendButton(parts, session, choices, user, SendAction::Receive);
  central = fetched.ClockTable;
  return outcome;
}

bool ConfirmWholeImageReceive(const Texts& texts, Prompts& prompts) {
  constexpr int kNamesWillBeNumberedText = 1103;
  const Message question{texts.LoadText(kNamesWillBeNumberedText), kProgramTitle, MessageButtons::YesCancel,
                         MessageIcon::Question, Answer::Cancel};
  return prompts.ask(question) == Answer::Yes;
}

TransferOutcome ReceiveWholeImage(TransferParts state, CommSession& session, const TransferTarget& target,
                                  TransferUser user) {
  MemoryImage& image = state.image;
  BuildMemoryImage(image, state.installation);
  ClearReceiveAreas(image);
  TransferOutcome outcome = ReceiveImage(session, image, target, user, std::nullopt);
  if (outcome.failed()) return outcome;
  Installation& installation = state.installation;
  ResetInstallation(installation, state.settings.BaudRate, state.texts.LanguageOffset);
  DecodeMemoryImage(image, installation, state.texts);
  nameFlags(installation, state.texts);
  return outcome;
}

}  // namespace ordalis
