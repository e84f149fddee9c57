#include <dirent.h>
#include <sys/stat.h>

#include "platform/folder.h"
#include "platform/text.h"

namespace platform {
namespace {

class DirHandle {
 public:
  explicit DirHandle(DIR* dir) : dir_(dir) {}
  ~DirHandle() {
    if (dir_ != nullptr) closedir(dir_);
  }
  DirHandle(const DirHandle&) = delete;
  DirHandle& operator=(const DirHandle&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

}  // namespace

bool ListFolder(const std::u16string& folder,
                const std::function<bool(const FolderEntry&)>& visit) {
  if (folder.find(u'\0') != std::u16string::npos) return false;
  const std::string base = Utf16ToUtf8(folder);
  DirHandle dir(opendir(base.empty() ? "/" : base.c_str()));
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
