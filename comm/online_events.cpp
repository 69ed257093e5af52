// Answer codes to events, and the conversions of levels and readings.
#include "comm/online_events.h"

#include <cmath>

#include "clock/levels.h"

namespace ordalis {

namespace {

constexpr std::size_t kAnswerCodeOffset = 0;  // payload byte 1
constexpr int kKeyPressAnswer = 4;
constexpr int kSensorAnswer = 6;
constexpr int kFunctionStateAnswer = 8;
constexpr int kUncoupledPercentReported = 255;

struct Answer {
  int code = 0, b2 = 0, b3 = 0, b4 = 0;
};

Answer readAnswer(std::span<const uint8_t> payload) {
  auto at = [&payload](std::size_t index) { return index < payload.size() ? payload[index] : 0; };
  return {at(kAnswerCodeOffset), at(1), at(2), at(3)};
}

OnLineEvent event(OnLineEventKind kind, int first, int second = 0, int third = 0) {
  OnLineEvent result;
  result.kind = kind;
  result.args = {first, second, third};
  return result;
}

OnLineEvent reading(OnLineEventKind kind, int sensor, double value) {
  OnLineEvent result = event(kind, sensor);
  result.value = value;
  return result;
}

double roundTo(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

std::optional<OnLineEvent> functionState(const Answer& a) {
  const int state = a.b4 != 0 ? 1 : 0;
  switch (a.b2) {
    case 1: return event(OnLineEventKind::Relay, a.b3, state);
    case 2: return event(OnLineEventKind::Dimmer, a.b3, DimLevelPercent(a.b4));
    case 8: return event(OnLineEventKind::LocalMood, a.b3, state);
    case 9: return event(OnLineEventKind::TimedLocalMood, a.b3, state);
    case 10: return event(OnLineEventKind::GeneralMood, a.b3, state);
    case 31: return event(OnLineEventKind::Audio, a.b3, a.b4);
    case 14: return event(OnLineEventKind::RegimeState, a.b3);
    case 15: return event(OnLineEventKind::FlagState, a.b3, state);
    case 3: return event(OnLineEventKind::ProcessState, a.b3, state);
    case 60: return event(OnLineEventKind::ConditionState, a.b3, state);
    default: return std::nullopt;
  }
}

std::optional<OnLineEvent> sensorReading(const Answer& a) {
  const bool noValue = a.b4 == kNoSensorValue;
  auto value = [&](double (*convert)(int)) { return noValue ? kNoSensorValueReported : convert(a.b4); };
  switch (a.b2) {
    case 1: return reading(OnLineEventKind::Temperature, a.b3, value(TemperatureValue));
    case 129: return reading(OnLineEventKind::TemperatureSet, a.b3, value(TemperatureValue));
    case 2: return reading(OnLineEventKind::Humidity, a.b3, value([](int raw) { return double(raw); }));
    case 3: case 4: case 5: return reading(OnLineEventKind::Light, a.b3, value(LightValue));
    case 131: case 132: case 133:
      return reading(OnLineEventKind::LightLevelSet, a.b3, value(LightValue));
    default: return std::nullopt;
  }
}

}  // namespace

const char* EventName(OnLineEventKind kind) {
  static constexpr const char* kNames[] = {
      "ErrMsg", "TpKey", "Relay", "Dimmer", "LocalMood", "TimedLocalMood", "GeneralMood",
      "Temperature", "Light", "Humidity", "Audio", "TemperatureSet", "LightLevelSet",
      "RegimeState", "FlagState", "ProcessState", "ConditionState"};
  return kNames[static_cast<int>(kind) - 1];
}

const char* StatusText(int code) {
  switch (code) {
    case 0: return "All OK";
    case 1: return "Invalid CheckSum";
    case 2: return "Invalid Command";
    case 3: return "Invalid Command-Lenght";
    case 5: return "Switch Not Assigned/Active";
    case 7: return "Load level out of range";
    case 10: return "Load not Available";
    case 14: return "Function not available";
    default: return nullptr;
  }
}

int DimLevelPercent(int level) {
  for (int percent = 0; percent <= 100; ++percent)
    if (PercentLevels[static_cast<std::size_t>(percent)] == level) return percent;
  return level == kUncoupledLevel ? kUncoupledPercentReported : 0;
}

double TemperatureValue(int raw) { return raw / 2.0 - 40.0; }

double LightValue(int raw) {
  double v = std::pow(10.0, raw / 40.0) - 1.0;
  if (v == kNoSensorValueReported) v = 254.0;
  if (v > 20.0) return roundTo(v, 0);
  if (v >= 1.0) return roundTo(v, 1);
  return roundTo(v, 2);
}

std::optional<OnLineEvent> DispatchAnswer(std::span<const uint8_t> payload) {
  if (payload.empty()) return std::nullopt;  // a frame without an answer code
  const Answer a = readAnswer(payload);
  if (const char* text = StatusText(a.code)) {
    OnLineEvent status = event(OnLineEventKind::ErrMsg, a.code);
    status.text = text;
    return status;
  }
  switch (a.code) {
    case kKeyPressAnswer: return event(OnLineEventKind::TpKey, a.b2, a.b3, a.b4);
    case kSensorAnswer: return sensorReading(a);
    case kFunctionStateAnswer: return functionState(a);
    default: return std::nullopt;
  }
}

OnLineEvent CommunicationProblemEvent() {
  OnLineEvent problem = event(OnLineEventKind::ErrMsg, kCommunicationProblemCode);
  problem.text = kCommunicationProblemText;
  return problem;
}

}  // namespace ordalis
