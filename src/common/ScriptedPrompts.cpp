#include "common/ScriptedPrompts.h"

namespace kelca {

Answer ScriptedPrompts::NextAnswer(Answer fallback) {
  if (answers.empty()) return fallback;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedPrompts::NextFile() {
  if (files.empty()) return "";
  std::string path = files.front();
  files.pop_front();
  return path;
}

void ScriptedPrompts::Message(const std::string& text) { log.push_back("Message: " + text); }

bool ScriptedPrompts::AskOkCancel(const std::string& text) {
  log.push_back("OkCancel: " + text);
  const Answer a = NextAnswer(Answer::Cancel);
  return a == Answer::Ok || a == Answer::Yes;
}

bool ScriptedPrompts::AskYesNo(const std::string& text) {
  log.push_back("YesNo: " + text);
  const Answer a = NextAnswer(Answer::No);
  return a == Answer::Yes || a == Answer::Ok;
}

Answer ScriptedPrompts::AskYesNoCancel(const std::string& text) {
  log.push_back("YesNoCancel: " + text);
  return NextAnswer(Answer::Cancel);
}

std::string ScriptedPrompts::AskOpenFileName(const FileDialogRequest& request) {
  log.push_back("Open: " + request.title);
  dialogs.push_back(request);
  return NextFile();
}

// The script chooses no filter: the first one stays.
std::string ScriptedPrompts::AskSaveFileName(const FileDialogRequest& request, int& /*filterIndex*/) {
  log.push_back("Save: " + request.title);
  dialogs.push_back(request);
  return NextFile();
}

std::vector<std::string> ScriptedPrompts::Messages() const {
  std::vector<std::string> texts;
  const std::string prefix = "Message: ";
  for (const auto& entry : log) {
    if (entry.rfind(prefix, 0) == 0) texts.push_back(entry.substr(prefix.size()));
  }
  return texts;
}

}  // namespace kelca
