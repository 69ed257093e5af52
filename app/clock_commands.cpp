// New, open, save and save as over the clock table, with their questions and
// messages.
#include "app/clock_commands.h"

#include <algorithm>

#include "base/file_store.h"
#include "clock/clock_file.h"
#include "clock/clock_table.h"

namespace ordalis {

namespace {

// Text ids of the questions.
constexpr int kTextFile = 600;
constexpr int kTextIsChanged = 907;
constexpr int kTextSaveNow = 908;
constexpr int kTextWillBeConverted = 957;
constexpr int kTextNoLongerUsable = 958;
constexpr int kTextAllFiles = 5;

// Message texts put a line feed and a carriage return between their lines.
constexpr const char* kLineBreak = "\n\r";

// The hourglass for the length of a command.
class BusyCursor {
 public:
  explicit BusyCursor(Prompts& prompts) : m_prompts(prompts) { m_prompts.setBusy(true); }
  ~BusyCursor() { m_prompts.setBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Prompts& m_prompts;
};

void showFileError(Prompts& prompts, const std::string& path, const std::string& error) {
  prompts.tell(FileErrorMessage(path, error), kErrorTitle, MessageIcon::Critical);
}

// Where Save as starts: a name made from the installation file's name is
// offered in the installation file's folder.
std::string saveAsStartName(const ClockState& clock) {
  if (!clock.ClockFileNameDerived) return clock.ClockFileName;
  const size_t separator = clock.InstallationPath.find_last_of("\\/");
  if (separator == std::string::npos) return clock.ClockFileName;
  return clock.InstallationPath.substr(0, separator + 1) + clock.ClockFileName;
}

bool confirmConversion(ClockCommandContext& context) {
  const Texts& texts = context.state.texts;
  Message question{texts.LoadText(kTextWillBeConverted) + kLineBreak +
                       texts.LoadText(kTextNoLongerUsable),
                   kErrorTitle, MessageButtons::OkCancel, MessageIcon::Exclamation,
                   Answer::Cancel};
  return context.prompts.ask(question) == Answer::Ok;
}

void recompute(ClockCommandContext& context) {
  if (context.recomputeWeekView) context.recomputeWeekView();
}

}  // namespace

std::string OpenClockFileFilter() {
  return std::string("Klok bestanden") + " (*.clk) |*.clk|" + "Alle bestanden" + " (*.*) |*.*";
}

std::string SaveClockFileFilter(const Texts& texts) {
  return std::string("Klok bestanden") + " (*.clk) |*.clk|" + texts.LoadText(kTextAllFiles) +
         " (*.*) |*.*";
}

Answer AskToSave(const Texts& texts, const std::string& clockFileName, Prompts& prompts) {
  Message question{texts.LoadText(kTextFile) + " " + clockFileName + " " +
                       texts.LoadText(kTextIsChanged) + kLineBreak + texts.LoadText(kTextSaveNow),
                   kAskToSaveTitle, MessageButtons::YesNoCancel, MessageIcon::Question,
                   std::nullopt};
  return prompts.ask(question);
}

bool SaveChangesFirst(ClockCommandContext& context) {
  ClockState& clock = context.state.clock;
  if (!clock.ClocksChanged) return true;
  switch (AskToSave(context.state.texts, clock.ClockFileName, context.prompts)) {
    case Answer::Yes:
      mmuFileSave_Click(context);
      return !clock.ClocksChanged;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool WriteClockFile(ClockCommandContext& context) {
  ClockState& clock = context.state.clock;
  if (clock.ClockFileFormat != kCurrentClockFileFormat && !confirmConversion(context)) return false;
  clock.ClockFileFormat = kCurrentClockFileFormat;
  ClockFileContent content{clock.ClockFileFormat, context.state.installation.CentralModel,
                           clock.ClockTable};
  FileWriteResult written = replaceFileBytes(clock.ClockFileName, EncodeClockFile(content));
  if (!written.ok) showFileError(context.prompts, clock.ClockFileName, written.error);
  return written.ok;
}

bool ReadClockFile(ClockCommandContext& context, const std::string& path) {
  FileBytes file = readFileBytes(path);
  if (!file.ok) {
    showFileError(context.prompts, path, file.error);
    return false;
  }
  ClockFileDecoded decoded = DecodeClockFile(file.bytes);
  if (!decoded.magicOk) {
    context.prompts.tell(kNotAClockFileMessage);
    return false;
  }
  ClockState& clock = context.state.clock;
  ClearClockTable(clock.ClockTable);
  clock.SelectedClockLine = 0;
  if (decoded.hasFormat) clock.ClockFileFormat = decoded.content.format;
  if (decoded.hasModel) ApplyCentralModel(context.state.installation, context.state.texts, decoded.content.model);
  std::copy_n(decoded.content.lines.begin(), decoded.linesRead, clock.ClockTable.begin());
  if (!decoded.trailerOk) context.prompts.tell(kClockReadErrorMessage);
  return true;
}

std::string NewClockFileName(const std::string& installationPath) {
  size_t separator = installationPath.find_last_of("\\/");
  std::string name =
      separator == std::string::npos ? installationPath : installationPath.substr(separator + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + ".clk";
}

void NameClockFileAfterInstallation(ClockState& clock) {
  clock.ClockFileName = NewClockFileName(clock.InstallationPath);
  clock.ClockFileNameDerived = true;
}

void mmuFileNew_Click(ClockCommandContext& context) {
  if (SaveChangesFirst(context)) NewClockTable(context);
}

void NewClockTable(ClockCommandContext& context) {
  ClockState& clock = context.state.clock;
  clock.ClockFileFormat = kCurrentClockFileFormat;
  NameClockFileAfterInstallation(clock);
  ClearClockTable(clock.ClockTable);
  clock.SelectedClockLine = 0;
  recompute(context);
}

bool mmuFileOpenCLK_Click(ClockCommandContext& context) {
  if (!SaveChangesFirst(context)) return false;
  FileDialog dialog;
  dialog.filter = OpenClockFileFilter();
  dialog.mustExist = true;
  std::optional<std::string> path = context.prompts.openFileName(dialog);
  if (!path || path->empty()) return false;
  BusyCursor busy(context.prompts);
  if (!ReadClockFile(context, *path)) return false;
  ClockState& clock = context.state.clock;
  clock.ClockFileName = *path;
  clock.ClockFileNameDerived = false;
  clock.ClocksChanged = false;
  recompute(context);
  return true;
}

void mmuFileSave_Click(ClockCommandContext& context) {
  const ClockState& clock = context.state.clock;
  if (clock.ClockFileName.empty() || clock.ClockFileNameDerived) {
    mmuFileSaveAs_Click(context);
    return;
  }
  BusyCursor busy(context.prompts);
  if (WriteClockFile(context)) context.state.clock.ClocksChanged = false;
}

std::string WithClockExtension(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const bool hasExtension = path.find('.', nameStart) != std::string::npos;
  return hasExtension ? path : path + ".clk";
}

void mmuFileSaveAs_Click(ClockCommandContext& context) {
  ClockState& clock = context.state.clock;
  FileDialog dialog;
  dialog.filter = SaveClockFileFilter(context.state.texts);
  dialog.initialName = saveAsStartName(clock);
  dialog.confirmOverwrite = true;
  dialog.defaultSuffix = "clk";
  std::optional<std::string> path = context.prompts.saveFileName(dialog);
  if (!path || path->empty()) return;
  BusyCursor busy(context.prompts);
  clock.ClockFileName = WithClockExtension(*path);
  clock.ClockFileNameDerived = false;
  if (WriteClockFile(context)) clock.ClocksChanged = false;
}

}  // namespace ordalis
