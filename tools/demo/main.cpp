// ordalis-demo OUTDIR: writes the demo installation (demo.nbt) and a demo
// clock file dated around the current week (demo.clk) into OUTDIR, so the
// program can be tried without an installer's file.
#include <filesystem>
#include <iostream>
#include <string_view>

#include "base/clock_source.h"
#include "base/file_store.h"
#include "ordalis_version.h"
#include "tools/fixtures/demo_clock_table.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace {

constexpr const char* kUsage =
    "usage: ordalis-demo OUTDIR\n"
    "Writes the demo installation OUTDIR/demo.nbt and a clock file OUTDIR/demo.clk\n"
    "dated around the current week; makes OUTDIR when it does not exist.\n"
    "\n"
    "Options:\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Exit status: 0 both files written, 1 a file could not be written, 2 a usage error.\n";

int writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  const auto written = ordalis::replaceFileBytes(path.string(), bytes);
  if (!written.ok) {
    std::cerr << path.string() << ": " << written.error << "\n";
    return 1;
  }
  std::cout << path.string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view argument = argc == 2 ? argv[1] : "";
  if (argument == "--help" || argument == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (argument == "--version") {
    std::cout << "ordalis-demo " << ORDALIS_VERSION << "\n";
    return 0;
  }
  // An argument that looks like an option is never taken for a folder name.
  if (argc != 2 || argument.empty() || argument.front() == '-') {
    std::cerr << kUsage;
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (int failed = writeFile(directory / "demo.nbt",
                             ordalis::fixtures::BuildInstallationFile(ordalis::fixtures::DemoInstallation())))
    return failed;
  return writeFile(directory / "demo.clk", ordalis::fixtures::DemoClockFile(ordalis::SystemClock().now()));
}
