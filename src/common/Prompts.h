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
  bool keepTypedName = false;   // a save dialog whose caller settles the extension itself
};

// The extension of pair filterIndex of a filter (".RES" of "R (*.RES)|*.RES");
// empty when the pair has none or names any file ("*.*").
std::string FilterExtension(const std::string& filter, int filterIndex = 0);
// A file name without an extension (nothing after a dot in its last part) with
// that of the filter; any other name unchanged.
std::string WithFilterExtension(const std::string& path, const std::string& filter, int filterIndex = 0);

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
  // File dialogs return the chosen full path, or "" when cancelled. A proposed
  // name without an extension is shown with the filter's; a save dialog gives
  // a name typed without one the extension of the filter chosen, unless the
  // request keeps the typed name.
  std::string OpenFileName(FileDialogRequest request);
  std::string SaveFileName(FileDialogRequest request);

 protected:
  // The dialogs themselves. A save dialog sets filterIndex to the pair of the
  // filter the user chose where it can tell (it starts at 0).
  virtual std::string AskOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string AskSaveFileName(const FileDialogRequest& request, int& filterIndex) = 0;
};

}  // namespace kelca
