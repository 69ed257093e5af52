// A Prompts that plays the user from a script: it answers message boxes and
// file dialogs from queues and records everything it was shown, so a test
// can check texts, titles, buttons and icons.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/prompts.h"

namespace ordalis::test {

class ScriptedPrompts : public Prompts {
 public:
  // Queued answers; a message box with no queued answer gets its default
  // button (or OK), a file dialog with none is cancelled.
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> fileNames;

  std::vector<Message> shown;
  std::vector<FileDialog> openDialogs;
  std::vector<FileDialog> saveDialogs;
  int busyDepth = 0;

  Answer ask(const Message& message) override {
    shown.push_back(message);
    if (answers.empty()) return message.defaultButton.value_or(Answer::Ok);
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> openFileName(const FileDialog& dialog) override {
    openDialogs.push_back(dialog);
    return nextFileName();
  }
  std::optional<std::string> saveFileName(const FileDialog& dialog) override {
    saveDialogs.push_back(dialog);
    return nextFileName();
  }
  void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

  // The texts of every message shown, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const Message& m : shown) result.push_back(m.text);
    return result;
  }

 private:
  std::optional<std::string> nextFileName() {
    if (fileNames.empty()) return std::nullopt;
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace ordalis::test
