// From process start to the main window shown, on the demo installation,
// offscreen: the real start-up (settings, splash, main window, installation
// file, empty table, day icons) up to the start dialog, then the first paint
// of the week. Run it through bench/startup.sh, which passes the moment
// before the process was started; without it the kernel's start time of the
// process is used (10 ms steps).
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "base/file_store.h"
#include "app/qt/entry_procedure.h"
#include "app/qt/frm_select_clk_act.h"
#include "mainwindow/qt/frm_klokken.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace {

using namespace ordalis;
using Nanoseconds = std::chrono::nanoseconds;

// Nanoseconds of CLOCK_REALTIME when the process started: from the command
// line, else from /proc (start time in clock ticks since boot).
int64_t processStart(int argc, char** argv) {
  if (argc > 1) return std::stoll(argv[1]);
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;
  const double sinceBoot = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec boot{}, real{};
  clock_gettime(CLOCK_BOOTTIME, &boot);
  clock_gettime(CLOCK_REALTIME, &real);
  const double nowSinceBoot = static_cast<double>(boot.tv_sec) + static_cast<double>(boot.tv_nsec) / 1e9;
  const int64_t realNow = int64_t{real.tv_sec} * 1000000000 + real.tv_nsec;
  return realNow - static_cast<int64_t>((nowSinceBoot - sinceBoot) * 1e9);
}

int64_t realNow() {
  return std::chrono::duration_cast<Nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

class CancellingPrompts : public Prompts {
 public:
  Answer ask(const Message&) override { return Answer::Cancel; }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

}  // namespace

int main(int argc, char** argv) {
  const int64_t started = processStart(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("ordalis-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string nbt = (folder / "demo.nbt").string();
  replaceFileBytes(nbt, fixtures::BuildInstallationFile(fixtures::DemoInstallation()));
  const std::string ini = "[Global]\nLanguage=0\n[Clock]\nNBTFile=" + nbt + "\n";
  replaceFileBytes((folder / "Vantrel.ini").string(), std::vector<uint8_t>(ini.begin(), ini.end()));

  ProgramState state;
  SystemClock clock;
  CancellingPrompts prompts;
  int64_t dialogUp = 0;
  EntryEnvironment environment{state, clock, prompts, (folder / "Vantrel.ini").string(), {}, {}, {}};
  environment.runStartDialog = [&](FrmSelectClkAct& dialog) {
    dialogUp = realNow();
    dialog.CmdCancel()->click();
  };
  std::unique_ptr<FrmKlokken> window = StartProgram(environment);
  QApplication::processEvents();
  const int64_t painted = realNow();
  std::filesystem::remove_all(folder);
  if (!window) return 1;
  std::printf("start dialog up: %.1f ms\nweek painted:    %.1f ms\n", (dialogUp - started) / 1e6,
              (painted - started) / 1e6);
  return 0;
}
