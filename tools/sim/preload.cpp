// Filling the simulated central's memory from files, with the program's own
// readers and image builders, so the central holds what the program would
// send.
#include "tools/sim/preload.h"

#include "base/file_store.h"
#include "app/program_state.h"
#include "clock/clock_file.h"
#include "image/clock_section.h"
#include "image/image_codec.h"
#include "installation/installation_file.h"

namespace ordalis::sim {

namespace {

// Keeps the reader's message for the simulator's own report.
struct RecordingPrompts final : Prompts {
  Answer ask(const Message& message) override {
    lastMessage = message.text;
    return Answer::Ok;
  }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
  std::string lastMessage;
};

void copySendAreas(const MemoryImage& image, fixtures::CentralMemory& memory) {
  for (int n = 0; n < kImageBlockCount; ++n) {
    const ImageArea& send = image.block(n)->Send;
    memory[n].assign(send.Data.begin(), send.Data.begin() + send.Count);
  }
}

std::string loadInstallation(const std::string& path, ProgramState& state) {
  FileBytes file = readFileBytes(path);
  if (!file.ok) return path + ": " + file.error;
  RecordingPrompts prompts;
  InstallationFileOutcome outcome = ReadInstallationBytes(file.bytes, state, prompts);
  return outcome == InstallationFileOutcome::Loaded ? std::string() : path + ": " + prompts.lastMessage;
}

std::string loadClockSection(const std::string& path, const Installation& installation, fixtures::CentralSection& section) {
  FileBytes file = readFileBytes(path);
  if (!file.ok) return path + ": " + file.error;
  ClockFileDecoded decoded = DecodeClockFile(file.bytes);
  if (!decoded.magicOk) return path + ": NO KVB Clock file!";
  MemoryImage image;
  BuildClockSection(image, decoded.content.lines, installation.Capacities.MaxClockLines, std::nullopt);
  FinishBlock(image, kClockSection);
  const ImageArea& send = image.block(kClockSection)->Send;
  section.assign(send.Data.begin(), send.Data.begin() + send.Count);
  return "";
}

}  // namespace

std::string PreloadMemory(const std::string& nbtPath, const std::string& clkPath, std::optional<uint8_t>& model,
                          fixtures::CentralMemory& memory) {
  ProgramState state;
  state.texts.FillTextTables();
  ResetInstallation(state.installation, state.settings.BaudRate, state.texts.LanguageOffset);
  ApplyCentralModel(state.installation, state.texts, model.value_or(0));
  if (!nbtPath.empty()) {
    if (std::string problem = loadInstallation(nbtPath, state); !problem.empty()) return problem;
    if (!model) model = state.installation.CentralModel;
  }
  MemoryImage image;
  BuildMemoryImage(image, state.installation);
  copySendAreas(image, memory);
  if (!clkPath.empty()) return loadClockSection(clkPath, state.installation, memory[kClockSection]);
  return "";
}

}  // namespace ordalis::sim
