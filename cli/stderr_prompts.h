// The CLI's user: every message box goes to stderr as its text and is
// answered with its default button; file dialogs are cancelled.
#pragma once

#include <iostream>

#include "app/prompts.h"

namespace ordalis::cli {

class StderrPrompts : public Prompts {
 public:
  Answer ask(const Message& message) override {
    std::cerr << message.text << "\n";
    if (message.defaultButton) return *message.defaultButton;
    switch (message.buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel: return Answer::Yes;
      case MessageButtons::RetryCancel: return Answer::Retry;
      case MessageButtons::AbortRetryIgnore: return Answer::Abort;
      default: return Answer::Ok;
    }
  }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

}  // namespace ordalis::cli
