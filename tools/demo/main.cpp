// ordalis-demo OUTDIR: writes the demo installation (demo.nbt) and a week of
// its clock lines (demo.clk) into OUTDIR, so the program can be tried
// without an installer's files or a central unit.
#include <filesystem>
#include <iostream>

#include "app/file_store.h"
#include "clock/clock_file.h"
#include "tools/fixtures/demo_clock.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace {

bool write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  const ordalis::FileWriteResult written = ordalis::replaceFileBytes(path.string(), bytes);
  if (!written.ok) {
    std::cerr << path.string() << ": " << written.error << "\n";
    return false;
  }
  std::cout << path.string() << "\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ordalis-demo OUTDIR\n";
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  using namespace ordalis;
  const bool ok =
      write(directory / "demo.nbt", fixtures::BuildInstallationFile(fixtures::DemoInstallation())) &&
      write(directory / "demo.clk", EncodeClockFile(fixtures::DemoClockFile()));
  return ok ? 0 : 1;
}
