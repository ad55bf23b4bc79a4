#pragma once
// What the group editor does: one group (name, number in the building, file)
// with its list of components, each with its type and number in the group;
// loading and saving the group file, which components are assessed, and the
// component editor for each component (shown through ShowComponentEditor).
#include <functional>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "screens/SelectionOptions.h"

namespace kelca {

struct Workspace;

extern const char* const kGroupReturnQuestion;  // "Save data before closing this form?"

class AddGroupScreenModel {
 public:
  // Screen load: a group with a file (GroupRecord's GrpFile) is read from it;
  // a new one may be loaded from another group file instead.
  AddGroupScreenModel(Workspace& ws, Prompts& prompts);

  // Shows the component editor modally for the Workspace's ComponentRecord.
  std::function<void()> ShowComponentEditor;

  // Captions from the group type.
  std::string WindowCaption() const;     // "Floor"
  std::string GroupNameCaption() const;  // lblGroupName
  std::string GroupFileCaption() const;  // lblGrpFileName
  std::string ComponentsCaption() const;  // lblGrpComp
  std::string LoadCaption() const;       // cmdLoadGroup
  std::string SaveCaption() const;       // cmdSaveGroup
  std::string CompNoCaption() const;     // lblGrpCNo: "No. in Flr"

  std::string GroupNameBox;  // txtGroupName
  std::string GroupNoBox;    // txtGroupNo
  const std::string& GroupFileBox() const { return fileBox_; }  // txtGrpFileName

  // The three parallel lists lstGrpComp, lstGrpType, lstGrpCNo.
  std::vector<std::string> ComponentNames() const;
  std::vector<std::string> ComponentTypes() const;
  std::vector<std::string> ComponentNumbers() const;
  int Picked() const { return picked_; }
  void Pick(int line);

  OptionState Options() const;  // Option1 All, Option2 Some, Option3 None
  void ChooseAll();
  void ChooseSome();
  void ChooseNone();

  bool EditDeleteEnabled() const { return picked_ >= 0; }
  bool LoadEnabled() const { return newGroup_; }  // cmdLoadGroup
  // Nothing unsaved: no change to the component list since the last save or
  // load, and the name and number boxes show what the record holds.
  bool Saved() const;

  void AddComponent();     // cmdAddGrpComp
  void EditComponent();    // cmdEditGrpComp, double click in lstGrpComp
  void DeleteComponent();  // cmdDeleteGrpComp
  void MoveUp();           // cmdGrpCUp
  void MoveDown();         // cmdGrpCDn
  void LoadGroup();        // cmdLoadGroup
  void SaveGroup();        // cmdSaveGroup
  // cmdReturn: true when the screen closes; the caller then reads GroupRecord.
  bool Return();

 private:
  bool ReadGroup(const std::string& file);
  void ResetGroupSelection();

  Workspace& ws_;
  Prompts& prompts_;
  std::string fileBox_;
  int picked_ = -1;
  bool newGroup_ = false;
  bool saved_ = true;
};

}  // namespace kelca
