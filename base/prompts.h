// The user seam: every message box, question and file dialog of the program.
// Command logic asks through Prompts; the widgets implement it with
// QMessageBox / QFileDialog, and tests script the answers.
#pragma once

#include <optional>
#include <string>

namespace ordalis {

// The program title: the title of every message box that has none of its own.
inline constexpr const char* kProgramTitle = "Ordalis";
// Title of the file and communication error boxes.
inline constexpr const char* kErrorTitle = "HALVERON Domotic systems";
// Title of the ask-to-save question (no final s).
inline constexpr const char* kAskToSaveTitle = "HALVERON Domotic system";

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNoCancel, YesNo, YesCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message {
  std::string text;
  std::string title = kProgramTitle;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  // The button that Enter presses; unset means the first button.
  std::optional<Answer> defaultButton;
};

struct FileDialog {
  // Filter in the program's own form, e.g.
  // "Klok bestanden (*.clk) |*.clk|Alle bestanden (*.*) |*.*".
  std::string filter;
  std::string initialName;
  std::string title;
  bool mustExist = false;        // open: file and path must exist
  bool confirmOverwrite = false;  // save: ask before replacing a file
  std::string defaultSuffix;      // save: added to a name typed without an extension
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // Shows a message box and returns the button pressed.
  virtual Answer ask(const Message& message) = 0;
  // File dialogs; nullopt when the user cancels.
  virtual std::optional<std::string> openFileName(const FileDialog& dialog) = 0;
  virtual std::optional<std::string> saveFileName(const FileDialog& dialog) = 0;
  // The hourglass cursor on or off.
  virtual void setBusy(bool busy) {}
  virtual void beep() {}

  // Shorthand for an OK-only box.
  void tell(const std::string& text, const std::string& title = kProgramTitle,
            MessageIcon icon = MessageIcon::None) {
    ask(Message{text, title, MessageButtons::Ok, icon, std::nullopt});
  }
};

}  // namespace ordalis
