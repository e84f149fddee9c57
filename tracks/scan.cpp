#include "tracks/scan.h"

#include <optional>
#include <set>
#include <vector>

#include "platform/file_identity.h"
#include "platform/folder.h"
#include "platform/text.h"

namespace {

// The recycle bin (of every Windows version) and the volume's own records:
// renaming a deleted file there would keep it from being restored.
bool IsSystemFolder(std::u16string_view name) {
  for (const std::u16string_view system :
       {u"$RECYCLE.BIN", u"RECYCLER", u"RECYCLED", u"System Volume Information"}) {
    if (platform::EqualIgnoringAsciiCase(name, system)) return true;
  }
  return false;
}

// The folders a scan has entered, by file identity, so that a link to one
// of them (or back up the tree) does not list it again.
class EnteredFolders {
 public:
  // True when path is to be entered: a folder not entered yet. A link whose
  // folder cannot be identified is passed over, since it might lead back.
  bool Enter(const std::u16string& path, bool isLink) {
    const std::optional<platform::FileId> id = platform::IdentifyFolder(path);
    if (!id) return !isLink;
    return entered_.insert(*id).second;
  }

 private:
  std::set<platform::FileId> entered_;
};

}  // namespace

bool IsMp3Name(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot != std::u16string_view::npos &&
         platform::EqualIgnoringAsciiCase(name.substr(dot), u".mp3");
}

ScanEnd ScanDirectory(std::u16string folder, bool includeSubfolders, const ScanReporter& report,
                      const StopRequest& stop, const FolderLister& listFolder) {
  if (!folder.empty() && folder.back() == platform::kPathSeparator) folder.pop_back();

  EnteredFolders entered;
  entered.Enter(folder, false);
  // Last in, first out: the subfolder met last is listed first.
  std::vector<std::u16string> pending{std::move(folder)};
  while (!pending.empty() && !stop.Requested()) {
    const std::u16string parent = std::move(pending.back());
    pending.pop_back();
    // A folder that cannot be listed is passed over with its subfolders.
    listFolder(parent, [&](const platform::FolderEntry& entry) {
      if (entry.isFolder) {
        if (!includeSubfolders || entry.name == u"." || entry.name == u"..") return true;
        if (IsSystemFolder(entry.name)) return true;
      } else if (!IsMp3Name(entry.name)) {
        return true;
      }
      if (stop.Requested()) return false;
      std::u16string path = parent + platform::kPathSeparator + entry.name;
      if (entry.isFolder) {
        // Linked and synced folders (junctions, symbolic links, cloud
        // folders) are entered like any other, but each folder only once.
        if (!entered.Enter(path, entry.isLink)) return true;
        pending.push_back(path);
      }
      report(path, entry.isFolder);
      return true;
    });
  }
  // A stop asked during the last report still counts: the caller must not
  // then announce a finished scan.
  return stop.Requested() ? ScanEnd::Stopped : ScanEnd::Finished;
}
