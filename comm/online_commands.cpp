// Argument checks and payloads of the on-line commands.
#include "comm/online_commands.h"

#include "clock/levels.h"

namespace ordalis {

namespace {

bool within(int value, int low, int high) { return value >= low && value <= high; }
bool offOnOrCentral(int state) { return state == 0 || state == 1 || state == kCentralState; }

uint8_t byte(int value) { return static_cast<uint8_t>(value & 0xFF); }

OnLineCommand refused(int result) { return {result, {}}; }

OnLineCommand set(int type, int outp, int state) {
  return {kCommandSent, {kSetCommand, byte(type), byte(outp), byte(state)}};
}

OnLineCommand get(int type, int outp) { return {kCommandSent, {kGetCommand, byte(type), byte(outp)}}; }

// Set commands on a mood or relay: outputs low..high, states 0, 1 or 255.
OnLineCommand setSwitched(int type, int outp, int low, int high, int state) {
  if (!within(outp, low, high)) return refused(kFirstArgumentOutOfRange);
  if (!offOnOrCentral(state)) return refused(kSecondArgumentOutOfRange);
  return set(type, outp, state);
}

// Get commands: outputs low..high, or 255 for all of them.
OnLineCommand getState(int type, int outp, int high) {
  if (!within(outp, 1, high) && outp != kCentralState) return refused(kFirstArgumentOutOfRange);
  return get(type, outp);
}

}  // namespace

OnLineCommand KeyPress(int tp, int key) {
  if (!within(tp, 0, 100)) return refused(kFirstArgumentOutOfRange);
  if (!within(key, 1, 8)) return refused(kSecondArgumentOutOfRange);
  return set(kTargetKeyPress, tp, key);
}

OnLineCommand SetFunction(int fnc, int outp, int state) {
  if (!within(outp, 0, 144)) return refused(kFirstArgumentOutOfRange);
  if (!within(state, 0, 255)) return refused(kSecondArgumentOutOfRange);
  return set(fnc, outp, state);
}

OnLineCommand SetDimmer(int outp, int state) {
  if (!within(outp, 1, 120)) return refused(kFirstArgumentOutOfRange);
  if (!within(state, 0, 100) && state != kCentralState) return refused(kSecondArgumentOutOfRange);
  return set(kTargetDimmer, outp, state);
}

OnLineCommand SetRelay(int outp, int state) { return setSwitched(kTargetRelay, outp, 1, 144, state); }

OnLineCommand SetLocalMood(int outp, int state) {
  return setSwitched(kTargetLocalMood, outp, 0, 99, state);
}

OnLineCommand SetTimedLocalMood(int outp, int state) {
  return setSwitched(kTargetTimedLocalMood, outp, 0, 9, state);
}

OnLineCommand SetGeneralMood(int outp) {
  if (!within(outp, 0, 19)) return refused(kFirstArgumentOutOfRange);
  return set(kTargetGeneralMood, outp, kCentralState);
}

OnLineCommand GetRelayState(int outp) { return getState(kTargetRelay, outp, 144); }
OnLineCommand GetDimmerLevel(int outp) { return getState(kTargetDimmer, outp, 120); }
OnLineCommand GetFunctionState(int fnc, int outp) { return getState(fnc, outp, 144); }

int TestOnLineState(int functionHigh, int level) {
  return functionHigh == kTargetDimmer ? LevelToPercent(level) : level;
}

}  // namespace ordalis
