#include "lca/WeightFile.h"

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

Status ReadWeightFile(const std::string& path, WeightFactors& weights, CostParams& cost) {
  TextReader reader("", "");
  if (Status opened = TextReader::Open(path, reader); !opened) return opened;
  WeightFactors newWeights{};
  CostParams newCost{};
  for (float& w : newWeights) reader.ReadSingle(w);
  for (float& c : newCost) reader.ReadSingle(c);
  if (reader.Failed()) return reader.Result();
  weights = newWeights;
  cost = newCost;
  return Status::Ok();
}

Status WriteWeightFile(const std::string& path, const WeightFactors& weights, const CostParams& cost,
                       const WriteFault* fault) {
  TextWriter writer;
  for (float w : weights) writer.Line(w);
  for (float c : cost) writer.Line(c);
  return writer.Save(path, fault);
}

}  // namespace kelca
