// Fuzzes the installation-file reader. An input that starts with "Q&Z" is
// read as it stands. Any other input edits a valid file made by the fixture
// builder, so that short inputs reach every table:
//   byte 0      model byte of the built file (above 4 counts as 3)
//   byte 1      version: even 60, odd 40
//   bytes 2-4   offset of the edit (little-endian, taken modulo the length)
//   bytes 5-7   length to cut the file to (0xFFFFFF: keep it whole)
//   the rest    bytes written over the file from the offset on
// Every input must end in one of the reader's outcomes with the name cleared
// exactly when the file is refused, and a valid active language.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/program_state.h"
#include "installation/installation_file.h"
#include "tools/fixtures/installation_file_builder.h"

namespace {

using namespace ordalis;

class SilentPrompts : public Prompts {
 public:
  Answer ask(const Message&) override { return Answer::Ok; }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

uint32_t threeBytes(const uint8_t* data) { return data[0] | data[1] << 8 | data[2] << 16; }

std::vector<uint8_t> editedFile(const uint8_t* data, size_t size) {
  if (size < 8) return std::vector<uint8_t>(data, data + size);
  Installation installation;
  installation.CentralModel = effectiveModel(data[0]);
  const uint8_t version = data[1] % 2 == 0 ? 60 : 40;
  std::vector<uint8_t> file = fixtures::BuildInstallationFile(installation, version);
  file[4] = data[0];
  const size_t offset = threeBytes(data + 2) % file.size();
  for (size_t i = 8; i < size && offset + i - 8 < file.size(); ++i) file[offset + i - 8] = data[i];
  const uint32_t cut = threeBytes(data + 5);
  if (cut != 0xFFFFFF && cut < file.size()) file.resize(cut);
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const bool raw = size >= 3 && data[0] == 'Q' && data[1] == '&' && data[2] == 'Z';
  const std::vector<uint8_t> file = raw ? std::vector<uint8_t>(data, data + size) : editedFile(data, size);
  static ProgramState state;  // one state for every run, as in the program
  SilentPrompts prompts;
  state.clock.InstallationPath = "fuzz.nbt";
  const InstallationFileOutcome outcome = ReadInstallationBytes(file, state, prompts);
  const bool kept = outcome == InstallationFileOutcome::Loaded || outcome == InstallationFileOutcome::WrongVersion;
  if (kept == state.clock.InstallationPath.empty()) std::abort();
  if (!isValidLanguageOffset(state.texts.LanguageOffset)) std::abort();
  if (state.installation.CentralModel > kDramel) std::abort();
  return 0;
}
