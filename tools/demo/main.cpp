// ordalis-demo OUTDIR: writes the demo installation (demo.nbt) and a demo
// clock file dated around the current week (demo.clk) into OUTDIR, so the
// program can be tried without an installer's file.
#include <filesystem>
#include <iostream>

#include "base/file_store.h"
#include "base/clock_source.h"
#include "tools/fixtures/demo_clock_table.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ordalis-demo OUTDIR\n";
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  const std::string path = (directory / "demo.nbt").string();
  const auto written = ordalis::replaceFileBytes(
      path, ordalis::fixtures::BuildInstallationFile(ordalis::fixtures::DemoInstallation()));
  if (!written.ok) {
    std::cerr << path << ": " << written.error << "\n";
    return 1;
  }
  std::cout << path << "\n";
  const std::string clockPath = (directory / "demo.clk").string();
  const auto clockWritten = ordalis::replaceFileBytes(
      clockPath, ordalis::fixtures::DemoClockFile(ordalis::SystemClock().now()));
  if (!clockWritten.ok) {
    std::cerr << clockPath << ": " << clockWritten.error << "\n";
    return 1;
  }
  std::cout << clockPath << "\n";
  return 0;
}
