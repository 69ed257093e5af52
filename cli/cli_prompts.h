// The user seam for the command line: no one answers questions there, so
// every message goes to stderr and every question gets its cautious answer
// (Cancel, No or Abort); file dialogs are cancelled.
#pragma once

#include <iostream>

#include "base/prompts.h"

namespace ordalis::cli {

class CliPrompts final : public Prompts {
 public:
  Answer ask(const Message& message) override {
    std::cerr << message.text << "\n";
    switch (message.buttons) {
      case MessageButtons::Ok: return Answer::Ok;
      case MessageButtons::YesNo: return Answer::No;
      case MessageButtons::AbortRetryIgnore: return Answer::Abort;
      default: return Answer::Cancel;
    }
  }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

}  // namespace ordalis::cli
