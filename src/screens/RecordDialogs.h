#pragma once
// The file dialogs of the group, component and element editors: their
// filters, and the choice of the file a record is saved to.
#include <string>

#include "common/Prompts.h"

namespace kelca {

// "Floor Component Group Files (*.FLR)|*.FLR", "Floor Component files (*.FLC)|*.FLC",
// "Floor Element files (*.FLE)|*.FLE".
std::string GroupFileFilter(int grpType);
std::string CompFileFilter(int grpType);
std::string ElmFileFilter(int grpType);

struct RecordSaveRequest {
  std::string Title;
  std::string Filter;
  std::string Extension;  // appended to a chosen name that does not end in it
  std::string File;       // the record's file; proposed when set
  std::string Name;       // the record's name; proposed with the extension otherwise
};

// Asks where a record goes: the dialog starts in the project folder
// (initialFolder) and the chosen folder becomes the current folder. A name
// that cannot make a file name is refused with a message before the dialog, a
// chosen name that cannot be a file after it. "" when refused or cancelled.
std::string AskRecordPath(Prompts& prompts, const RecordSaveRequest& request, const std::string& initialFolder,
                          std::string& currentFolder);

}  // namespace kelca
