#pragma once
// The two summary reports of a project as stored on disk: the input summary
// (every group, component, element and element value) and the selection
// summary (the same tree down to the elements, marked with what is selected).
// Both read the group, component and element files depth first in list order
// and write the report in the print form with CR LF line ends.
#include <string>

#include "building/ProjectState.h"
#include "building/SelectionTables.h"
#include "common/FileIO.h"
#include "common/Status.h"
#include "database/MaterialTable.h"

namespace kelca {

struct SummaryInputs {
  const ProjectState& Project;
  const DbLocations& Db;  // where the element libraries lie
  std::string Folder;     // where the group, component and element files are looked up
};

// Each writer replaces target and returns "Report written to file: " & target
// as the message of a good status. A target that cannot be written gives
// "Failed to open " & target & " for output!"; a file of the building (or an
// element library) that cannot be read ends the report, the target keeps what
// was written up to there, and the message begins with
// "Error encountered. Currently reading from:" & that file, the reason on the
// next line.
Status WriteInputSummary(const SummaryInputs& in, const std::string& target, const WriteFault* fault = nullptr);
Status WriteSelectionSummary(const SummaryInputs& in, const SelectionTables& sel, const std::string& target,
                             const WriteFault* fault = nullptr);

// "All" for a weight of 1, "Some" for one between 0 and 1, "None" for 0 (or less).
std::string SelectionWord(float weight);
// "Yes" or "No".
std::string SelectionWord(bool flag);

// The selection of group g of a group type (its GrpSel, its components'
// CompSel and their elements' ElmSel).
struct GroupSelection {
  float GrpSel = 0;
  const std::array<float, kMaxGroupComponents>* CompSel = nullptr;
  const std::array<std::array<bool, kElementSlots>, kMaxGroupComponents>* ElmSel = nullptr;
};
// Any other group type code gives "Error in Component type!!"; a group index
// outside the type's tables an error naming it.
Status GroupSelectionOf(const SelectionTables& sel, int grpType, int g, GroupSelection& out);

}  // namespace kelca
