// Running ordalis-cli from tests.
#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"

namespace ordalis::test {

std::string CliPath() { return std::string(ORDALIS_BINARY_DIR) + "/ordalis-cli"; }

CliRun RunCli(const std::string& arguments, const std::string& errDirectory) {
  const std::string err = (std::filesystem::path(errDirectory) / "stderr.txt").string();
  const std::string command = CliPath() + " " + arguments + " 2>" + err;
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = readText(err);
  return run;
}

}  // namespace ordalis::test
