#pragma once
// Prompts driven by a script, for tests and for non-interactive runs: every
// call is recorded ("Message: text", "OkCancel: text", "Open: title", ...) and
// answered from the queues; an empty queue gives the safe answer (Cancel, No,
// or an empty file name).
#include <deque>
#include <string>
#include <vector>

#include "common/Prompts.h"

namespace kelca {

class ScriptedPrompts : public Prompts {
 public:
  void Message(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  Answer AskYesNoCancel(const std::string& text) override;

  // Queue the next answers.
  void QueueAnswer(Answer answer) { answers.push_back(answer); }
  void QueueFile(std::string path) { files.push_back(std::move(path)); }

  // Texts of the message boxes only, in order.
  std::vector<std::string> Messages() const;

  std::deque<Answer> answers;
  std::deque<std::string> files;
  std::vector<std::string> log;                  // every call, in order
  std::vector<FileDialogRequest> dialogs;        // every file dialog, in order, as shown

 protected:
  std::string AskOpenFileName(const FileDialogRequest& request) override;
  std::string AskSaveFileName(const FileDialogRequest& request, int& filterIndex) override;

 private:
  Answer NextAnswer(Answer fallback);
  std::string NextFile();
};

}  // namespace kelca
