#pragma once
// File dialogs of the assessment screens: the chosen file's folder becomes the
// current folder, and some commands return to the project folder afterwards.
#include <string>

#include "building/ProjectState.h"
#include "common/Prompts.h"

namespace kelca {

// Shows the dialog; "" when cancelled. A chosen name is resolved against the
// current folder, whose place it then takes.
std::string ChooseFileToOpen(Prompts& prompts, FileDialogRequest request, std::string& currentFolder);
std::string ChooseFileToSave(Prompts& prompts, FileDialogRequest request, std::string& currentFolder);
// Makes the project folder current again when a project folder is set.
void ReturnToProjectFolder(std::string& currentFolder, const ProjectState& project);

}  // namespace kelca
