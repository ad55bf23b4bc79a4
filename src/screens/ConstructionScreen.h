#pragma once
// What the construction screen (frmSelCons) does. In edit mode it edits a copy
// of the construction table and writes the construction file; in select mode
// it picks a construction for a fabric component. The working construction is
// edited through the boxes: the screen stores typed texts into them before
// each command and shows the boxes, lists and labels afterwards.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Prompts.h"
#include "common/Status.h"
#include "energy/ConstructionTable.h"

namespace kelca {

struct Workspace;

enum class ConstructionScreenMode { Edit, Select };

// The material choice of the layer editor: given the layer's material number,
// returns the number of the material picked, or -1 when none was picked. The
// layer then takes the material's name and properties from the material table.
using MaterialPicker = std::function<int(int currentMaterialNo)>;

// Derives the project's energy file names (when a project is open) and reads
// the construction table from its file when the file exists; a file that
// cannot be read leaves the table empty and gives its message.
Status LoadProjectConstructions(Workspace& ws);

class ConstructionScreenModel {
 public:
  // Select mode starts on construction currentNo (1-based; 0 for none).
  ConstructionScreenModel(Workspace& ws, ConstructionScreenMode mode, int currentNo = 0);
  ~ConstructionScreenModel();

  // The component editor's "Save As Construction": the component's layers,
  // outside first (material number, name, thickness, density, conductivity,
  // specific heat), become the working construction, which the user then names,
  // gives its absorptivities and adds. False (nothing taken) for no layers or
  // more than the 20 a construction holds.
  bool TakeLayers(const std::vector<ConstructionLayer>& layers);

  void PickConstruction(int position);  // lstCons click (0-based list position)
  void ChooseWall();                    // OptWall
  void ChooseWindow();                  // OptWindow
  void EnterLayerCount(Prompts& prompts);  // cmdEntNo
  void SelectLayer(int layer);             // cboElmNo (1-based)
  void AddLayer(Prompts& prompts);         // cmdAddLay
  void DeleteLayer(Prompts& prompts);      // cmdDelLay
  // txtMatNo typed: material 0 is "Air Gap"; a number of the material table
  // brings its name and properties; any other number keeps what is typed.
  void TakeMaterialNumber();
  void SelectMaterial(const MaterialPicker& picker);  // cmdSelMat
  void AddAsNew(Prompts& prompts);            // cmdAdd
  void RecordChanges(Prompts& prompts);       // cmdChg
  void DeleteConstruction(Prompts& prompts);  // cmdDel
  void ClearData();                           // cmdClr
  bool SaveConstructions(Prompts& prompts);   // mnuFSaveAll: false when nothing was written
  bool Exit(Prompts& prompts);                // mnuExit: true when the screen closes

  // cmdOkay in select mode: the picked construction (number >= 1, name), or 0.
  int PickedNumber() const;
  std::string PickedName() const;

  ConstructionScreenMode Mode() const { return mode_; }
  const char* Caption() const;
  const char* NameLabel() const;
  const char* SurfaceLabel() const;  // "Absorp. (In)" or "Window SC"
  bool Editing() const { return mode_ == ConstructionScreenMode::Edit; }
  std::vector<std::string> ConstructionNames() const;  // lstCons
  int ConstructionCount() const;                       // txtNCons
  int ListPosition() const { return position_; }       // -1 when none is picked
  std::vector<std::string> LayerLines() const;          // lstElmIC
  int LayerCount() const { return work_->LayerCount; }  // cboElmNo holds 1..LayerCount
  int SelectedLayer() const { return layer_; }          // 0 when none
  int WindowFlag() const { return work_->WindowFlag; }
  const ConstructionTable& Table() const { return *table_; }

  // The boxes of the working construction and of its selected layer.
  std::string NameBox;                    // txtConsNam
  std::array<std::string, 2> SurfaceBoxes;  // txtAbs
  std::string LayerCountBox;              // txtNElmInC
  std::string MatNoBox, MatNameBox, ThicknessBox;  // txtMatNo, txtMatNam, txtMatThk
  std::array<std::string, 3> PropBoxes;            // txtProp: density, conductivity, specific heat

 private:
  void StoreShown();
  void ShowWork();
  void ShowLayer();
  void TakeMaterial(int materialNo);
  bool WorkIsComplete(Prompts& prompts) const;

  Workspace& ws_;
  ConstructionScreenMode mode_;
  std::unique_ptr<ConstructionTable> table_;
  std::unique_ptr<Construction> work_;
  int position_ = -1;
  int layer_ = 0;
  bool loadedHint_ = false;
};

}  // namespace kelca
