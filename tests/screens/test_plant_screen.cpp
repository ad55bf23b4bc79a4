// The central plant screen's model: the items and design-temperature rows of
// each plant type, counts and limits, units inserted with every field kept,
// Same, and the ".WSS" and ".NAC" files with Exit's question.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "screens/PlantScreen.h"
#include "support/WorkspaceFixture.h"

using namespace kelca;

namespace {
using Lines = std::vector<std::string>;

struct Plant : kelca::testing::WorkspaceFixture {
  PlantScreenModel& Open() {
    screen = std::make_unique<PlantScreenModel>(*ws);
    screen->Open(prompts);
    return *screen;
  }
  Lines Column(int column) const {
    Lines texts;
    for (const PlantRow& r : screen->Rows()) texts.push_back(column == 0 ? r.Item : r.Value);
    return texts;
  }
  std::unique_ptr<PlantScreenModel> screen;
};

auto Fields(const ChillerUnit& c) {
  return std::tuple(c.Type, c.RatedCapacity, c.RatedPower, c.ChwFlow, c.CwFlow, c.Capacity, c.Power);
}
}  // namespace

TEST(PlantScreen, ItemsAndDesignTemperatureRowsFollowThePlantType) {
  const std::string water = "Design water temp. entering condenser", waterOut = "Design water temp. leaving condenser";
  const std::string hx = "Design SW temp. entering HX", hxOut = "Design SW temp. leaving HX";
  const struct {
    int plantType, pumping;
    std::string enabled;  // secondary, condenser water, seawater pumps, towers
    Lines temperatures;
  } cases[] = {
      {0, 0, "----", {"Design air temp. entering condenser"}},
      {1, 2, "SC-T", {water, waterOut}},
      {2, 1, "SCS-", {water, waterOut, hx, hxOut}},
      {3, 0, "--S-", {"Design SW temp. entering condenser", "Design SW temp. leaving condenser"}},
      {4, 0, "-CST", {water, waterOut, hx, hxOut}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.plantType);
    Plant f;
    f.ws->Plant.DesignTemp3 = 28;  // a hidden row keeps its value
    PlantScreenModel& s = f.Open();
    EXPECT_EQ(s.Heading(), "Load previous input File or Select item to Edit");
    EXPECT_FALSE(s.ItemEnabled(kItemChillers));  // until a type is known
    EXPECT_TRUE(s.ItemEnabled(kItemTownGas));
    s.ShowItem(kItemPlantType);
    s.ChoosePlantType(c.plantType);
    s.ChoosePumpingType(c.pumping);
    Lines rows{"Plant Start Hour (0-23)", "Plant Stop Hour (1-24)"};
    rows.insert(rows.end(), c.temperatures.begin(), c.temperatures.end());
    EXPECT_EQ(f.Column(0), rows);
    s.EnterCell(2, "33");
    s.Confirm(f.prompts);
    EXPECT_EQ(s.Heading(), "Select item to Edit");
    EXPECT_EQ(std::pair(s.Plant().PlantType, s.Plant().PumpingType), std::pair(c.plantType, c.pumping));
    EXPECT_EQ(std::pair(s.Plant().DesignTemp1, s.Plant().DesignTemp3), std::pair(33.0f, 28.0f));
    for (int always : {kItemChillers, kItemPrimaryPumps, kItemAdditionalHvac, kItemFreshAirUnits}) {
      EXPECT_TRUE(s.ItemEnabled(always));
    }
    std::string shown;
    for (const auto& [item, letter] : {std::pair(kItemSecondaryPumps, 'S'), std::pair(kItemCondenserPumps, 'C'),
                                       std::pair(kItemSeawaterPumps, 'S'), std::pair(kItemCoolingTowers, 'T')}) {
      shown += s.ItemEnabled(item) ? letter : '-';
    }
    EXPECT_EQ(shown, c.enabled);
    // The condenser water flow of a chiller only where there is condenser water.
    s.ShowItem(kItemChillers);
    s.CountBox = "1";
    s.EnterCount(f.prompts);
    const Lines items = f.Column(0);
    EXPECT_EQ(std::find(items.begin(), items.end(), "Condenser water flow rate") != items.end(), c.plantType != 0);
    f.prompts.QueueAnswer(Answer::No);
    EXPECT_TRUE(s.Exit(f.prompts));
    EXPECT_EQ(f.prompts.log, Lines{"YesNoCancel: Save data before closing this form?"});
  }
}

TEST(PlantScreen, CountsAndLimitsAndAUnitInsertedInTheMiddleKeepsEveryField) {
  Plant f;
  PlantInput& p = f.ws->Plant;
  p.ChillerCount = 3;
  for (int i = 1; i <= 3; ++i) p.Chiller[i] = {i % 3, 100.0f * i, 20.0f * i, 4.1f * i, 5.3f * i, 7.0f * i, 2.0f * i};
  const PlantInput before = p;
  PlantScreenModel& s = f.Open();
  s.ShowItem(kItemChillers);  // air-cooled: the condenser water flow is not shown
  EXPECT_EQ(s.CountBox, "3");
  EXPECT_EQ(f.Column(2), (Lines{"Recip.", "100", "20", "4.1"}));
  for (const char* count : {"0", "11"}) {
    s.CountBox = count;
    s.EnterCount(f.prompts);
  }
  s.AddUnit(f.prompts);  // after chiller 1
  EXPECT_EQ(s.Unit(), 2);
  EXPECT_EQ(f.Column(2), (Lines{"Centri.", "0", "0", "0"}));
  const PlantInput& shown = s.Plant();
  EXPECT_EQ(Fields(shown.Chiller[1]), Fields(before.Chiller[1]));
  EXPECT_EQ(Fields(shown.Chiller[3]), Fields(before.Chiller[2]));
  EXPECT_EQ(Fields(shown.Chiller[4]), Fields(before.Chiller[3]));
  EXPECT_EQ(shown.Chiller[0].RatedCapacity, 0.0f);  // the totals' slot stays out of it

  // Same takes the previous unit's values; typed values and types are stored with the unit.
  s.SameAsPrevious();
  s.EnterCell(1, "150");
  s.ChooseUnitType(2);  // Screw
  s.SelectUnit(1);
  EXPECT_EQ(Fields(shown.Chiller[2]), std::tuple(2, 150.0f, 20.0f, 4.1f, 0.0f, 0.0f, 0.0f));
  for (int i = 0; i < 7; ++i) s.AddUnit(f.prompts);
  s.ShowItem(kItemFreshAirUnits);
  s.CountBox = "12";
  s.Confirm(f.prompts);  // OK applies the typed count too
  s.ShowItem(kItemTownGas);
  EXPECT_EQ(f.Column(0), Lines{});
  EXPECT_EQ(f.prompts.Messages(),
            (Lines{"No. of Chillers must be within 1 to 10", "No. of Chillers must be within 1 to 10",
                   "No. of chillers defined already the maximum allowable!!", "No. of Systems must be within 1 to 10"}));
  EXPECT_EQ(shown.ChillerCount, 10);
}

TEST(PlantScreen, PlantAndNonACFilesAreSavedAndLoadedOneAfterTheOther) {
  Plant f;
  f.OpenProject();
  PlantScreenModel& s = f.Open();
  EXPECT_TRUE(f.prompts.log.empty());  // no ".WSS" file yet
  s.ShowItem(kItemPlantType);
  s.EnterCell(1, "18");
  s.Confirm(f.prompts);
  s.ShowItem(kItemLiftsEscalators);
  s.CountBox = "1";
  s.EnterCount(f.prompts);
  s.NameBox = "Lifts";
  s.EnterCell(0, "12.5");
  f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
  f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
  EXPECT_TRUE(s.Save(f.prompts));
  EXPECT_EQ(f.prompts.dialogs[0].proposedName, "OFFICE.WSS");
  EXPECT_EQ(f.prompts.dialogs[1].title, "Save Input Data For Non-AC Services");
  EXPECT_TRUE(s.Exit(f.prompts));  // saved: no question
  EXPECT_EQ(f.prompts.log.size(), 2u);
  EXPECT_EQ(f.ws->NonAC.Electric[kLiftsEscalators].System[1].PowerDemand, 12.5f);
  // An air-cooled plant still writes the empty lists; five empty non-AC groups are five zeros.
  EXPECT_NE(f.tmp.Read("OFFICE.WSS").find("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"), std::string::npos);
  EXPECT_EQ(f.tmp.Read("OFFICE.NAC"),
            "\"Non-AC Services Data for Project: \"\r\n0\r\n0\r\n1\r\n\"Lifts\"\r\n12.5,0,0\r\n0\r\n0\r\n");

  f.ws->Plant = {};
  f.ws->NonAC = {};
  f.prompts = {};
  f.prompts.QueueFile(f.tmp.File("OFFICE.WSS"));
  f.prompts.QueueFile(f.tmp.File("OFFICE.NAC"));
  PlantScreenModel& again = f.Open();
  EXPECT_EQ(f.prompts.log, (Lines{"Open: Read Central Plant Input Data", "Open: Read Input Data For Non-AC Services"}));
  EXPECT_EQ(again.Plant().StopHour, 18);
  EXPECT_EQ(again.NonAC().Electric[kLiftsEscalators].System[1].Name, "Lifts");
  EXPECT_TRUE(again.ItemEnabled(kItemChillers));
}
