// ordalis-cli image NBT [--clk CLK] [--timeset]: the central memory image
// that the program builds from an installation file, section by section:
// the length each builder set, and the bytes that would be sent. With a
// clock file, section 18 is built from its clock table as a transmit does
// (its links written, the time setting at --now with --timeset) and counted
// in the total.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_installation.h"
#include "image/clock_section.h"
#include "image/image_codec.h"

namespace ordalis::cli {
namespace {

struct ImageOptions {
  std::string installationFile;
  std::string clockFile;
  bool timeSet = false;
};

// Bytes as two-digit upper-case hex numbers separated by spaces.
std::string HexBytes(const ImageArea& area) {
  std::string text;
  char buffer[4];
  for (int k = 0; k < area.Count; ++k) {
    std::snprintf(buffer, sizeof buffer, k == 0 ? "%02X" : " %02X", area.Data[static_cast<size_t>(k)]);
    text += buffer;
  }
  return text;
}

nlohmann::json ImageDocument(const MemoryImage& image) {
  nlohmann::json sections = nlohmann::json::array();
  for (int number = 0; number <= kLastImageBlock; ++number) {
    const ImageBlock& block = *image.block(number);
    sections.push_back({{"number", number},
                        {"build_count", block.Build.Count},
                        {"send_count", block.Send.Count},
                        {"send", HexBytes(block.Send)}});
  }
  return {{"image_total", image.ImageTotal}, {"sections", sections}};
}

void PrintImage(const MemoryImage& image) {
  for (int number = 0; number <= kLastImageBlock; ++number) {
    const ImageBlock& block = *image.block(number);
    std::cout << "section " << number << ": length " << block.Build.Count << ", sends "
              << block.Send.Count << "\n";
  }
  std::cout << "total: " << image.ImageTotal << "\n";
}

int RunImage(CliContext& context, const ImageOptions& options) {
  if (!LoadInstallationFile(context, options.installationFile)) return kExitRefused;
  // A clock file brings its central model, as opening it in the program does.
  if (!options.clockFile.empty() && !LoadClockFile(context, options.clockFile)) return kExitRefused;
  ProgramState& state = context.state;
  BuildMemoryImage(state.image, state.installation);
  if (!options.clockFile.empty()) {
    std::optional<LocalTime> timeSetting;
    if (options.timeSet) timeSetting = context.clock->now();
    BuildClockSection(state.image, state.clock.ClockTable, state.installation.Capacities.MaxClockLines,
                      timeSetting);
    FinishBlock(state.image, kClockSection);
    state.image.ImageTotal += state.image.block(kClockSection)->Send.Count;
  }
  if (context.json) {
    context.printJson(ImageDocument(state.image));
  } else {
    PrintImage(state.image);
  }
  return kExitOk;
}

}  // namespace

void addImageCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand(
      "image", "Build the central memory image from an installation file (.nbt): sections 0 to 20");
  auto options = std::make_shared<ImageOptions>();
  command->add_option("NBT", options->installationFile, "The installation file")->required();
  auto* clock = command->add_option("--clk", options->clockFile,
                                    "Also build section 18 from this clock file (its model applies)");
  command->add_flag("--timeset", options->timeSet, "Section 18 sets the central unit's clock to --now")
      ->needs(clock);
  command->callback([&context, result, options] { *result = RunImage(context, *options); });
}

}  // namespace ordalis::cli
