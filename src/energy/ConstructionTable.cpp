#include "energy/ConstructionTable.h"

#include <memory>

#include "common/TextReader.h"
#include "common/TextWriter.h"

namespace kelca {

LayerProperties EffectiveLayerProperties(const ConstructionLayer& layer) {
  if (layer.MaterialNo != kAirGapMaterial) {
    return {layer.Thickness, layer.Density, layer.Conductivity, layer.SpecificHeat};
  }
  return {layer.Thickness, 0.0f, 5.5798f * layer.Thickness + 0.023472f, 0.0f};
}

Status WriteConstructionFile(const std::string& path, const ConstructionTable& table) {
  TextWriter w;
  w.Line(table.ConstructionCount);
  for (int i = 1; i <= table.ConstructionCount; ++i) {
    const Construction& c = table.Item[i];
    w.Line(c.Name, c.WindowFlag, c.LayerCount);
    w.Line(c.SurfaceValue[0], c.SurfaceValue[1]);
    for (int j = 1; j <= c.LayerCount; ++j) {
      const ConstructionLayer& l = c.Layer[j];
      w.Line(l.MaterialNo, l.MaterialName, l.Thickness, l.Density, l.Conductivity, l.SpecificHeat);
    }
  }
  return w.Save(path);
}

namespace {
bool ReadConstruction(TextReader& in, Construction& c) {
  if (!(in.ReadString(c.Name) && in.ReadInt(c.WindowFlag) &&
        in.ReadCount(c.LayerCount, 0, kMaxLayers, "the number of layers") && in.ReadSingle(c.SurfaceValue[0]) &&
        in.ReadSingle(c.SurfaceValue[1]))) {
    return false;
  }
  for (int j = 1; j <= c.LayerCount; ++j) {
    ConstructionLayer& l = c.Layer[j];
    if (!(in.ReadInt(l.MaterialNo) && in.ReadString(l.MaterialName) && in.ReadSingle(l.Thickness) &&
          in.ReadSingle(l.Density) && in.ReadSingle(l.Conductivity) && in.ReadSingle(l.SpecificHeat))) {
      return false;
    }
  }
  return true;
}
}  // namespace

Status ReadConstructionFile(const std::string& path, ConstructionTable& table) {
  TextReader in("", "");
  if (Status opened = TextReader::Open(path, in); !opened) return opened;
  auto read = std::make_unique<ConstructionTable>();
  if (in.ReadCount(read->ConstructionCount, 0, kMaxConstructions, "the number of constructions")) {
    for (int i = 1; i <= read->ConstructionCount; ++i) {
      if (!ReadConstruction(in, read->Item[i])) break;
    }
  }
  table = std::move(*read);
  return in.Result();
}

}  // namespace kelca
