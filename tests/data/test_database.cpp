// The bundled Kelport database: read with the program's own readers, checked
// against its source tables, and its operations programs run on sample values.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "building/ElementRecord.h"
#include "common/FileIO.h"
#include "datagen/DatabaseBuild.h"
#include "lca/AssessmentParameters.h"
#include "building/ElementLibrary.h"
#include "lca/MaterialTable.h"
#include "lca/OperationsFile.h"
#include "lca/StackProgram.h"
#include "support/TempFolder.h"

using namespace kelca;
namespace fs = std::filesystem;

namespace {

const std::string kDb = std::string(KELCA_SOURCE_DIR) + "/data/db/";
const std::string kSrc = std::string(KELCA_SOURCE_DIR) + "/data/src/";

class BundledDatabase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = std::make_unique<MaterialTable>();
    const Status s = LoadMaterialDatabase(kDb + "MATLCIA.ILF", kDb + "MATLCIA.IDB", *table_);
    ASSERT_TRUE(s.ok) << s.message;
    source_ = std::make_unique<datagen::DatabaseSource>();
    const Status src = datagen::LoadDatabaseSource(kSrc, *source_);
    ASSERT_TRUE(src.ok) << src.message;
  }
  static void TearDownTestSuite() {
    table_.reset();
    source_.reset();
  }
  static const MaterialTable& Table() { return *table_; }
  static const datagen::DatabaseSource& Source() { return *source_; }

 private:
  static std::unique_ptr<MaterialTable> table_;
  static std::unique_ptr<datagen::DatabaseSource> source_;
};
std::unique_ptr<MaterialTable> BundledDatabase::table_;
std::unique_ptr<datagen::DatabaseSource> BundledDatabase::source_;

std::array<std::string, kElementValueSlots> SampleValues(const datagen::ElementTypeSource& type) {
  std::array<std::string, kElementValueSlots> values{};
  for (size_t k = 0; k < type.Items.size(); ++k) values[k] = type.Items[k].Sample;
  return values;
}

}  // namespace

TEST_F(BundledDatabase, HoldsTheThreeSections) {
  const auto counts = SectionCounts(Table());
  EXPECT_GE(counts[0], 60);
  EXPECT_GE(counts[1], 20);
  EXPECT_EQ(counts[2], 2);
  EXPECT_EQ(static_cast<size_t>(counts[0] + counts[1] + counts[2]), Source().Materials.size());
  for (int no : {kElectricityMat, kTownGasMat}) {
    const int row = RowOfMaterial(Table(), no);
    ASSERT_GT(row, 0) << no;
    EXPECT_EQ(Table().MatUnit[row], "MJ");
  }
  for (const auto& m : Source().Materials) {
    const int row = RowOfMaterial(Table(), m.No);
    ASSERT_GT(row, 0) << m.Name;
    EXPECT_EQ(Table().MatName[row], m.Name);
    const bool carrier = m.Section == 3;
    for (int c = 0; c < kImpactCategories; ++c) {
      EXPECT_TRUE(std::isfinite(Table().MatImpact[row][c]) && std::isfinite(Table().MatWasteImpact[row][c]));
    }
    // Every material warms the climate, costs something and (but for
    // refrigerants and energy carriers) leaves landfill impacts behind.
    EXPECT_GT(Table().MatImpact[row][1], 0) << m.Name;
    EXPECT_GT(Table().MatEnergy[row], 0) << m.Name;
    EXPECT_GT(Table().MatCost[row], 0) << m.Name;
    if (m.Landfill != "none") {
      EXPECT_GT(Table().MatWasteImpact[row][1], 0) << m.Name;
    }
    // Building materials are layers of constructions: they need their three properties.
    if (m.Section == 1) {
      EXPECT_LT(m.No, 100);
      for (float p : Table().MatProp[row]) EXPECT_GT(p, 0) << m.Name;
    }
    if (carrier) {
      EXPECT_EQ(Table().MatEnergy[row], 1.0f);
    }
  }
}

TEST_F(BundledDatabase, ElectricityIsTheNormalisationReference) {
  AssessmentParameters params;
  SetDefaultParameters(params);
  const int row = RowOfMaterial(Table(), kElectricityMat);
  for (int c = 0; c < kImpactCategories; ++c) {
    const float nf = params.DefaultNorms[c + 1];
    EXPECT_EQ(Table().MatImpact[row][c], static_cast<float>(static_cast<double>(nf) / 1e6)) << "category " << c + 1;
    // 1 TJ of electricity normalises to 1 in every category.
    EXPECT_NEAR(Table().MatImpact[row][c] * 1e6 / nf, 1.0, 1e-6);
    EXPECT_EQ(Table().MatWasteImpact[row][c], 0.0f);
  }
  EXPECT_NEAR(Table().MatCost[row] * 3.6, params.DefaultPrices[kElectricityPrice], 1e-6);
  EXPECT_NEAR(Table().MatCost[RowOfMaterial(Table(), kTownGasMat)], params.DefaultPrices[kTownGasPrice], 1e-7);
}

TEST_F(BundledDatabase, MissingCategoriesFollowGlobalWarming) {
  AssessmentParameters params;
  SetDefaultParameters(params);
  const auto& nf = params.DefaultNorms;
  for (const auto& m : Source().Materials) {
    const int row = RowOfMaterial(Table(), m.No);
    for (int c : m.DerivedCategories) {
      // The derived category normalises to the same value as global warming.
      const double gwp = Table().MatImpact[row][1] / nf[2];
      EXPECT_NEAR(Table().MatImpact[row][c - 1] / nf[c], gwp, 1e-5 * std::fabs(gwp)) << m.Name << " category " << c;
    }
  }
}

TEST_F(BundledDatabase, RegeneratesByteForByteFromItsSources) {
  kelca::testing::TempFolder tmp;
  fs::copy_file(kDb + "README.md", tmp.File("README.md"));
  const Status s = datagen::WriteDatabase(Source(), tmp.Folder());
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
  for (const auto& lib : Source().Libraries) {
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
  for (const auto& lib : Source().Libraries) {
    for (const auto& type : lib.Types) {
      const auto values = SampleValues(type);
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
          EXPECT_GT(RowOfMaterial(Table(), block.DefaultMatNo), 0) << where;
          EXPECT_GE(block.Wastage, 0) << where;
          EXPECT_LE(block.Wastage, 20) << where;
          EXPECT_TRUE(block.Life == 0 || block.Life >= 5) << where;
          const StackResult q = EvaluateOperations(block.Lines, values, Table(), MaterialSubstitution{});
          ASSERT_TRUE(q) << where << ": " << q.Fault;
          EXPECT_TRUE(std::isfinite(q.X)) << where;
          EXPECT_GT(q.X, 0) << where;
          const double expected = src.Quantity.Evaluate(
              [&](int item) { return std::stod(values[item - 1]); },
              [&](int mat, int p) { return Table().MatProp[RowOfMaterial(Table(), mat)][p]; });
          EXPECT_NEAR(q.X, expected, 1e-4 * std::fabs(expected)) << where << ": " << src.Quantity.Text();
          ++blocks;
        }
      }
    }
  }
  EXPECT_GT(blocks, 400);
}
