// Runs the built ordalis-cli as a user's script would and collects what it
// printed and how it ended.
#pragma once

#include <string>

namespace ordalis::test {

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

// The path of the built ordalis-cli.
std::string CliPath();

// Runs ordalis-cli with the arguments (a shell-quoted command line); stderr
// is collected through a file in errDirectory.
CliRun RunCli(const std::string& arguments, const std::string& errDirectory);

}  // namespace ordalis::test
