// The bundled Kelport database: read with the program's own readers, checked
// against its source tables, and its operations programs run on sample values.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "building/ElementRecord.h"
#include "common/FileIO.h"
#include "database/ElementLibrary.h"
#include "database/MaterialTable.h"
#include "database/OperationsFile.h"
#include "database/StackProgram.h"
#include "datagen/DatabaseBuild.h"
#include "lca/AssessmentParameters.h"
#include "support/TempFolder.h"

using namespace kelca;
namespace fs = std::filesystem;

namespace {

const std::string kDb = std::string(KELCA_SOURCE_DIR) + "/data/db/";
const std::string kSrc = std::string(KELCA_SOURCE_DIR) + "/data/src/";

struct BundledDatabase : ::testing::Test {
  BundledDatabase() {
    const Status s = LoadMaterialDatabase(kDb + "MATLCIA.ILF", kDb + "MATLCIA.IDB", *table);
    EXPECT_TRUE(s.ok) << s.message;
    const Status src = datagen::LoadDatabaseSource(kSrc, *source);
    EXPECT_TRUE(src.ok) << src.message;
  }

  std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
  std::unique_ptr<datagen::DatabaseSource> source = std::make_unique<datagen::DatabaseSource>();
};

}  // namespace

TEST_F(BundledDatabase, HoldsTheThreeSectionsOfEveryMaterial) {
  const auto counts = SectionCounts(*table);
  EXPECT_GE(counts[0], 60);
  EXPECT_GE(counts[1], 20);
  EXPECT_EQ(counts[2], 2);
  EXPECT_EQ(static_cast<size_t>(counts[0] + counts[1] + counts[2]), source->Materials.size());
  for (const auto& m : source->Materials) {
    const int row = RowOfMaterial(*table, m.No);
    ASSERT_GT(row, 0) << m.Name;
    EXPECT_EQ(table->MatName[row], m.Name);
    // Every material warms the climate, costs something and (but for
    // refrigerants and energy carriers) leaves landfill impacts behind.
    EXPECT_GT(table->MatImpact[row][1], 0) << m.Name;
    EXPECT_GT(table->MatEnergy[row], 0) << m.Name;
    EXPECT_GT(table->MatCost[row], 0) << m.Name;
    EXPECT_EQ(table->MatWasteImpact[row][1] > 0, m.Landfill != "none") << m.Name;
    // Building materials are layers of constructions: they need their three properties.
    if (m.Section == 1) {
      EXPECT_LT(m.No, 100);
      for (float p : table->MatProp[row]) EXPECT_GT(p, 0) << m.Name;
    }
    // The energy carriers are counted per MJ.
    if (m.Section == 3) {
      EXPECT_EQ(table->MatEnergy[row], 1.0f);
      EXPECT_EQ(table->MatUnit[row], "MJ");
    }
  }
  for (int no : {kElectricityMat, kTownGasMat}) EXPECT_GT(RowOfMaterial(*table, no), 0) << no;
}

TEST_F(BundledDatabase, ElectricityIsTheNormalisationReference) {
  AssessmentParameters params;
  SetDefaultParameters(params);
  const int row = RowOfMaterial(*table, kElectricityMat);
  for (int c = 0; c < kImpactCategories; ++c) {
    const float nf = params.DefaultNorms[c + 1];
    EXPECT_EQ(table->MatImpact[row][c], static_cast<float>(static_cast<double>(nf) / 1e6)) << "category " << c + 1;
    EXPECT_EQ(table->MatWasteImpact[row][c], 0.0f);
  }
  EXPECT_NEAR(table->MatCost[row] * 3.6, params.DefaultPrices[kElectricityPrice], 1e-6);
  EXPECT_NEAR(table->MatCost[RowOfMaterial(*table, kTownGasMat)], params.DefaultPrices[kTownGasPrice], 1e-7);
}

TEST_F(BundledDatabase, RegeneratesByteForByteFromItsSources) {
  kelca::testing::TempFolder tmp;
  fs::copy_file(kDb + "README.md", tmp.File("README.md"));
  const Status s = datagen::WriteDatabase(*source, tmp.Folder());
  ASSERT_TRUE(s.ok) << s.message;
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(tmp.Folder())) {
    if (!entry.is_regular_file()) continue;
    const std::string rel = fs::relative(entry.path(), tmp.Folder()).string();
    std::string made, committed;
    ASSERT_TRUE(ReadFileBytes(entry.path().string(), made).ok);
    ASSERT_TRUE(ReadFileBytes(kDb + rel, committed).ok) << rel << " is not in data/db";
    EXPECT_TRUE(made == committed) << rel << " differs from what make_database writes; run it again";
    ++compared;
  }
  EXPECT_GT(compared, 150);
}

TEST_F(BundledDatabase, EveryLibraryLoadsWithItsTypes) {
  for (const auto& lib : source->Libraries) {
    ElementLibrary loaded;
    const std::string elb = kDb + lib.Name + "/" + lib.Name + ".ELB";
    const Status s = LoadElmLibFile(elb, loaded);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(loaded.ElmLibTitle, lib.Title);
    EXPECT_GE(loaded.ElmLibCount, 10) << lib.Name;
    EXPECT_EQ(static_cast<size_t>(loaded.ElmLibCount), lib.Types.size());
    for (const auto& type : lib.Types) {
      const int row = ElmLibRowOf(loaded, type.Code);
      ASSERT_GE(row, 0) << lib.Name << " " << type.Code;
      EXPECT_EQ(ElmTypeName(loaded, type.Code), type.Name);
      for (size_t k = 0; k < type.Items.size(); ++k) {
        EXPECT_EQ(ElmItemName(loaded, row, static_cast<int>(k)), type.Items[k].Name);
        EXPECT_EQ(ElmItemUnit(loaded, row, static_cast<int>(k)), type.Items[k].Unit);
      }
      EXPECT_TRUE(ElmItemName(loaded, row, static_cast<int>(type.Items.size())).empty());
    }
  }
}

// Each operations file, read and run by the calculation's own code on the
// sample values of its type, gives the quantity its formula gives.
TEST_F(BundledDatabase, OperationsProgramsGiveTheirFormulasQuantities) {
  int blocks = 0;
  for (const auto& lib : source->Libraries) {
    for (const auto& type : lib.Types) {
      std::array<std::string, kElementValueSlots> values{};
      for (size_t k = 0; k < type.Items.size(); ++k) values[k] = type.Items[k].Sample;
      for (const char* ext : {".IMP", ".CST"}) {
        const std::string path = kDb + lib.Name + "/E" + std::to_string(type.Code) + ext;
        OperationsFile ops;
        const OperationsStatus read = ReadOperationsFile(path, ops);
        ASSERT_TRUE(read) << read.detail;
        ASSERT_EQ(ops.Blocks.size(), type.Materials.size()) << path;
        for (size_t b = 0; b < ops.Blocks.size(); ++b) {
          const MaterialBlock& block = ops.Blocks[b];
          const auto& src = type.Materials[b];
          const std::string where = path + " block " + std::to_string(b + 1) + " " + block.Description;
          EXPECT_EQ(block.Description, src.Description);
          EXPECT_GT(RowOfMaterial(*table, block.DefaultMatNo), 0) << where;
          EXPECT_TRUE(block.Wastage >= 0 && block.Wastage <= 20) << where;
          EXPECT_TRUE(block.Life == 0 || block.Life >= 5) << where;
          const StackResult q = EvaluateOperations(block.Lines, values, *table, MaterialSubstitution{});
          ASSERT_TRUE(q) << where << ": " << q.Fault;
          EXPECT_GT(q.X, 0) << where;
          const double expected = src.Quantity.Evaluate(
              [&](int item) { return std::stod(values[item - 1]); },
              [&](int mat, int p) { return table->MatProp[RowOfMaterial(*table, mat)][p]; });
          EXPECT_NEAR(q.X, expected, 1e-4 * std::fabs(expected)) << where << ": " << src.Quantity.Text();
          ++blocks;
        }
      }
    }
  }
  EXPECT_GT(blocks, 400);
}
