#pragma once
// What the chart screen does: its settings as its controls set them, the
// texts it shows, plotting, and the file an exported chart is written to. The
// screen paints Layout while Drawn is set.
#include <array>
#include <string>

#include "common/Prompts.h"
#include "lca/ChartData.h"

namespace kelca {

struct Workspace;

enum class ChartFileFormat { Png, Svg };

// The format a chart file is written in, from its extension (".svg" in any
// case gives SVG); a name with neither ".png" nor ".svg" gets ".png" appended.
ChartFileFormat ChartFileFormatOf(std::string& path);
std::string ChartNotWrittenMessage(const std::string& path);

class ChartScreenModel {
 public:
  // Opening: no case ticked, no stage chosen, bars of the ten weighted impacts.
  explicit ChartScreenModel(Workspace& ws);

  void TickCase(int caseIndex, bool ticked);   // chkBC, chkAlt, chkCur: fills or clears txtParts
  void ChooseStage(int caseIndex, int stage);  // cboStage of the case
  void ChooseCategory(int choice);             // cboCat: 0 "All", else the category
  void ChooseValueKind(int kind);              // cboLCIAStg, in LciaValueKindNames order
  // mnuLCIA .. mnuSScore and mnuBars, mnuStack: the setting, its name, and a new plot.
  void ChooseResult(ChartResult result, Prompts& prompts);
  void ChooseKind(ChartKind kind, Prompts& prompts);
  // cmdOK / mnuPlot: false, with the message shown and nothing drawn, when the chart cannot be drawn.
  bool Plot(Prompts& prompts);
  // The file a chart is exported to, "" when cancelled; format follows its name.
  std::string ChooseExportFile(Prompts& prompts, ChartFileFormat& format);

  const ChartSettings& Settings() const { return settings_; }
  std::array<std::string, kResultCases> PartsTexts;  // txtParts
  std::string KindText, ResultText;                  // txtChtTyp, txtResTyp
  bool Drawn = false;
  ChartLayout Layout;

 private:
  Workspace& ws_;
  ChartSettings settings_;
};

}  // namespace kelca
