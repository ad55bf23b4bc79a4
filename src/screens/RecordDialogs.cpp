#include "screens/RecordDialogs.h"

#include "building/GroupTypes.h"
#include "building/RecordFileNames.h"
#include "common/Paths.h"

namespace kelca {
namespace {

std::string Filter(const std::string& description, const std::string& extension) {
  return description + " (*" + extension + ")|*" + extension;
}

}  // namespace

std::string GroupFileFilter(int grpType) {
  return Filter(GroupTypeName(grpType) + " Component Group Files", GroupFileExtension(grpType));
}

std::string CompFileFilter(int grpType) {
  return Filter(GroupTypeName(grpType) + " Component files", CompFileExtension(grpType));
}

std::string ElmFileFilter(int grpType) {
  return Filter(GroupTypeName(grpType) + " Element files", ElmFileExtension(grpType));
}

std::string AskRecordPath(Prompts& prompts, const RecordSaveRequest& request, const std::string& initialFolder,
                          std::string& currentFolder) {
  if (request.File.empty()) {
    if (Status usable = CheckNameForFile(request.Name); !usable) {
      prompts.Message(usable.message);
      return "";
    }
  }
  const std::string chosen = prompts.SaveFileName(
      {request.Title, request.Filter, initialFolder.empty() ? currentFolder : initialFolder,
       ProposedRecordFileName(request.File, request.Name, request.Extension)});
  if (chosen.empty()) return "";
  // The name is checked as chosen: resolving it would take a backslash for a folder.
  std::string checked;
  if (Status usable = CheckedRecordPath(chosen, request.Extension, checked); !usable) {
    prompts.Message(usable.message);
    return "";
  }
  const std::string path = ResolvePath(currentFolder, checked);
  currentFolder = FolderOf(path);
  return path;
}

}  // namespace kelca
