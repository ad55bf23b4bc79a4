#pragma once
// What every test of a screen starts from: a workspace with the default
// parameters whose current folder is a temporary folder, and scripted prompts.
#include <memory>

#include "app/Workspace.h"
#include "common/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace kelca::testing {

struct WorkspaceFixture {
  WorkspaceFixture() {
    kelca::SetDefaultParameters(ws->Params);
    ws->CurrentFolder = tmp.Folder();
  }
  // A project "OFFICE.PRJ" in the temporary folder.
  void OpenProject() {
    ws->Project.ProjFileName = "OFFICE.PRJ";
    ws->Project.ProjDir = tmp.Folder();
  }

  TempFolder tmp;
  std::unique_ptr<kelca::Workspace> ws = std::make_unique<kelca::Workspace>();
  kelca::ScriptedPrompts prompts;
};

}  // namespace kelca::testing
