#include "screens/FileChoice.h"

#include "common/Paths.h"

namespace kelca {
namespace {
std::string Chosen(const std::string& answer, std::string& currentFolder) {
  if (answer.empty()) return "";
  const std::string path = ResolvePath(currentFolder, answer);
  currentFolder = FolderOf(path);
  return path;
}

void StartInCurrentFolder(FileDialogRequest& request, const std::string& currentFolder) {
  if (request.initialFolder.empty()) request.initialFolder = currentFolder;
}
}  // namespace

std::string ChooseFileToOpen(Prompts& prompts, FileDialogRequest request, std::string& currentFolder) {
  StartInCurrentFolder(request, currentFolder);
  return Chosen(prompts.OpenFileName(request), currentFolder);
}

std::string ChooseFileToSave(Prompts& prompts, FileDialogRequest request, std::string& currentFolder) {
  StartInCurrentFolder(request, currentFolder);
  return Chosen(prompts.SaveFileName(request), currentFolder);
}

void ReturnToProjectFolder(std::string& currentFolder, const ProjectState& project) {
  if (!project.ProjDir.empty()) currentFolder = project.ProjDir;
}

}  // namespace kelca
