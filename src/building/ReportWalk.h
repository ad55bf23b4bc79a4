#pragma once
// What the two summary reports share: their lines in the print form, the
// project's head lines and group lists, and the reading of the building's
// files, which notes the file being read (CurReadFile) for the error message.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "building/ComponentRecord.h"
#include "building/ElementRecord.h"
#include "building/GroupRecord.h"
#include "building/SummaryReports.h"
#include "common/TextWriter.h"
#include "database/ElementLibrary.h"

namespace kelca {

// The groups of one type in the project's lists.
struct GroupList {
  int GrpType = 0;
  int Count = 0;
  const std::string* Files = nullptr;
  const std::string* Names = nullptr;
  const float* Qtys = nullptr;
};
// Foundation, Floor and Services, in this order.
std::array<GroupList, 3> GroupListsOf(const ProjectState& project);

// The texts that differ by group type.
struct GroupTypeLabels {
  const char* Count;    // "No. of Floor(s):"
  const char* Heading;  // "For the Floor Group:"
  const char* Skipped;  // "However, all Floors are SKIPPED in the present selection!"
};
const GroupTypeLabels& LabelsOf(int grpType);

// A component type's name; empty outside the list.
std::string CompTypeText(const CompTypeNameList& names, int compType);
// A name with its selection word after it, the words of a list lined up.
std::string WithWord(const std::string& name, const std::string& word);

class ReportWalk {
 public:
  explicit ReportWalk(const SummaryInputs& in) : in_(in) {}

  void Line(std::string_view text) { out_.PrintLine(text); }
  void Blank() { out_.PrintLine(""); }
  // The label immediately followed by a text, or by a number in the print form.
  void Labelled(std::string_view label, std::string_view text);
  void Labelled(std::string_view label, float number);
  // One value of an element: item name, item unit, value and remark.
  void ValueLine(const std::string& item, const std::string& unit, const std::string& value,
                 const std::string& remark);

  // "Main Project File:", "Construction Floor Area (sqm):" and "The Project comprises:".
  void ProjectLines();
  // The count of a group type, then name, quantity and file of each group; the
  // name carries the group's selection word when wordOf is given.
  void GroupListLines(const GroupList& list, const std::function<std::string(int g)>& wordOf = {});

  // The readers note the file in CurReadFile and return false when it cannot
  // be read; the report then ends.
  bool ReadGroup(int grpType, const std::string& file, GroupRecord& group);
  bool ReadComponent(int grpType, const std::string& file, ComponentRecord& comp);
  bool ReadElement(int grpType, const std::string& file, ElementRecord& elm);
  // The element library of a component (by its group type and component type).
  bool LoadLibrary(int grpType, const ComponentRecord& comp, ElementLibrary& lib);
  // Ends the report with an error of its own (not a reading error).
  bool Fail(const Status& status);

  // Saves what was written and gives the report's outcome.
  Status Finish(const std::string& target, const WriteFault* fault) const;

 private:
  bool Check(const Status& read);

  const SummaryInputs& in_;
  TextWriter out_;
  std::string CurReadFile;
  Status outcome_;  // the first failure
};

}  // namespace kelca
