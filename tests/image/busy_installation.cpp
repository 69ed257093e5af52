// Filling every carried field of an installation with distinct values.
#include "busy_installation.h"

#include <string>

#include "base/texts.h"

namespace ordalis::testing {

namespace {

// A byte that depends on the entry and the field, never 0.
uint8_t pick(int entry, int field) { return static_cast<uint8_t>((entry * 37 + field * 11) % 250 + 1); }

int16_t pickValue(int entry) { return static_cast<int16_t>(entry * 977 - 20000); }

template <typename Bytes>
void fill(Bytes& bytes, int entry, int field) {
  for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = pick(entry, field + static_cast<int>(k));
}

NameText nameFor(const char* kind, int entry) {
  return NameText(std::string(kind) + " " + std::to_string(entry));
}

void fillInterfaces(Installation& in) {
  for (int i = 0; i <= in.Capacities.MaxInterfaces; ++i) {
    Interface& interface = in.Interfaces[i];
    interface.Name = nameFor("Panel", i);
    interface.ModuleType = static_cast<uint8_t>(i % 28 + 1);
    fill(interface.Parameters, i, 1);
    for (int j = 0; j < kButtonsPerInterface; ++j) {
      InterfaceButton& button = interface.Buttons[j];
      button.FirstType = pick(i, 10 + j);
      button.FirstNumber = pick(i, 20 + j);
      button.SecondType = pick(i, 30 + j);
      button.SecondNumber = pick(i, 40 + j);
    }
  }
}

void fillOutputModules(Installation& in) {
  for (int i = 0; i < in.Capacities.MaxOutputModules; ++i) {
    OutputModule& module = in.OutputModules[i];
    module.Name = nameFor("Module", i);
    module.ModuleType = i % 2 == 0 ? 111 : 131;
    module.Address = static_cast<uint8_t>(i / 2);
    for (int k = 0; k < kOutputsPerModule; ++k) {
      module.Outputs[k].Name = nameFor("Output", i * 8 + k);
      module.Outputs[k].Parameter = pick(i, 50 + k);
    }
  }
}

void fillFunctions(Installation& in) {
  for (int i = 0; i < 25; ++i) {
    in.TransparentFunctions[i].Name = nameFor("Transparent", i);
    fill(in.TransparentFunctions[i].Parameters, i, 60);
  }
  for (int i = 0; i < in.Capacities.MaxTimedFunctions; ++i) {
    in.TimedFunctions[i].Name = nameFor("Timer", i);
    fill(in.TimedFunctions[i].Parameters, i, 61);
    in.TimedFunctions[i].Value = pickValue(i);
  }
  for (int i = 0; i < 10; ++i) {
    FanFunction& fan = in.FanFunctions[i];
    fan.Name = nameFor("Fan", i);
    fill(fan.Parameters, i, 62);
    fan.Parameters[0] = static_cast<uint8_t>(i * 6 + 1);  // 1..55: fits in six bits
    fan.ExtraParameter = static_cast<uint8_t>(i % 4);
    fan.Value = pickValue(i + 3);
  }
  for (int i = 0; i < in.Capacities.MaxIfThenElse; ++i) {
    in.IfThenElseFunctions[i].Name = nameFor("Rule", i);
    fill(in.IfThenElseFunctions[i].Parameters, i, 63);
  }
  for (int i = 0; i < in.Capacities.MaxMotors; ++i) {
    in.MotorFunctions[i].Name = nameFor("Motor", i);
    fill(in.MotorFunctions[i].Parameters, i, 64);
    in.MotorFunctions[i].Value = static_cast<int16_t>(i * 300 + 1);
  }
  for (int i = 0; i < 10; ++i) {
    in.ProcessFunctions[i].Name = nameFor("Process", i);
    fill(in.ProcessFunctions[i].Parameters, i, 65);
  }
}

void fillMoods(Installation& in) {
  for (int i = 0; i < 100; ++i) {
    LocalMood& mood = in.LocalMoods[i];
    mood.Name = nameFor("Scene", i);
    mood.MoodByte = pick(i, 70);
    for (int j = 0; j < kLocalMoodEntries; ++j) fill(mood.Entries[j], i, 71 + 3 * j);
  }
  for (int i = 0; i < 10; ++i) {
    TimedLocalMood& mood = in.TimedLocalMoods[i];
    mood.Name = nameFor("Timed scene", i);
    mood.MoodByte = pick(i, 110);
    for (int j = 0; j < kLocalMoodEntries; ++j) {
      fill(mood.Entries[j].Bytes, i, 111 + 3 * j);
      mood.Entries[j].Value = pickValue(i * 10 + j);
    }
  }
  for (int i = 0; i < 20; ++i) {
    GeneralMood& mood = in.GeneralMoods[i];
    mood.Name = nameFor("House", i);
    for (int k = 1; k <= in.Capacities.MaxRelayOutputs; ++k) mood.Relays[k] = pick(i, k) % 6;
    for (int k = 1; k <= in.Capacities.MaxDimmerOutputs; ++k) mood.Dimmers[k] = pick(i, 200 + k);
    for (int m = 0; m < 5; ++m) fill(mood.Entries[m], i, 150 + 3 * m);
  }
}

void fillOthers(Installation& in) {
  for (int i = 0; i < in.Capacities.MaxSensors; ++i) {
    in.Sensors[i].Name = nameFor("Sensor", i);
    fill(in.Sensors[i].Parameters, i, 170);
  }
  for (int i = 0; i < in.Capacities.MaxAudioZones; ++i) {
    in.AudioZones[i].Name = nameFor("Zone", i);
    fill(in.AudioZones[i].Parameters, i, 180);
  }
  for (int i = 0; i < in.Capacities.MaxConditions; ++i) {
    in.Conditions[i].Name = nameFor("Condition", i);
    for (int a = 0; a < 4; ++a) {
      fill(in.Conditions[i].Parameters[a], i, 190 + 6 * a);
      in.Conditions[i].Parameters[a][5] = 0;  // the sixth byte of each array is not carried
    }
  }
  for (int i = 0; i < 10; ++i) {
    AlarmMessage& message = in.Messages[i];
    message.Name = nameFor("Message", i);
    message.Line1.assign("Front door " + std::to_string(i));
    message.Line2.assign("open! " + std::to_string(i * 1111));
    fill(message.Parameters, i, 220);
  }
  InstallationSettings& s = in.Settings;
  s.Workdays = {1, 0, 1, 0, 1, 1, 0};
  fill(s.OptionsCToI, 1, 230);
  fill(s.OptionArray1, 2, 230);
  fill(s.OptionArray2, 3, 230);
  s.OptionA = 41;
  s.OptionB = 42;
  for (int k = 0; k < 3; ++k) s.OptionsJToQ[k] = static_cast<uint8_t>(43 + k);
  in.Extra = {51, 52, 0, 54};  // extra option 2 is not carried
}

}  // namespace

Installation resetInstallation(uint8_t model) {
  Installation installation;
  installation.CentralModel = model;
  installation.Capacities = capacitiesOf(model);
  ResetInstallation(installation, 19200, 0);
  return installation;
}

Installation busyInstallation(uint8_t model) {
  Installation installation = resetInstallation(model);
  fillInterfaces(installation);
  fillOutputModules(installation);
  fillFunctions(installation);
  fillMoods(installation);
  fillOthers(installation);
  return installation;
}

}  // namespace ordalis::testing
