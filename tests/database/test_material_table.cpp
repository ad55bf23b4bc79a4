#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "database/MaterialTable.h"
#include "support/DbFiles.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::MaterialFileText;
using kelca::testing::TempFolder;
using kelca::testing::TestMaterial;

namespace {
const TestMaterial kConcrete{12, "Concrete", "m3", 2400, 1.4f, 880, 0, 1500, 90};
const TestMaterial kSteel{13, "Steel", "kg", 7800, 45, 480, 10, 30, 8};
const TestMaterial kGlass{14, "Glass", "kg", 2500, 1, 840, 20, 15, 5};
const TestMaterial kElectricity{501, "Electricity", "MJ", 0, 0, 0, 30, 1, 0.3f};

struct Db {
  TempFolder tmp;
  std::unique_ptr<MaterialTable> table = std::make_unique<MaterialTable>();
  Status Load(const std::string& ilf, const std::string& idb) {
    tmp.Write("MATLCIA.ILF", ilf);
    tmp.Write("MATLCIA.IDB", idb);
    return LoadMaterialDatabase(tmp.File("MATLCIA.ILF"), tmp.File("MATLCIA.IDB"), *table);
  }
};
}  // namespace

TEST(MaterialDatabase, LoadsSectionsImpactsFromIdbAndWasteFromIlf) {
  Db db;
  TestMaterial concreteWaste = kConcrete;
  concreteWaste.factorBase = 100;
  concreteWaste.energy = -1;  // replaced by the .IDB value
  const auto ilf = MaterialFileText({{concreteWaste, kSteel}, {kGlass}, {kElectricity}});
  const auto idb = MaterialFileText({{kConcrete, kSteel}, {kGlass}, {kElectricity}});
  ASSERT_TRUE(db.Load(ilf, idb));
  const MaterialTable& t = *db.table;
  EXPECT_EQ(SectionCounts(t), (std::array<int, 3>{2, 1, 1}));
  // Section heads hold the count of their section and no name.
  EXPECT_EQ(std::tuple(t.MatNo[0], t.MatName[0], t.MatNo[3]), std::tuple(2, std::string(), 1));
  const int row = RowOfMaterial(t, 12);
  ASSERT_EQ(row, 1);
  EXPECT_EQ(std::tuple(t.MatName[row], t.MatUnit[row], t.MatProp[row][2]), std::tuple("Concrete", "m3", 880.0f));
  EXPECT_EQ(std::pair(t.MatImpact[row][9], t.MatEnergy[row]), std::pair(10.0f, 1500.0f));
  EXPECT_EQ(std::tuple(t.MatWasteImpact[row][0], t.MatWasteImpact[row][9], t.MatCost[row]),
            std::tuple(101.0f, 110.0f, 90.0f));
  EXPECT_EQ(std::pair(RowOfMaterial(t, 14), RowOfMaterial(t, kElectricityMat)), std::pair(4, 6));
  EXPECT_FLOAT_EQ(t.MatImpact[6][1], 32);
}

TEST(MaterialDatabase, FilesAreAlignedByPositionNotByNumber) {
  Db db;
  // The .ILF lacks steel: its second record (glass) lines up with steel of the .IDB.
  TestMaterial glassWaste = kGlass;
  glassWaste.factorBase = 200;
  const auto ilf = MaterialFileText({{kConcrete, glassWaste}, {}, {}});
  const auto idb = MaterialFileText({{kConcrete, kSteel}, {}, {}});
  ASSERT_TRUE(db.Load(ilf, idb));
  ASSERT_EQ(RowOfMaterial(*db.table, 13), 2);
  EXPECT_EQ(db.table->MatName[2], "Steel");
  EXPECT_FLOAT_EQ(db.table->MatWasteImpact[2][0], 201);  // glass's waste factors
  // The .ILF mapped glass to that row, and the .IDB never moved it.
  EXPECT_EQ(RowOfMaterial(*db.table, 14), 2);
}

TEST(MaterialDatabase, ReloadingForgetsTheOldNumbersAndNamesAndUnknownNumbersHaveNoRow) {
  Db db;
  const auto three = MaterialFileText({{kConcrete, kSteel, kGlass}, {}, {}});
  const auto one = MaterialFileText({{kSteel}, {}, {}});
  ASSERT_TRUE(db.Load(three, three));
  ASSERT_TRUE(db.Load(one, one));
  EXPECT_EQ(std::tuple(RowOfMaterial(*db.table, 13), RowOfMaterial(*db.table, 14), RowOfMaterial(*db.table, 12)),
            std::tuple(1, 0, 0));
  EXPECT_EQ(std::pair(db.table->MatName[4], db.table->MatNo[4]), std::pair(std::string(), 0));
  for (int no : {0, 99, 502, -5, 511, 40000}) EXPECT_EQ(RowOfMaterial(*db.table, no), 0) << no;
  EXPECT_EQ(db.table->MatImpact[0][1] + db.table->MatEnergy[0] + db.table->MatCost[0], 0);
}

TEST(MaterialDatabase, MalformedFilesAreRefusedWithTheFileNamed) {
  Db db;
  const auto good = MaterialFileText({{kConcrete, kSteel}, {kGlass}, {}});
  TestMaterial odd = kSteel;
  odd.no = 600;
  for (const auto& [ilf, idb, named] : std::vector<std::array<std::string, 3>>{
           {good, good.substr(0, good.size() - 30), "MATLCIA.IDB"},                 // ends inside a record
           {MaterialFileText({{kConcrete}, {}}), good, "MATLCIA.ILF"},               // only two sections
           {good, "1\r\n12,\"Concrete\",\"m3\",2400,x\r\n", "MATLCIA.IDB: line 2"},  // a text for a factor
           {MaterialFileText({{odd}, {}, {}}), good, "600"},                         // a number beyond 510
           {good, "-1\r\n", "MATLCIA.IDB"}}) {
    const Status s = db.Load(ilf, idb);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message.find(named), std::string::npos) << s.message;
  }
  const Status missing = LoadMaterialDatabase(db.tmp.File("NONE.ILF"), db.tmp.File("MATLCIA.IDB"), *db.table);
  EXPECT_NE(missing.message.find("NONE.ILF"), std::string::npos) << missing.message;
  // The rows read before the fault stay.
  EXPECT_FALSE(db.Load(good, good.substr(0, good.size() - 30)));
  EXPECT_EQ(db.table->MatName[1], "Concrete");
}

TEST(MaterialDatabase, NeverMoreThan511Rows) {
  Db db;
  std::vector<TestMaterial> many(kMaterialRows - kMaterialSections);  // 508: fills the table exactly
  for (size_t i = 0; i < many.size(); ++i) many[i] = {static_cast<int>(i), "M", "kg"};
  const auto full = MaterialFileText({many, {}, {}});
  ASSERT_TRUE(db.Load(full, full));
  EXPECT_EQ(db.table->MatNo[508], 507);

  many.push_back({508, "One too many", "kg"});
  const auto over = MaterialFileText({many, {}, {}});
  Status s = db.Load(over, over);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message.find("MATLCIA.ILF"), std::string::npos) << s.message;
  EXPECT_NE(s.message.find("511"), std::string::npos) << s.message;
  // The first two sections fill every row, leaving none for the third's head.
  const std::vector<TestMaterial> first(many.begin(), many.begin() + 507), second(many.begin() + 507, many.end());
  const auto noRoom = MaterialFileText({first, second, {}});
  s = db.Load(noRoom, noRoom);
  EXPECT_NE(s.message.find("section 3"), std::string::npos) << s.message;
}
