#include "screens/ChartScreen.h"

#include <algorithm>
#include <cctype>

#include "app/Workspace.h"
#include "screens/FileChoice.h"

namespace kelca {

namespace {
// ending in lower case.
bool EndsWithNoCase(const std::string& text, const std::string& ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char wanted, char found) { return std::tolower(static_cast<unsigned char>(found)) == wanted; });
}

template <class Enum>
const std::string& NameOf(const std::vector<std::string>& names, Enum value) {
  return names.at(static_cast<size_t>(value));
}
}  // namespace

ChartFileFormat ChartFileFormatOf(std::string& path) {
  if (EndsWithNoCase(path, ".svg")) return ChartFileFormat::Svg;
  if (!EndsWithNoCase(path, ".png")) path += ".png";
  return ChartFileFormat::Png;
}

std::string ChartNotWrittenMessage(const std::string& path) { return "Chart not exported: cannot write " + path; }

ChartScreenModel::ChartScreenModel(Workspace& ws) : ws_(ws) {
  KindText = NameOf(ChartKindNames(), settings_.Kind);
  ResultText = NameOf(ChartResultNames(), settings_.Result);
}

void ChartScreenModel::TickCase(int caseIndex, bool ticked) {
  if (caseIndex < 0 || caseIndex >= kResultCases) return;
  settings_.Cases[caseIndex].Ticked = ticked;
  PartsTexts[caseIndex] = ticked ? CasePartsText(ws_.Cases.Case[caseIndex].View) : "";
}

void ChartScreenModel::ChooseStage(int caseIndex, int stage) {
  if (caseIndex < 0 || caseIndex >= kResultCases || stage < 0 || stage >= kStages) return;
  settings_.Cases[caseIndex].Stage = stage;
}

void ChartScreenModel::ChooseCategory(int choice) {
  if (choice >= 0 && choice <= kImpactCategories) settings_.Category = choice;
}

void ChartScreenModel::ChooseValueKind(int kind) {
  if (kind >= 0 && kind < static_cast<int>(LciaValueKindNames().size())) settings_.Value = static_cast<LciaValueKind>(kind);
}

void ChartScreenModel::ChooseResult(ChartResult result, Prompts& prompts) {
  settings_.Result = result;
  ResultText = NameOf(ChartResultNames(), result);
  Plot(prompts);
}

void ChartScreenModel::ChooseKind(ChartKind kind, Prompts& prompts) {
  settings_.Kind = kind;
  KindText = NameOf(ChartKindNames(), kind);
  Plot(prompts);
}

bool ChartScreenModel::Plot(Prompts& prompts) {
  ChartLayout layout;
  const Status built =
      BuildChart(settings_, ws_.Cases, ws_.Params.CurrentWeights, ws_.Params.CurrentPrices, ws_.Project.ProjName, layout);
  Drawn = static_cast<bool>(built);
  Layout = Drawn ? std::move(layout) : ChartLayout{};
  if (!built) prompts.Message(built.message);
  return Drawn;
}

std::string ChartScreenModel::ChooseExportFile(Prompts& prompts, ChartFileFormat& format) {
  std::string path = ChooseFileToSave(
      prompts, {"Export Chart to File", "PNG Picture (*.PNG)|*.PNG|SVG Drawing (*.SVG)|*.SVG", "", ""},
      ws_.CurrentFolder);
  ReturnToProjectFolder(ws_.CurrentFolder, ws_.Project);
  if (!path.empty()) format = ChartFileFormatOf(path);
  return path;
}

}  // namespace kelca
