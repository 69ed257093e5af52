// Clock files for the CLI.
#include "cli/cli_clock_file.h"

#include "base/file_store.h"
#include "app/clock_commands.h"
#include "clock/clock_file.h"

namespace ordalis::cli {

bool LoadClockFile(CliContext& context, const std::string& path) {
  const FileBytes file = readFileBytes(path);
  if (!file.ok) {
    context.printError(file.error);
    return false;
  }
  const ClockFileDecoded decoded = DecodeClockFile(file.bytes);
  if (!decoded.magicOk) {
    context.printError(kNotAClockFileMessage);
    return false;
  }
  if (!decoded.trailerOk) {
    context.printError(kClockReadErrorMessage);
    return false;
  }
  context.state.clock.ClockFileFormat = decoded.content.format;
  ApplyCentralModel(context.state.installation, context.state.texts, decoded.content.model);
  context.state.clock.ClockTable = decoded.content.lines;
  context.state.clock.ClockFileName = path;
  return true;
}

}  // namespace ordalis::cli
