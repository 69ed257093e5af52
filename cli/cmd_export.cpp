// ordalis-cli export CLK --nbt NBT --format pdf|ics|csv -o FILE: the clock
// table as a PDF of the printed pages, an iCalendar file or a CSV sheet
// (lines, or with --firings the firings of the range). The PDF is drawn
// without a display, on Qt's offscreen platform.
#include <QDateTime>
#include <QGuiApplication>

#include "base/qt/qt_dates.h"
#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_dates.h"
#include "cli/cli_installation.h"
#include "clock/line_moment.h"
#include "export/qt/export_files.h"
#include "export/qt/week_print_preview.h"

namespace ordalis::cli {
namespace {

using namespace std::chrono;

struct ExportOptions {
  std::string clockFile;
  std::string installationFile;
  std::string format;
  std::string from;
  std::string to;
  int weeks = 1;
  bool firings = false;
  std::string output;
};

// The range of --from/--to (either alone: one year from the first day);
// without both, a year from today that leaves no line out.
std::optional<ExportRange> RangeOf(const CliContext& context, const ExportOptions& options) {
  if (options.from.empty() && options.to.empty()) return DefaultExportRange(context.clock->now());
  const auto from = options.from.empty() ? floor<days>(context.clock->now()) : ParseDate(options.from);
  const auto to = options.to.empty() && from ? std::optional(OneYearAfter(*from) - days{1}) : ParseDate(options.to);
  if (!from || !to || *to < *from) return std::nullopt;
  return ExportRange{*from, *to + days{1}, true};  // --to names the last day
}

// The offscreen platform unless the user chose one, and an application for
// the fonts and pictures the PDF needs.
std::unique_ptr<QGuiApplication> GuiForPdf() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ordalis-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int RunExport(CliContext& context, const ExportOptions& options) {
  const auto format = ExportFormatNamed(options.format, options.firings);
  if (!format) {
    context.printError("--format: expected pdf, ics or csv (--firings with csv only), got " + options.format);
    return kExitUsage;
  }
  const auto range = RangeOf(context, options);
  if (!range) {
    context.printError("--from/--to: expected YYYY-MM-DD dates, the first not after the last");
    return kExitUsage;
  }
  if (options.weeks < 1 || options.weeks > WeekPrintPreview::kMaxWeeks) {
    context.printError("--weeks: expected 1 to " + std::to_string(WeekPrintPreview::kMaxWeeks));
    return kExitUsage;
  }
  if (!LoadInstallationFile(context, options.installationFile) || !LoadClockFile(context, options.clockFile))
    return kExitRefused;

  const auto gui = *format == ExportFormat::Pdf ? GuiForPdf() : nullptr;
  const LocalTime now = context.clock->now();
  const LocalTime firstWeek = MondayOfWeek(options.from.empty() ? now : range->from);
  const PrintJob pages{context.state, toQDate(firstWeek), options.weeks, QDateTime(toQDate(now), toQTime(now))};
  if (const auto failure = WriteExport(ExportRequest{*format, *range, pages, options.output})) {
    context.printError(*failure);
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace

void addExportCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<ExportOptions>();
  auto* command = app.add_subcommand("export", "Write the clock table as PDF, iCalendar or CSV");
  command->add_option("CLK", options->clockFile, "Clock file (.clk)")->required();
  command->add_option("--nbt", options->installationFile, "Installation file (.nbt)")->required();
  command->add_option("--format", options->format, "pdf, ics or csv")->required();
  command->add_option("--from", options->from, "First day of the range, YYYY-MM-DD");
  command->add_option("--to", options->to, "Last day of the range, YYYY-MM-DD");
  command->add_option("--weeks", options->weeks, "Weeks the PDF shows, from the week of --from (or of --now)");
  command->add_flag("--firings", options->firings, "CSV: one row per firing of the range");
  command->add_option("-o,--output", options->output, "File to write")->required();
  command->callback([&context, options, result] { *result = RunExport(context, *options); });
}

}  // namespace ordalis::cli
