#pragma once
// The one door to the user: message boxes, questions and file dialogs. The GUI
// implements it with Qt dialogs, kelca-cli non-interactively, tests with
// ScriptedPrompts. Texts are passed exactly as they are to be shown.
#include <string>

namespace kelca {

enum class Answer { Ok, Cancel, Yes, No };

// A file dialog as the user sees it. filter uses the "Desc (*.EXT)|*.EXT" form;
// several pairs may follow one another ("A (*.A)|*.A|B (*.B)|*.B").
struct FileDialogRequest {
  std::string title{};
  std::string filter{};
  std::string initialFolder{};  // empty: the current folder
  std::string proposedName{};   // the file name the dialog starts with
  bool mayBeNew = false;        // an open dialog that also accepts the name of a file not yet made
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box with an OK button.
  virtual void Message(const std::string& text) = 0;
  // OK/Cancel: true for OK.
  virtual bool AskOkCancel(const std::string& text) = 0;
  // Yes/No: true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // Yes/No/Cancel: Answer::Yes, Answer::No or Answer::Cancel.
  virtual Answer AskYesNoCancel(const std::string& text) = 0;
  // File dialogs return the chosen full path, or "" when cancelled.
  virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string SaveFileName(const FileDialogRequest& request) = 0;
};

}  // namespace kelca
