#pragma once
// What the component editor does: one component of a group (name, type,
// number in the group) with its list of at most 20 elements, each edited in
// place: name, element type, and the values in a grid whose items come from
// the element library. It saves elements and components to their files, sets
// which elements are assessed, opens the material override frame and hands a
// floor component's layers to the construction screen. The form shows what is
// held here and forwards each event; the pickers are shown through the hooks.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "building/ComponentRecord.h"
#include "common/Prompts.h"
#include "screens/ChgElmDFrame.h"
#include "screens/ConstructionHandover.h"
#include "screens/InpMatDataScreen.h"
#include "screens/PickResult.h"

namespace kelca {

struct Workspace;

extern const char* const kElementLimitMessage;       // "No. of Elements defined already reached the Max. (20)!"
extern const char* const kElementSaveFailedQuestion;  // "Click OK to Ignore All Changes Make; ..."
extern const char* const kCompReturnQuestion;         // "Press Yes to save data before closing this form; ..."
extern const char* const kLayerOrderNote;             // Label3
extern const char* const kPendingCellHint;            // "Click Enter when finished"
extern const char* const kIdleCellHint;               // "Click Cell then Edit Here >"
extern const char* const kPendingCellMark;            // ">_"

constexpr int kGridItems = 16;    // rows 1..16 of msgElm: items k = 0..15
constexpr int kGridColumns = 4;   // "Item", "Unit", "Value", "Remark"
constexpr int kValueColumn = 2;
constexpr int kRemarkColumn = 3;

// The screens the component editor shows; a hook left empty is not offered.
struct GroupCompHooks {
  std::function<PickResult(int currentType)> PickElementType;                       // frmElmSelect
  std::function<PickResult()> PickMaterial;                                          // frmMatLib
  std::function<PickResult(MatDataMode mode, const std::string& elmName)> AskMaterialData;  // frmInpMatData
  std::function<void(const ConstructionHandover&)> ShowConstructionScreen;          // the construction screen
};

class GroupCompScreenModel {
 public:
  // Screen load: the component in the Workspace's ComponentRecord is read
  // from its file when it has one; a new one has no type chosen.
  GroupCompScreenModel(Workspace& ws, Prompts& prompts);

  GroupCompHooks Hooks;

  // Captions from the group type.
  std::string WindowCaption() const;  // "Floor Component and Elements"
  std::string GrpNameCaption() const;   // lblGrpName
  std::string CompNameCaption() const;  // lblCompName
  std::string CompNoCaption() const;    // lblCompNo
  std::vector<std::string> CompTypeChoices() const;  // cboCompType

  // The component.
  std::string GrpNameBox;   // txtGrpName (shown only)
  std::string CompNameBox;  // txtCompName
  std::string CompNoBox;    // txtCompNo
  int CompTypeIndex() const { return compType_; }
  void ChooseCompType(int index);  // cboCompType
  bool ShowsLayerNote() const;     // Label3: floor Envelope and Frame
  bool Saved() const { return saved_; }

  // The element list (lstElm) and the list commands.
  std::vector<std::string> ElementLines() const;
  int PickedElement() const { return picked_; }
  void PickElement(int line);
  void AddElement();     // cmdAddElm
  void EditElement();    // cmdEditElm, double click in lstElm
  void DeleteElement();  // cmdDeleteElm
  void MoveElementUp();    // cmdElmUp
  void MoveElementDown();  // cmdElmDn
  // "Assess Element?" for the picked line, shown when the group and the
  // component have places in the selection tables.
  bool AssessShown() const;
  bool AssessYes() const;
  void SetAssess(bool yes);  // Option1 "Yes", Option2 "No"

  // Enabled states.
  bool Editing() const { return editing_; }  // an element is being edited
  bool ListEnabled() const { return !editing_; }  // lstElm, cmdAddElm, cmdElmUp, cmdElmDn
  bool EditDeleteEnabled() const { return !editing_ && picked_ >= 0; }
  bool ElementCommandsEnabled() const { return editing_; }  // cmdLoadElm, cmdSaveElm, cmdElmType, cmdChgElmD
  bool LoadComponentEnabled() const { return !existing_; }  // mnuFLComp
  bool SaveAsConstructionEnabled() const;                    // mnuFSCons

  // The element being edited.
  std::string ElmNameBox;  // txtElmName
  const std::string& ElmTypeCaption() const { return elmTypeCaption_; }  // lblElmType
  void LoadElement();       // cmdLoadElm
  void ChooseElementType();  // cmdElmType ">", double click on lblElmType
  void SaveElement();       // cmdSaveElm "Save Element & Return"

  // The grid msgElm: row 0..15 is item k; a pending cell shows ">_".
  std::string CellText(int row, int column) const;
  const std::string& GridValue(int row, int column) const { return grid_[row][column]; }
  void ClickCell(int row, int column);
  void EnterCell();  // cmdEnter
  void ClearCell() { CellBox.clear(); }  // cmdClrTxt
  bool CellPending() const { return pendingRow_ >= 0; }
  std::string CellBox;  // txtmsgCell
  const char* CellHint() const { return pendingRow_ >= 0 ? kPendingCellHint : kIdleCellHint; }  // lblEditmsgCell

  // cmdChgElmD "Edit": the material override frame of the element being edited.
  void OpenOverrides();
  ChgElmDFrameModel& Overrides() { return overrides_; }
  void PickOverrideMaterial();  // cmdSelMat "<"

  void SaveComponent();  // mnuFSComp
  void LoadComponent();  // mnuFLComp
  // mnuFReturn, mnuDirRet: true when the screen closes.
  bool Return();
  // mnuFSCons: the layers of the component, handed to the construction screen
  // when its hook is set; nothing when an element fails to give its layer.
  std::optional<ConstructionHandover> SaveAsConstruction();

 private:
  bool ReadElement(const std::string& file);
  void ShowElement();
  void FillGrid();
  void ClearElementDisplay();
  void ReadGridBack();
  bool ValuesWithoutGaps();
  void EndElementEditing(int pick);
  bool ReadComponent(const std::string& file);
  std::array<bool, kElementSlots>& Flags();
  bool LoadLibrary();
  std::optional<ConstructionLayer> LayerOf(int e);

  Workspace& ws_;
  Prompts& prompts_;
  ChgElmDFrameModel overrides_;
  int compType_ = -1;
  bool existing_ = false;
  bool saved_ = true;
  bool editing_ = false;
  bool newElement_ = false;
  int picked_ = -1;
  std::string elmTypeCaption_;
  std::array<std::array<std::string, kGridColumns>, kGridItems> grid_{};
  int pendingRow_ = -1, pendingColumn_ = -1;
  std::array<bool, kElementSlots> noFlags_{};  // stands in when the component has no place in the tables
};

}  // namespace kelca
