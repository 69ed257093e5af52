// The payloads of the central unit's on-line commands, with their argument
// checks. Payload byte 1 is the command class (1 set, 2 get), byte 2 the
// function type of the target (1 relay, 2 dimmer, 8 local mood, 9 timed local
// mood, 10 general mood, 52 key press), byte 3 the output, mood or panel,
// byte 4 the state or level (set commands only).
//
// A check that fails gives -2 for the first checked argument and -3 for the
// second, and no payload: nothing is sent.
#pragma once

#include <cstdint>
#include <vector>

namespace ordalis {

inline constexpr int kCommandSent = 0;
inline constexpr int kFirstArgumentOutOfRange = -2;
inline constexpr int kSecondArgumentOutOfRange = -3;

inline constexpr uint8_t kSetCommand = 1;
inline constexpr uint8_t kGetCommand = 2;
inline constexpr uint8_t kTargetRelay = 1;
inline constexpr uint8_t kTargetDimmer = 2;
inline constexpr uint8_t kTargetLocalMood = 8;
inline constexpr uint8_t kTargetTimedLocalMood = 9;
inline constexpr uint8_t kTargetGeneralMood = 10;
inline constexpr uint8_t kTargetKeyPress = 52;
// The state the central unit interprets itself (toggle, all, last level).
inline constexpr int kCentralState = 255;

struct OnLineCommand {
  int result = kCommandSent;     // 0, -2 or -3
  std::vector<uint8_t> payload;  // empty unless result is 0
};

OnLineCommand KeyPress(int tp, int key);
// `fnc` is not checked; it is sent as its low byte.
OnLineCommand SetFunction(int fnc, int outp, int state);
OnLineCommand SetDimmer(int outp, int state);
OnLineCommand SetRelay(int outp, int state);
OnLineCommand SetLocalMood(int outp, int state);
OnLineCommand SetTimedLocalMood(int outp, int state);
OnLineCommand SetGeneralMood(int outp);
OnLineCommand GetRelayState(int outp);
OnLineCommand GetDimmerLevel(int outp);
// `fnc` is not checked; it is sent as its low byte.
OnLineCommand GetFunctionState(int fnc, int outp);

// The state "Test On-Line" sends for a clock line: a dimmer's level in per
// cent, as the central takes dimmer levels (and as the clock table carries
// them); any other function's level byte as it is.
int TestOnLineState(int functionHigh, int level);

}  // namespace ordalis
