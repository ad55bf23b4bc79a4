#include "lca/LccTable.h"

#include <array>

#include "common/FiniteRead.h"
#include "common/Numbers.h"
#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

const std::string& LccRowCaption(int row) {
  static const std::array<std::string, kLccRows> captions{
      "Foundation", "Envelope",        "Frame",         "Contents",    "Floors Tot.",   "HVAC",
      "Elec && Light", "Fire Services", "Lifts && Escal.", "P && D", "Services Tot.", "Building Total"};
  return captions.at(static_cast<size_t>(row));
}

std::string LccRowShownCaption(int row) {
  const std::string& caption = LccRowCaption(row);
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    shown += caption[i];
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
  }
  return shown;
}

const std::string& LccStageCaption(int stage) {
  static const std::array<std::string, kStages> captions{"Life Cycle", "As Built", "Optg (Mat'l)", "Optg (Egy)",
                                                         "Demolition"};
  return captions.at(static_cast<size_t>(stage));
}

bool IsLccInputRow(int row) {
  return row != kLccFloorsTotal && row != kLccServicesTotal && row != kLccBuildingTotal;
}

const PartResult& LccRowSource(const LcaResultSet& results, int row) {
  switch (row) {
    case kLccFoundation: return results.Fdn;
    case kLccEnvelope:
    case kLccFrame:
    case kLccContents: return results.FlrPortion[row - kLccEnvelope];
    case kLccFloorsTotal: return results.Flr;
    case kLccServicesTotal: return results.Ser;
    case kLccBuildingTotal: return results.Bldg;
    default: return results.SerPortion.at(static_cast<size_t>(row - kLccHvac));
  }
}

PartResult& LccRowSource(LcaResultSet& results, int row) {
  return const_cast<PartResult&>(LccRowSource(static_cast<const LcaResultSet&>(results), row));
}

LccValues LccValuesOf(const LcaResultSet& results) {
  LccValues values{};
  for (int row = 0; row < kLccRows; ++row) values[row] = LccRowSource(results, row).Cost;
  return values;
}

void RecomputeLccTotals(LccValues& v) {
  for (int s = 1; s < kStages; ++s) {
    v[kLccFloorsTotal][s] = v[kLccEnvelope][s] + v[kLccFrame][s] + v[kLccContents][s];
    v[kLccServicesTotal][s] = v[kLccHvac][s] + v[kLccElec][s] + v[kLccFire][s] + v[kLccLifts][s] + v[kLccPandD][s];
    v[kLccBuildingTotal][s] = v[kLccFoundation][s] + v[kLccFloorsTotal][s] + v[kLccServicesTotal][s];
  }
  for (auto& row : v) row[0] = row[1] + row[2] + row[3] + row[4];
}

void WriteLccIntoResults(const LccValues& values, LcaResultSet& results) {
  for (int row = 0; row < kLccRows; ++row) LccRowSource(results, row).Cost = values[row];
}

Status WriteLccFile(const std::string& path, const LccFileValues& values, const WriteFault* fault) {
  TextWriter w;
  for (int s = 0; s < kStages; ++s) {
    for (int row = 0; row < kLccRows; ++row) w.Line(values[row][s]);
  }
  return w.Save(path, fault);
}

Status ReadLccFile(const std::string& path, LccFileValues& values) {
  TextReader r("", "");
  if (Status opened = TextReader::Open(path, r); !opened) return opened;
  LccFileValues read{};
  for (int s = 0; s < kStages; ++s) {
    for (int row = 0; row < kLccRows; ++row) {
      if (r.ReadDouble(read[row][s]) && !FitsSingle(read[row][s])) r.Fail("a number is beyond the range of a single");
    }
  }
  if (r.Failed()) return r.Result();
  values = read;
  return Status::Ok();
}

std::string LccTableText(const LccValues& values) {
  TextWriter w;
  w.Line("", LccStageCaption(0), LccStageCaption(1), LccStageCaption(2), LccStageCaption(3), LccStageCaption(4));
  for (int row = 0; row < kLccRows; ++row) {
    const auto& v = values[row];
    w.Line(LccRowShownCaption(row), v[0], v[1], v[2], v[3], v[4]);
  }
  return w.Text();
}

}  // namespace kelca
