#pragma once
// What the building and system input screen does: the project's three lists
// of foundation, floor and services groups with their numbers in the
// building, which of them are assessed, the construction floor area, and the
// group editor for each group (shown through ShowGroupEditor). The lists are
// the project's own: every change is in ProjectState at once.
#include <functional>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "screens/SelectionOptions.h"

namespace kelca {

struct Workspace;

class BldgSysInputScreenModel {
 public:
  // Screen load: the project folder becomes the current folder; a project
  // without a project file shows no groups.
  BldgSysInputScreenModel(Workspace& ws, Prompts& prompts);

  // Shows the group editor modally for the Workspace's GroupRecord.
  std::function<void()> ShowGroupEditor;

  const std::string& ProjNameBox() const { return projName_; }  // txtProjName (shown only)
  std::string CFABox;                                            // txtCFA

  // Per group type (100, 200, 300): the name and quantity lists and the picked line.
  std::vector<std::string> Names(int grpType) const;
  std::vector<std::string> Quantities(int grpType) const;
  int Picked(int grpType) const;
  void Pick(int grpType, int line);
  bool EditDeleteEnabled(int grpType) const { return Picked(grpType) >= 0; }

  OptionState Options(int grpType) const;
  void ChooseAll(int grpType);
  void ChooseSome(int grpType);
  void ChooseNone(int grpType);
  bool Skip(int grpType) const;           // chkFdn, chkFlr, chkSer
  void SetSkip(int grpType, bool skip);

  void Add(int grpType);       // cmdAddFoundation, cmdAddFloor, cmdAddServices
  void Edit(int grpType);      // cmdEdit..., double click on a name
  void Delete(int grpType);    // cmdDelete...
  void MoveUp(int grpType);    // cmdFdnUp, cmdFlrUp, cmdSerUp
  void MoveDown(int grpType);  // cmdFdnDn, cmdFlrDn, cmdSerDn
  // cmdReturn: the floor area is taken from its box.
  void Return();

 private:
  void OpenGroupEditor(int grpType, int g);

  Workspace& ws_;
  Prompts& prompts_;
  std::string projName_;
  int picked_[3] = {-1, -1, -1};
};

}  // namespace kelca
