// How the small programs beside the main one read their arguments: "--help"
// or "-h" prints the usage, and any other argument that starts with "-" is
// an option they do not know, never a file or folder name to make.
#pragma once

#include <iostream>
#include <optional>
#include <string_view>

namespace ordalis::tools {

// The exit code when the arguments end the program before it starts: 0
// after printing the usage for "--help", 2 after printing it to the error
// stream for an unknown option or another number of operands than
// `operands`; nullopt when the program may run.
inline std::optional<int> UsageExit(int argc, char** argv, int operands, std::string_view usage) {
  bool unknownOption = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::cout << usage << "\n";
      return 0;
    }
    unknownOption = unknownOption || argument.starts_with('-');
  }
  if (!unknownOption && argc == operands + 1) return std::nullopt;
  std::cerr << usage << "\n";
  return 2;
}

}  // namespace ordalis::tools
