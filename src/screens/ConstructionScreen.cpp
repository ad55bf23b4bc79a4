#include "screens/ConstructionScreen.h"

#include "app/Workspace.h"
#include "common/ListEditing.h"
#include "common/Numbers.h"
#include "common/Paths.h"
#include "common/ValueBoxes.h"
#include "screens/FileChoice.h"

namespace kelca {

namespace {
constexpr const char* kAirGapName = "Air Gap";
constexpr const char* kConstructionFilter = "Construction File (*.CON)|*.CON";

std::string ShownMaterialName(const ConstructionLayer& layer) {
  return layer.MaterialNo == kAirGapMaterial ? kAirGapName : layer.MaterialName;
}
}  // namespace

Status LoadProjectConstructions(Workspace& ws) {
  if (ProjectIsOpen(ws.Project)) {
    ws.EnergyFiles = DeriveEnergyFileNames(ResolvePath(ws.Project.ProjDir, ws.Project.ProjFileName));
  }
  if (ws.EnergyFiles.ConFile.empty() || !FileExists(FindExistingFile(ws.EnergyFiles.ConFile))) return Status::Ok();
  Status read = ReadConstructionFile(ws.EnergyFiles.ConFile, ws.Constructions);
  if (!read) ws.Constructions = ConstructionTable{};
  return read;
}

ConstructionScreenModel::ConstructionScreenModel(Workspace& ws, ConstructionScreenMode mode, int currentNo)
    : ws_(ws),
      mode_(mode),
      table_(std::make_unique<ConstructionTable>(ws.Constructions)),
      work_(std::make_unique<Construction>()) {
  ShowWork();
  if (mode_ == ConstructionScreenMode::Select && currentNo >= 1 && currentNo <= table_->ConstructionCount) {
    PickConstruction(currentNo - 1);
  }
}

ConstructionScreenModel::~ConstructionScreenModel() = default;

const char* ConstructionScreenModel::Caption() const {
  return Editing() ? "Save/Edit Construction" : "Select Construction";
}
const char* ConstructionScreenModel::NameLabel() const {
  return Editing() ? "Enter Name for Construction" : "Name of Selected Construction";
}
const char* ConstructionScreenModel::SurfaceLabel() const {
  return work_->WindowFlag == 1 ? "Window SC" : "Absorp. (In)";
}

std::vector<std::string> ConstructionScreenModel::ConstructionNames() const {
  std::vector<std::string> names;
  for (int i = 1; i <= table_->ConstructionCount; ++i) names.push_back(table_->Item[i].Name);
  return names;
}

int ConstructionScreenModel::ConstructionCount() const { return table_->ConstructionCount; }

std::vector<std::string> ConstructionScreenModel::LayerLines() const {
  const Construction& c = *work_;
  std::vector<std::string> lines;
  for (int j = 1; j <= c.LayerCount; ++j) {
    std::string line = ShownMaterialName(c.Layer[j]) + "; Thk. " + FormatGeneral(c.Layer[j].Thickness) + "(m)";
    if (j == 1) line += "; Abs. Out " + FormatGeneral(c.SurfaceValue[0]);
    if (j == c.LayerCount && c.WindowFlag != 1) line += "; Abs. In " + FormatGeneral(c.SurfaceValue[1]);
    lines.push_back(std::move(line));
  }
  if (c.LayerCount > 0 && c.WindowFlag == 1) lines.push_back("Shading Coefficient " + FormatGeneral(c.SurfaceValue[1]));
  if (loadedHint_) {
    lines.push_back("Click Clear Data Button before selecting another construction");
    lines.push_back("to view or edit. Any changes made should be saved as a New");
    lines.push_back("construction or Changes to the selected construction.");
  }
  return lines;
}

// The boxes into the working construction and its selected layer.
void ConstructionScreenModel::StoreShown() {
  work_->Name = NameBox;
  work_->SurfaceValue = BoxValues(SurfaceBoxes);
  if (layer_ < 1 || layer_ > work_->LayerCount) return;
  ConstructionLayer& l = work_->Layer[layer_];
  l.MaterialNo = WholeOf(MatNoBox);
  l.MaterialName = l.MaterialNo == kAirGapMaterial ? kAirGapName : MatNameBox;
  l.Thickness = SingleOf(Val(ThicknessBox));
  const std::array<float, 3> props = BoxValues(PropBoxes);
  l.Density = props[0];
  l.Conductivity = props[1];
  l.SpecificHeat = props[2];
}

void ConstructionScreenModel::ShowWork() {
  NameBox = work_->Name;
  ShowValues(SurfaceBoxes, work_->SurfaceValue);
  LayerCountBox = work_->LayerCount > 0 ? std::to_string(work_->LayerCount) : "";
  layer_ = work_->LayerCount > 0 ? 1 : 0;
  ShowLayer();
}

void ConstructionScreenModel::ShowLayer() {
  if (layer_ < 1 || layer_ > work_->LayerCount) {
    MatNoBox = MatNameBox = ThicknessBox = "";
    PropBoxes = {};
    return;
  }
  const ConstructionLayer& l = work_->Layer[layer_];
  MatNoBox = std::to_string(l.MaterialNo);
  MatNameBox = ShownMaterialName(l);
  ThicknessBox = FormatGeneral(l.Thickness);
  ShowValues(PropBoxes, {l.Density, l.Conductivity, l.SpecificHeat});
}

bool ConstructionScreenModel::TakeLayers(const std::vector<ConstructionLayer>& layers) {
  if (layers.empty() || layers.size() > static_cast<size_t>(kMaxLayers)) return false;
  *work_ = Construction{};
  for (const ConstructionLayer& layer : layers) work_->Layer[++work_->LayerCount] = layer;
  position_ = -1;
  loadedHint_ = false;
  ShowWork();
  return true;
}

void ConstructionScreenModel::PickConstruction(int position) {
  if (position < 0 || position >= table_->ConstructionCount) return;
  position_ = position;
  *work_ = table_->Item[position + 1];
  loadedHint_ = Editing();
  ShowWork();
}

void ConstructionScreenModel::ChooseWall() {
  StoreShown();
  work_->WindowFlag = 0;
}

void ConstructionScreenModel::ChooseWindow() {
  StoreShown();
  work_->WindowFlag = 1;
}

void ConstructionScreenModel::EnterLayerCount(Prompts& prompts) {
  StoreShown();
  const int count = WholeOf(LayerCountBox);
  if (!list::SetCountFrom1(work_->LayerCount, count, 1, kMaxLayers, work_->Layer)) {
    prompts.Message("No. of Layers outside range!");
    LayerCountBox = std::to_string(work_->LayerCount);
    return;
  }
  layer_ = 1;
  ShowLayer();
}

void ConstructionScreenModel::SelectLayer(int layer) {
  StoreShown();
  if (layer < 1 || layer > work_->LayerCount) return;
  layer_ = layer;
  ShowLayer();
}

void ConstructionScreenModel::AddLayer(Prompts& prompts) {
  StoreShown();
  const int at = list::InsertAfterFrom1(work_->LayerCount, kMaxLayers, layer_, work_->Layer);
  if (at < 0) {
    prompts.Message("No. of layers already the maximum allowable.");
    return;
  }
  layer_ = at;
  LayerCountBox = std::to_string(work_->LayerCount);
  ShowLayer();
}

void ConstructionScreenModel::DeleteLayer(Prompts& prompts) {
  StoreShown();
  if (layer_ < 1 || layer_ > work_->LayerCount) return;
  if (!prompts.AskOkCancel("Delete the selected layer?")) return;
  list::DeleteAtFrom1(work_->LayerCount, layer_, work_->Layer);
  layer_ = std::min(layer_, work_->LayerCount);
  LayerCountBox = std::to_string(work_->LayerCount);
  ShowLayer();
}

void ConstructionScreenModel::TakeMaterial(int materialNo) {
  MatNoBox = std::to_string(materialNo);
  if (materialNo == kAirGapMaterial) {
    MatNameBox = kAirGapName;
    return;
  }
  const int row = RowOfMaterial(ws_.Materials, materialNo);
  if (row == 0) return;
  MatNameBox = ws_.Materials.MatName[row];
  const auto& prop = ws_.Materials.MatProp[row];
  ShowValues(PropBoxes, {prop[0], prop[1], prop[2]});
}

void ConstructionScreenModel::TakeMaterialNumber() {
  if (layer_ < 1) return;
  TakeMaterial(WholeOf(MatNoBox));
  StoreShown();
}

void ConstructionScreenModel::SelectMaterial(const MaterialPicker& picker) {
  if (layer_ < 1) return;
  StoreShown();
  if (!picker) {
    TakeMaterialNumber();
    return;
  }
  const int picked = picker(work_->Layer[layer_].MaterialNo);
  if (picked < 0) return;
  TakeMaterial(picked);
  StoreShown();
}

bool ConstructionScreenModel::WorkIsComplete(Prompts& prompts) const {
  if (work_->LayerCount < 1) {
    prompts.Message("Enter the layers of the construction first!");
    return false;
  }
  return true;
}

void ConstructionScreenModel::AddAsNew(Prompts& prompts) {
  StoreShown();
  if (!Editing() || !WorkIsComplete(prompts)) return;
  if (table_->ConstructionCount >= kMaxConstructions) {
    prompts.Message("No. of constructions already the maximum allowable.");
    return;
  }
  table_->Item[++table_->ConstructionCount] = *work_;
  ClearData();
}

void ConstructionScreenModel::RecordChanges(Prompts& prompts) {
  StoreShown();
  if (!Editing()) return;
  if (position_ < 0) {
    prompts.Message("Select the construction to be changed in the list first!");
    return;
  }
  if (!WorkIsComplete(prompts)) return;
  table_->Item[position_ + 1] = *work_;
}

void ConstructionScreenModel::DeleteConstruction(Prompts& prompts) {
  StoreShown();
  if (!Editing() || position_ < 0) return;
  if (!prompts.AskOkCancel("This may affect reference to Constructions in Room Input. Go ahead ?")) return;
  list::DeleteAtFrom1(table_->ConstructionCount, position_ + 1, table_->Item);
  ClearData();
}

void ConstructionScreenModel::ClearData() {
  *work_ = Construction{};
  position_ = -1;
  loadedHint_ = false;
  ShowWork();
}

bool ConstructionScreenModel::SaveConstructions(Prompts& prompts) {
  StoreShown();
  if (!Editing()) return false;
  std::string& file = ws_.EnergyFiles.ConFile;
  if (file.empty()) {
    file = ChooseFileToSave(prompts, {"Save Construction File", kConstructionFilter, "", "", false},
                            ws_.CurrentFolder);
    if (file.empty()) return false;
  }
  if (Status saved = WriteConstructionFile(file, *table_); !saved) {
    prompts.Message(saved.message);
    return false;
  }
  ws_.Constructions = *table_;
  return true;
}

bool ConstructionScreenModel::Exit(Prompts& prompts) {
  if (!Editing()) return true;
  switch (prompts.AskYesNoCancel("Save data first?")) {
    case Answer::Yes:
      return SaveConstructions(prompts);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

int ConstructionScreenModel::PickedNumber() const { return position_ >= 0 ? position_ + 1 : 0; }

std::string ConstructionScreenModel::PickedName() const {
  return position_ >= 0 ? table_->Item[position_ + 1].Name : std::string();
}

}  // namespace kelca
