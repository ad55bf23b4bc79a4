// Save As Construction: the layers a floor component hands to the construction screen.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "screens/GroupCompScreen.h"
#include "support/BuildingProject.h"

using namespace kelca;

namespace {
struct Handover : ::testing::Test, kelca::testing::BuildingProject {
  Handover() {
    EditingGroup(kFloor, 0);
    // Outside first: rendered blockwork (type 10, its block thickness 0.2 m),
    // a type 0 layer of material 31, a slab (type 1, 0.25 m).
    WriteElement(kFloor, "WALL.FLE", "Wall", 10, {"100", "0.2", "0.015"});
    WriteElement(kFloor, "WOOL.FLE", "Wool", 0, {"31", "1.5", "5", "40"});
    WriteElement(kFloor, "SLAB.FLE", "Slab", 1, {"100", "0.25", "120"});
    ws->Component.CompFile = "ENV.FLC";
    ws->Component.CompName = "Envelope";
    ws->Component.CompQty = 1;
    for (const char* f : {"WALL.FLE", "WOOL.FLE", "SLAB.FLE"}) ws->Component.CompElmFile[ws->Component.CompElmCount++] = f;
    EXPECT_TRUE(WriteCompFile(tmp.Folder(), CompFileTypeCode(kFloor), ws->Component).ok);
  }
  // The editor with answers for the material data screen, asked in turn.
  std::unique_ptr<GroupCompScreenModel> Editor(std::vector<PickResult> answers) {
    auto editor = std::make_unique<GroupCompScreenModel>(*ws, prompts);
    editor->Hooks.AskMaterialData = [this, answers, n = size_t{0}](MatDataMode mode, const std::string& name) mutable {
      asked.push_back((mode == MatDataMode::Thickness ? "thickness of " : "material of ") + name);
      return n < answers.size() ? answers[n++] : PickResult{};
    };
    editor->Hooks.ShowConstructionScreen = [this](const ConstructionHandover& h) { shown.push_back(h); };
    return editor;
  }

  std::vector<std::string> asked;
  std::vector<ConstructionHandover> shown;
};

PickResult Material(int no) { return {no, "", 0}; }
PickResult Thickness(float t) { return {-1, "", t}; }
}  // namespace

TEST_F(Handover, LayersTakeTheirThicknessAndMaterialFromTheElementsOrFromTheUser) {
  auto editor = Editor({Material(13), Thickness(0.1f), Material(4)});
  ASSERT_TRUE(editor->SaveAsConstructionEnabled());
  const std::optional<ConstructionHandover> h = editor->SaveAsConstruction();
  ASSERT_TRUE(h);
  EXPECT_EQ(asked, (std::vector<std::string>{"material of Wall", "thickness of Wool", "material of Slab"}));
  ASSERT_EQ(h->Layers.size(), 3u);
  EXPECT_TRUE(h->FromComponent);
  const MaterialTable& m = ws->Materials;
  const auto expected = [&m](int no, float thickness) {
    const int row = RowOfMaterial(m, no);
    return ConstructionLayer{no, m.MatName[row], thickness, m.MatProp[row][0], m.MatProp[row][1], m.MatProp[row][2]};
  };
  EXPECT_EQ(h->Layers[0], expected(13, 0.2f));
  EXPECT_EQ(h->Layers[1], expected(31, 0.1f));
  EXPECT_EQ(h->Layers[2], expected(4, 0.25f));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Layers, h->Layers);
  EXPECT_EQ(prompts.Messages(),
            std::vector<std::string>{"Enter Outer and Inner Surface Absorptivity and Name the Construction in the next form."});
}

TEST_F(Handover, AMissingThicknessOrMaterialEndsTheHandover) {
  const struct {
    std::vector<PickResult> answers;
    const char* message;
  } cases[] = {{{Material(13), Thickness(0)}, "Failed to obtain material thickness. Try again!!"},
               {{PickResult{}}, "Failed to obtain material no. Try again!!"},
               {{Material(13), Thickness(0.1f), Material(-1)}, "Failed to obtain material no. Try again!!"}};
  for (const auto& c : cases) {
    prompts.log.clear();
    auto editor = Editor(c.answers);
    EXPECT_FALSE(editor->SaveAsConstruction());
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{c.message});
  }
  EXPECT_TRUE(shown.empty());
  ws->GrpType = kServices;
  auto services = Editor({});
  EXPECT_FALSE(services->SaveAsConstructionEnabled());
}
