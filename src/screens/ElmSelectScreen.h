#pragma once
// What the element type picker does: it lists the element types of the
// library of the current group type and component type, searches them and
// hands back the picked type.
#include <string>
#include <vector>

#include "common/Status.h"
#include "database/ElementLibrary.h"
#include "screens/ListSearch.h"
#include "screens/PickResult.h"

namespace kelca {

class ElmSelectScreenModel {
 public:
  // Opening: loads the library into lib and lists its types, type 0 (an
  // element of listed materials) first when the library has no row for it.
  // The line of the current type is picked.
  ElmSelectScreenModel(ElementLibrary& lib, const DbLocations& db, int grpType, int compType, int currentType);
  ElmSelectScreenModel(const ElmSelectScreenModel&) = delete;
  ElmSelectScreenModel& operator=(const ElmSelectScreenModel&) = delete;

  const Status& LoadStatus() const { return loaded_; }  // the library could be read
  const std::string& Head() const { return head_; }      // txtElmTypHead
  const std::vector<std::string>& Names() const { return names_; }  // lstElmTypNam
  int PickedLine() const { return picked_; }

  void Pick(int line);
  void Find(const std::string& text);  // cmdSrch
  void Next(const std::string& text);  // cmdNX
  void Ignore();                       // cmdIgnore
  PickResult Ok() const;               // cmdOK, or a double click on a line

 private:
  Status loaded_;
  std::string head_;
  std::vector<std::string> names_;
  std::vector<int> codes_;
  int picked_ = -1;
  ListSearch search_;
};

}  // namespace kelca
