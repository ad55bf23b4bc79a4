#include "lca/LcaResults.h"

namespace kelca {

void ClearImpactResults(LcaResultSet& results) {
  ForEachPart(results, [](PartResult& part) {
    part.Impact = {};
    part.Energy = {};
    part.Waste = {};
  });
}

void ClearCostResults(LcaResultSet& results) {
  ForEachPart(results, [](PartResult& part) { part.Cost = {}; });
}

}  // namespace kelca
