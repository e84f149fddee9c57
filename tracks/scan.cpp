#include "tracks/scan.h"

#include <vector>

#include "platform/folder.h"
#include "platform/text.h"

bool IsMp3Name(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot != std::u16string_view::npos && name.substr(dot) == u".mp3";
}

ScanEnd ScanDirectory(std::u16string folder, bool includeSubfolders, const ScanReporter& report,
                      const StopRequest& stop, const FolderLister& listFolder) {
  if (!folder.empty() && folder.back() == platform::kPathSeparator) folder.pop_back();

  // Last in, first out: the subfolder met last is listed first.
  std::vector<std::u16string> pending{std::move(folder)};
  while (!pending.empty() && !stop.Requested()) {
    const std::u16string parent = std::move(pending.back());
    pending.pop_back();
    // A folder that cannot be listed is passed over with its subfolders.
    listFolder(parent, [&](const platform::FolderEntry& entry) {
      if (entry.isFolder) {
        if (!includeSubfolders || entry.name == u"." || entry.name == u"..") return true;
        // A folder link is skipped whole, not only left unentered: its files
        // belong to a real folder that the scan lists (or that lies outside
        // it), and a link back up the tree would make the walk endless.
        if (entry.isLink) return true;
      } else if (!IsMp3Name(entry.name)) {
        return true;
      }
      if (stop.Requested()) return false;
      std::u16string path = parent + platform::kPathSeparator + entry.name;
      if (entry.isFolder) pending.push_back(path);
      report(path, entry.isFolder);
      return true;
    });
  }
  // A stop asked during the last report still counts: the caller must not
  // then announce a finished scan.
  return stop.Requested() ? ScanEnd::Stopped : ScanEnd::Finished;
}
