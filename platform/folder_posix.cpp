#include <dirent.h>
#include <sys/stat.h>

#include "platform/folder.h"
#include "platform/text.h"
#include "platform/unique_resource.h"

namespace platform {
namespace {

struct DirTraits {
  static bool IsSet(DIR* dir) { return dir != nullptr; }
  static void Free(DIR* dir) { closedir(dir); }
};
using UniqueDir = UniqueResource<DIR*, DirTraits>;

}  // namespace

bool ListFolder(const std::u16string& folder, const FolderVisitor& visit) {
  if (folder.find(u'\0') != std::u16string::npos) return false;
  const std::string base = Utf16ToUtf8(folder);
  const UniqueDir dir(opendir(base.empty() ? "/" : base.c_str()));
  if (dir.get() == nullptr) return false;
  while (const dirent* item = readdir(dir.get())) {
    FolderEntry entry;
    entry.name = Utf8ToUtf16(item->d_name);
    const std::string full = base + "/" + item->d_name;
    struct stat own {};
    if (lstat(full.c_str(), &own) == 0) {
      entry.isLink = S_ISLNK(own.st_mode);
      struct stat target {};
      // Like a Windows directory link, a link to a folder reports as a folder.
      entry.isFolder = entry.isLink ? (stat(full.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
                                    : S_ISDIR(own.st_mode);
    }
    if (!visit(entry)) break;
  }
  return true;
}

}  // namespace platform
