// The events of the on-line control: what an answer frame from the central
// unit means, with the conversions of levels and sensor readings.
//
// Answer codes (payload byte 1): 0, 1, 2, 3, 5, 7, 10, 14 are status answers
// (ErrMsg with a fixed English text); 4 a key press (TpKey); 6 a sensor
// reading and 8 a function state, both by payload byte 2. Other codes are
// ignored.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ordalis {

// In declaration order, numbered from 1.
enum class OnLineEventKind {
  ErrMsg = 1, TpKey, Relay, Dimmer, LocalMood, TimedLocalMood, GeneralMood,
  Temperature, Light, Humidity, Audio, TemperatureSet, LightLevelSet,
  RegimeState, FlagState, ProcessState, ConditionState,
};

struct OnLineEvent {
  OnLineEventKind kind = OnLineEventKind::ErrMsg;
  // The integer arguments in order: ErrMsg's code; TpKey's three bytes; the
  // number and the state, level or raw byte of a report; a sensor's number.
  std::array<int, 3> args{};
  double value = 0;  // a sensor's converted value
  std::string text;  // ErrMsg's text

  bool operator==(const OnLineEvent&) const = default;
};

// The event's name as the control declares it ("ErrMsg", "Relay", ...).
const char* EventName(OnLineEventKind kind);

// The code and text of a checksum error in an answer.
inline constexpr int kCommunicationProblemCode = 255;
inline constexpr const char* kCommunicationProblemText = "Communication problem";

// The fixed text of a status answer, or nullptr for a code that is none.
const char* StatusText(int code);

// The per cent of a dimmer level: the first of 0..100 whose level it is; 255
// for the uncoupled level 3; 0 for a level that no per cent gives.
int DimLevelPercent(int level);

// A raw sensor byte that stands for "no value", and how it is reported.
inline constexpr int kNoSensorValue = 240;
inline constexpr double kNoSensorValueReported = 255.0;

// Degrees from a raw temperature byte: raw / 2 - 40.
double TemperatureValue(int raw);
// 10 ^ (raw / 40) - 1, rounded for display: above 20 to whole numbers, from 1
// to 20 to one decimal, below 1 to two decimals; never exactly 255.
double LightValue(int raw);

// The event an answer payload raises (the bytes between length and
// checksum), or nullopt when it raises none. Payload bytes the frame does
// not carry read as 0.
std::optional<OnLineEvent> DispatchAnswer(std::span<const uint8_t> payload);

// The event of a frame whose checksum did not match.
OnLineEvent CommunicationProblemEvent();

}  // namespace ordalis
