#include "screens/GroupCompScreen.h"

#include <algorithm>

#include "app/Workspace.h"
#include "building/ElementTypes.h"
#include "building/GroupTypes.h"
#include "common/FiniteRead.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "screens/FileChoice.h"
#include "screens/ListSearch.h"
#include "screens/RecordDialogs.h"

namespace kelca {

const char* const kElementLimitMessage = "No. of Elements defined already reached the Max. (20)!";
const char* const kElementSaveFailedQuestion =
    "Click OK to Ignore All Changes Make; Click Cancel to Continue with Editing Element Data.";
const char* const kCompReturnQuestion =
    "Press Yes to save data before closing this form; No to skip saving; and Cancel to abort.";
const char* const kLayerOrderNote =
    "Sequential order of the elements in the list shall be from outdoor (or top) to indoor (or bottom).";
const char* const kPendingCellHint = "Click Enter when finished";
const char* const kIdleCellHint = "Click Cell then Edit Here >";
const char* const kPendingCellMark = ">_";

namespace {
const char* const kEditingElementQuestion = "The element being edited is not saved. Close without saving it?";
const char* const kOverridesNeedFileMessage =
    "Save the element first: its user values are kept in a file beside the element file.";
}  // namespace

GroupCompScreenModel::GroupCompScreenModel(Workspace& ws, Prompts& prompts)
    : ws_(ws), prompts_(prompts), overrides_(ws.Materials) {
  LoadCompTypeNames(ws_.GrpType, ws_.CompTypeNames);
  GrpNameBox = ws_.Group.GrpName;
  ws_.FileTypeCode = CompFileTypeCode(ws_.GrpType);
  if (!ws_.Component.CompFile.empty()) {
    existing_ = true;
    ws_.Component.CompElmCount = 0;  // nothing of another component shows when the file cannot be read
    ReadComponent(ws_.Component.CompFile);
  }
  saved_ = true;
}

// Captions ------------------------------------------------------------------

std::string GroupCompScreenModel::WindowCaption() const { return ws_.GrpTypeName + " Component and Elements"; }
std::string GroupCompScreenModel::GrpNameCaption() const { return ws_.GrpTypeName + " Name"; }
std::string GroupCompScreenModel::CompNameCaption() const { return ws_.GrpTypeName + " Component Name"; }
std::string GroupCompScreenModel::CompNoCaption() const { return "No. in this " + ws_.GrpTypeName; }

std::vector<std::string> GroupCompScreenModel::CompTypeChoices() const {
  std::vector<std::string> choices;
  for (const std::string& name : ws_.CompTypeNames) {
    if (!name.empty()) choices.push_back(name);
  }
  return choices;
}

void GroupCompScreenModel::ChooseCompType(int index) {
  compType_ = index >= 0 && index < static_cast<int>(CompTypeChoices().size()) ? index : -1;
}

bool GroupCompScreenModel::ShowsLayerNote() const { return ws_.GrpType == kFloor && (compType_ == 0 || compType_ == 1); }

bool GroupCompScreenModel::SaveAsConstructionEnabled() const {
  return ws_.GrpType == kFloor && static_cast<bool>(Hooks.ShowConstructionScreen);
}

// The component file ----------------------------------------------------------

bool GroupCompScreenModel::ReadComponent(const std::string& file) {
  ComponentRecord read = ws_.Component;
  read.CompFile = file;
  const Status status = ReadCompFile(ws_.CurrentFolder, CompFileTypeCode(ws_.GrpType), read);
  if (!status) {
    prompts_.Message(status.message);
    return false;
  }
  ws_.Component = read;
  CompNameBox = read.CompName;
  CompNoBox = FormatGeneral(read.CompQty);
  ChooseCompType(read.CompType);
  picked_ = -1;
  return true;
}

void GroupCompScreenModel::LoadComponent() {
  if (existing_) return;
  const std::string path = ChooseFileToOpen(
      prompts_, {"Load a " + ws_.GrpTypeName + " Component File", CompFileFilter(ws_.GrpType), ws_.Project.ProjDir, ""},
      ws_.CurrentFolder);
  // A component from another folder is not yet the project's: Return asks to save it.
  if (!path.empty() && ReadComponent(path)) saved_ = FolderOf(path) == WithTrailingSlash(ws_.Project.ProjDir);
}

void GroupCompScreenModel::SaveComponent() {
  if (compType_ < 0) return prompts_.Message("Component type not defined!!");
  if (CompNameBox.empty()) return prompts_.Message("Component Name not defined!!");
  if (CompNoBox.empty()) return prompts_.Message("No. of Identical Components not defined!!");
  const std::string path = AskRecordPath(
      prompts_,
      {"Save " + ws_.GrpTypeName + " Component As", CompFileFilter(ws_.GrpType), CompFileExtension(ws_.GrpType),
       ws_.Component.CompFile, CompNameBox},
      ws_.Project.ProjDir, ws_.CurrentFolder);
  if (path.empty()) return;
  ComponentRecord saved = ws_.Component;
  saved.CompFile = FileNameOf(path);
  saved.CompName = CompNameBox;
  saved.CompType = compType_;
  saved.CompQty = SingleOf(Val(CompNoBox));
  if (Status written = WriteCompFile(FolderOf(path), CompFileTypeCode(ws_.GrpType), saved); !written) {
    prompts_.Message(written.message);
    return;
  }
  ws_.Component = saved;
  saved_ = true;
}

bool GroupCompScreenModel::Return() {
  if (editing_ && !prompts_.AskOkCancel(kEditingElementQuestion)) return false;
  if (saved_) return true;
  switch (prompts_.AskYesNoCancel(kCompReturnQuestion)) {
    case Answer::Yes:
      SaveComponent();
      return saved_;
    case Answer::No: return true;
    default: return false;
  }
}

// The element list ------------------------------------------------------------

std::vector<std::string> GroupCompScreenModel::ElementLines() const {
  const ComponentRecord& c = ws_.Component;
  return {c.CompElmName.begin(), c.CompElmName.begin() + std::clamp(c.CompElmCount, 0, kMaxComponentElements)};
}

std::array<bool, kElementSlots>& GroupCompScreenModel::Flags() {
  std::array<bool, kElementSlots>* flags = ElementFlags(ws_.Selection, ws_.GrpType, ws_.CurGrp, ws_.CurComp);
  return flags ? *flags : noFlags_;
}

void GroupCompScreenModel::PickElement(int line) {
  if (editing_) return;
  picked_ = line >= 0 && line < ws_.Component.CompElmCount ? line : -1;
  ClearElementDisplay();
}

bool GroupCompScreenModel::AssessShown() const { return ws_.CurGrp >= 0 && ws_.CurComp >= 0 && picked_ >= 0; }

bool GroupCompScreenModel::AssessYes() const {
  const auto* flags = ElementFlags(ws_.Selection, ws_.GrpType, ws_.CurGrp, ws_.CurComp);
  return AssessShown() && flags && (*flags)[picked_];
}

void GroupCompScreenModel::SetAssess(bool yes) {
  if (AssessShown()) Flags()[picked_] = yes;
}

void GroupCompScreenModel::AddElement() {
  if (editing_) return;
  if (ws_.Component.CompElmCount >= kMaxComponentElements) return prompts_.Message(kElementLimitMessage);
  ws_.Element = ElementRecord{};
  ws_.Element.ElmType = -1;
  newElement_ = true;
  editing_ = true;
  ClearElementDisplay();
}

void GroupCompScreenModel::EditElement() {
  if (editing_ || picked_ < 0) return;
  ws_.CurElm = picked_;
  if (!ReadElement(ws_.Component.CompElmFile[picked_])) return;
  newElement_ = false;
  editing_ = true;
}

// Element flags move with their elements, so that each keeps its choice.
void GroupCompScreenModel::DeleteElement() {
  ComponentRecord& c = ws_.Component;
  if (editing_ || !list::DeleteAt(c.CompElmCount, picked_, c.CompElmFile, c.CompElmName, c.CompElmType, Flags())) {
    return;
  }
  picked_ = -1;
  saved_ = false;
}

void GroupCompScreenModel::MoveElementUp() {
  ComponentRecord& c = ws_.Component;
  if (editing_ || !list::MoveUp(c.CompElmCount, picked_, c.CompElmFile, c.CompElmName, c.CompElmType, Flags())) {
    return;
  }
  --picked_;
  saved_ = false;
}

void GroupCompScreenModel::MoveElementDown() {
  ComponentRecord& c = ws_.Component;
  if (editing_ || !list::MoveDown(c.CompElmCount, picked_, c.CompElmFile, c.CompElmName, c.CompElmType, Flags())) {
    return;
  }
  ++picked_;
  saved_ = false;
}

// The element being edited ------------------------------------------------------

// Reads into a copy, so that a file that cannot be read leaves the element as it was.
bool GroupCompScreenModel::ReadElement(const std::string& file) {
  ElementRecord read;
  read.ElmFile = file;
  ws_.FileTypeCode = ElmFileTypeCode(ws_.GrpType);
  if (Status status = ReadElmFile(ws_.CurrentFolder, ws_.FileTypeCode, ws_.GrpTypeName, read); !status) {
    prompts_.Message(status.message);
    return false;
  }
  ws_.Element = read;
  ElmNameBox = read.ElmName;
  LoadLibrary();
  ShowElement();
  return true;
}

bool GroupCompScreenModel::LoadLibrary() {
  if (compType_ < 0) return false;
  if (Status loaded = LoadElmLib(ws_.Db, ws_.GrpType, compType_, ws_.ElmLib); !loaded) {
    prompts_.Message(loaded.message);
    return false;
  }
  return true;
}

void GroupCompScreenModel::ShowElement() {
  elmTypeCaption_ = ElementTypeNameOf(ws_.ElmLib, ws_.Element.ElmType);
  FillGrid();
}

void GroupCompScreenModel::FillGrid() {
  const ElementRecord& elm = ws_.Element;
  for (int k = 0; k < kGridItems; ++k) {
    grid_[k][0] = ElementItemName(ws_.ElmLib, elm.ElmType, k);
    grid_[k][1] = ElementItemUnit(ws_.ElmLib, elm.ElmType, k);
  }
  for (int k = 0; k < kGridItems; ++k) grid_[k][kValueColumn] = grid_[k][kRemarkColumn] = "";
  for (int k = 0; k < kGridItems && !elm.ElmValue[k].empty(); ++k) {
    grid_[k][kValueColumn] = elm.ElmValue[k];
    grid_[k][kRemarkColumn] = elm.ElmRemark[k];
  }
}

void GroupCompScreenModel::ClearElementDisplay() {
  ElmNameBox.clear();
  elmTypeCaption_.clear();
  grid_ = {};
  CellBox.clear();
  pendingRow_ = pendingColumn_ = -1;
}

void GroupCompScreenModel::ReadGridBack() {
  for (int k = 0; k < kGridItems; ++k) {
    ws_.Element.ElmValue[k] = grid_[k][kValueColumn];
    ws_.Element.ElmRemark[k] = grid_[k][kRemarkColumn];
  }
}

void GroupCompScreenModel::LoadElement() {
  if (!editing_) return;
  const std::string path = ChooseFileToOpen(
      prompts_, {"Load a " + ws_.GrpTypeName + " Element File", ElmFileFilter(ws_.GrpType), ws_.Project.ProjDir, ""},
      ws_.CurrentFolder);
  if (!path.empty()) ReadElement(path);
}

void GroupCompScreenModel::ChooseElementType() {
  if (!editing_ || !Hooks.PickElementType) return;
  if (compType_ < 0) return prompts_.Message("Component type not defined!!");
  const PickResult picked = Hooks.PickElementType(ws_.Element.ElmType);
  if (!picked.Picked()) return;
  ws_.Element.ElmType = picked.PickedNo;
  elmTypeCaption_ = picked.PickedName;
  LoadLibrary();
  ReadGridBack();  // the values stay; the items are the new type's
  FillGrid();
}

// The values end at the first empty one: a value below a gap would be lost.
bool GroupCompScreenModel::ValuesWithoutGaps() {
  for (int k = 0; k + 1 < kGridItems; ++k) {
    if (!grid_[k][kValueColumn].empty()) continue;
    for (int later = k + 1; later < kGridItems; ++later) {
      if (grid_[later][kValueColumn].empty()) continue;
      prompts_.Message("Item " + std::to_string(k + 1) + " has no value, so the values below it would not be saved. " +
                       "Enter a value (0 if none) or clear the values below it.");
      return false;
    }
    return true;
  }
  return true;
}

void GroupCompScreenModel::SaveElement() {
  if (!editing_) return;
  if (CellPending()) EnterCell();
  if (ElmNameBox.empty() || ws_.Element.ElmType < 0) return prompts_.Message("Element Type or Name missing!!");
  if (!ValuesWithoutGaps()) return;
  ws_.Element.ElmName = ElmNameBox;
  ReadGridBack();

  const std::string path = AskRecordPath(
      prompts_,
      {"Save " + ws_.GrpTypeName + " Element As", ElmFileFilter(ws_.GrpType), ElmFileExtension(ws_.GrpType),
       ws_.Element.ElmFile, ws_.Element.ElmName},
      ws_.Project.ProjDir, ws_.CurrentFolder);
  if (path.empty()) return;
  ElementRecord saved = ws_.Element;
  saved.ElmFile = FileNameOf(path);
  ws_.FileTypeCode = ElmFileTypeCode(ws_.GrpType);
  if (Status written = WriteElmFile(FolderOf(path), ws_.FileTypeCode, saved); !written) {
    prompts_.Message(written.message);
    if (!prompts_.AskOkCancel(kElementSaveFailedQuestion)) return;  // go on editing, nothing lost
    overrides_.Exit();
    return EndElementEditing(newElement_ ? picked_ : ws_.CurElm);
  }
  ws_.Element = saved;

  ComponentRecord& c = ws_.Component;
  int at = ws_.CurElm;
  if (newElement_) {
    at = list::InsertBelowPicked(c.CompElmCount, kMaxComponentElements, picked_, c.CompElmFile, c.CompElmName,
                                 c.CompElmType, Flags());
    if (at < 0) {
      prompts_.Message(kElementLimitMessage);
      return EndElementEditing(picked_);
    }
    Flags()[at] = true;  // a new element is assessed
  }
  c.CompElmFile[at] = saved.ElmFile;
  c.CompElmName[at] = saved.ElmName;
  c.CompElmType[at] = saved.ElmType;
  saved_ = false;
  EndElementEditing(at);
}

void GroupCompScreenModel::EndElementEditing(int pick) {
  editing_ = false;
  newElement_ = false;
  ClearElementDisplay();
  picked_ = pick >= 0 && pick < ws_.Component.CompElmCount ? pick : -1;
}

// The grid ------------------------------------------------------------------------

std::string GroupCompScreenModel::CellText(int row, int column) const {
  if (row == pendingRow_ && column == pendingColumn_) return kPendingCellMark;
  return grid_[row][column];
}

void GroupCompScreenModel::ClickCell(int row, int column) {
  if (!editing_ || CellPending() || row < 0 || row >= kGridItems || column < kValueColumn || column >= kGridColumns) {
    return;
  }
  if (column == kValueColumn && ws_.Element.ElmType == kOwnMaterialsType && IsOwnMaterialNumber(row) &&
      Hooks.PickMaterial) {
    const PickResult picked = Hooks.PickMaterial();
    if (picked.Picked()) {
      grid_[row][kValueColumn] = std::to_string(picked.PickedNo);
      grid_[row][kRemarkColumn] = picked.PickedName;
      return;
    }
  }
  pendingRow_ = row;
  pendingColumn_ = column;
  CellBox = grid_[row][column];
}

void GroupCompScreenModel::EnterCell() {
  if (!CellPending()) return;
  grid_[pendingRow_][pendingColumn_] = CellBox;
  CellBox.clear();
  pendingRow_ = pendingColumn_ = -1;
}

// Material overrides --------------------------------------------------------------

void GroupCompScreenModel::OpenOverrides() {
  if (!editing_) return;
  if (ws_.Element.ElmType < 0) return prompts_.Message("Element Type or Name missing!!");
  if (ws_.Element.ElmFile.empty()) return prompts_.Message(kOverridesNeedFileMessage);
  if (CellPending()) EnterCell();
  ElementRecord shown = ws_.Element;
  for (int k = 0; k < kGridItems; ++k) shown.ElmValue[k] = grid_[k][kValueColumn];
  overrides_.Open(shown, ResolvePath(ws_.CurrentFolder, shown.ElmFile), ElmFileTypeCode(ws_.GrpType), compType_,
                  ws_.Db, prompts_);
}

void GroupCompScreenModel::PickOverrideMaterial() {
  if (overrides_.Visible() && Hooks.PickMaterial) overrides_.TakeMaterial(Hooks.PickMaterial());
}

// Save As Construction --------------------------------------------------------------

namespace {

// The value of the element's thickness item (in metres), when its type has one.
std::optional<float> ThicknessItem(const ElementLibrary& lib, const ElementRecord& elm) {
  for (int k = 0; k < kGridItems; ++k) {
    const std::string name = ToLowerAscii(ElementItemName(lib, elm.ElmType, k));
    if (name.find("thickness") != std::string::npos && ElementItemUnit(lib, elm.ElmType, k) == "m" &&
        !elm.ElmValue[k].empty()) {
      return SingleOf(Val(elm.ElmValue[k]));
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ConstructionLayer> GroupCompScreenModel::LayerOf(int e) {
  ElementRecord elm;
  elm.ElmFile = ws_.Component.CompElmFile[e];
  if (Status read = ReadElmFile(ws_.CurrentFolder, ElmFileTypeCode(ws_.GrpType), ws_.GrpTypeName, elm); !read) {
    prompts_.Message(read.message);
    return std::nullopt;
  }
  ConstructionLayer layer;
  std::optional<float> thickness;
  if (elm.ElmType == kOwnMaterialsType) {
    layer.MaterialNo = static_cast<int>(RoundHalfEven(SingleOf(Val(elm.ElmValue[0]))));
  } else {
    thickness = ThicknessItem(ws_.ElmLib, elm);
  }
  if (!thickness) thickness = Hooks.AskMaterialData(MatDataMode::Thickness, elm.ElmName).PickedThickness;
  if (!(*thickness > 0)) {
    prompts_.Message("Failed to obtain material thickness. Try again!!");
    return std::nullopt;
  }
  if (elm.ElmType != kOwnMaterialsType) {
    layer.MaterialNo = Hooks.AskMaterialData(MatDataMode::Material, elm.ElmName).PickedNo;
  }
  const int row = layer.MaterialNo >= 0 ? MaterialRowOrNone(ws_.Materials, layer.MaterialNo) : -1;
  if (row < 0) {
    prompts_.Message("Failed to obtain material no. Try again!!");
    return std::nullopt;
  }
  layer.MaterialName = ws_.Materials.MatName[row];
  layer.Thickness = *thickness;
  layer.Density = ws_.Materials.MatProp[row][0];
  layer.Conductivity = ws_.Materials.MatProp[row][1];
  layer.SpecificHeat = ws_.Materials.MatProp[row][2];
  return layer;
}

std::optional<ConstructionHandover> GroupCompScreenModel::SaveAsConstruction() {
  if (ws_.GrpType != kFloor || editing_ || !Hooks.AskMaterialData) return std::nullopt;
  if (ws_.Component.CompElmCount < 1) {
    prompts_.Message("A construction is made of the elements of the component: add its elements first!");
    return std::nullopt;
  }
  LoadLibrary();
  ConstructionHandover handover;
  for (int e = 0; e < ws_.Component.CompElmCount; ++e) {
    std::optional<ConstructionLayer> layer = LayerOf(e);
    if (!layer) return std::nullopt;
    handover.Layers.push_back(*layer);
  }
  prompts_.Message("Enter Outer and Inner Surface Absorptivity and Name the Construction in the next form.");
  if (Hooks.ShowConstructionScreen) Hooks.ShowConstructionScreen(handover);
  return handover;
}

}  // namespace kelca
