#include <windows.h>

#include "platform/folder.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/wide.h"

namespace platform {

bool ListFolder(const std::u16string& folder, const FolderVisitor& visit) {
  if (folder.find(u'\0') != std::u16string::npos) return false;
  // "*" matches every name whatever the path's form; "*.*" means the same
  // only by a rule of the plain form's.
  const std::u16string pattern = folder + u"\\*";
  WIN32_FIND_DATAW data{};
  const UniqueFindHandle find(FindFirstFileW(LongPath(pattern).c_str(), &data));
  if (!find) return false;
  do {
    FolderEntry entry;
    entry.name = FromWide(data.cFileName);
    entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.isHidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    entry.isSystem = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    if (!visit(entry)) break;
  } while (FindNextFileW(find.get(), &data));
  return true;
}

}  // namespace platform
