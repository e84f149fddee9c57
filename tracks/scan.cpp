#include "tracks/scan.h"

#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "platform/file_identity.h"
#include "platform/text.h"

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsDrive(std::u16string_view name) {
  return name.size() == 2 && name[1] == u':' &&
         ((name[0] >= u'A' && name[0] <= u'Z') || (name[0] >= u'a' && name[0] <= u'z'));
}

// "server\share": two names with one separator between them.
bool IsShare(std::u16string_view name) {
  const std::size_t separator = name.find_first_of(u"\\/");
  return separator != std::u16string_view::npos && separator > 0 && separator + 1 < name.size() &&
         name.find_first_of(u"\\/", separator + 1) == std::u16string_view::npos;
}

// A volume's root as the scan walks it, its trailing separator dropped: "D:",
// "\\server\share", either in the "\\?\" form, or "" (POSIX's "/").
bool IsVolumeRoot(std::u16string_view folder) {
  if (folder.empty()) return true;
  const bool twoSeparators = folder.size() > 2 && IsSeparator(folder[0]) && IsSeparator(folder[1]);
  if (twoSeparators && folder.size() > 4 && folder[2] == u'?' && IsSeparator(folder[3])) {
    const std::u16string_view rest = folder.substr(4);
    if (rest.size() > 4 && platform::EqualIgnoringAsciiCase(rest.substr(0, 3), u"UNC") &&
        IsSeparator(rest[3])) {
      return IsShare(rest.substr(4));
    }
    return IsDrive(rest);
  }
  return twoSeparators ? IsShare(folder.substr(2)) : IsDrive(folder);
}

// The recycle bin (of every Windows version) and the volume's own records:
// renaming a deleted file there would keep it from being restored. They are
// the volume's only at its root or where it marks them hidden and system;
// an album called "Recycler" is music.
bool IsVolumesOwnFolder(std::u16string_view parent, const platform::FolderEntry& entry) {
  if (!IsVolumeRoot(parent) && !(entry.isHidden && entry.isSystem)) return false;
  for (const std::u16string_view system :
       {u"$RECYCLE.BIN", u"RECYCLER", u"RECYCLED", u"System Volume Information"}) {
    if (platform::EqualIgnoringAsciiCase(entry.name, system)) return true;
  }
  return false;
}

struct PendingFolder {
  std::u16string path;
  std::optional<platform::FileId> id;  // known identities only
};

// Which folders the scan has listed, by file identity, so that a link to one
// of them (or back up the tree) does not list it again. A folder counts as
// listed only once its listing succeeded: a junction whose listing is denied
// (as "Documents and Settings" is to everyone) must not keep the folder it
// leads to from being listed under its own name.
class FolderWalk {
 public:
  FolderWalk(const platform::FileSystem& fileSystem, std::u16string root)
      : fileSystem_(fileSystem) {
    std::optional<platform::FileId> id = KnownId(root);
    Push(PendingFolder{std::move(root), id});
  }

  bool Done() const { return pending_.empty(); }

  // Last in, first out: the subfolder met last is listed first.
  PendingFolder Take() {
    PendingFolder folder = std::move(pending_.back());
    pending_.pop_back();
    return folder;
  }

  // A subfolder met in a listing. True when it is to be listed (and
  // reported now); false when it is passed over, or waits behind another
  // path to the same folder that is still to be listed. A link whose folder
  // cannot be identified is passed over, since it might lead back.
  bool Meet(const std::u16string& path, bool isLink) {
    const std::optional<platform::FileId> id = KnownId(path);
    if (!id) {
      if (isLink) return false;
      Push(PendingFolder{path, std::nullopt});
      return true;
    }
    if (listed_.count(*id) != 0) return false;
    const auto waiting = waiting_.find(*id);
    if (waiting != waiting_.end()) {
      waiting->second.push_back(path);
      return false;
    }
    Push(PendingFolder{path, id});
    return true;
  }

  // After folder's listing: a folder listed is never listed again; one that
  // could not be gives its turn to the next path met to it, if any, which
  // is then to be reported.
  std::optional<std::u16string> Listed(const PendingFolder& folder, bool succeeded) {
    if (!folder.id) return std::nullopt;
    const auto waiting = waiting_.find(*folder.id);
    if (succeeded) {
      listed_.insert(*folder.id);
      if (waiting != waiting_.end()) waiting_.erase(waiting);
      return std::nullopt;
    }
    if (waiting == waiting_.end() || waiting->second.empty()) {
      if (waiting != waiting_.end()) waiting_.erase(waiting);
      return std::nullopt;
    }
    std::u16string next = std::move(waiting->second.front());
    waiting->second.erase(waiting->second.begin());
    Push(PendingFolder{next, folder.id});
    return next;
  }

 private:
  std::optional<platform::FileId> KnownId(const std::u16string& path) const {
    std::optional<platform::FileId> id = fileSystem_.IdentifyFolder(path);
    if (id && !id->Known()) id.reset();
    return id;
  }

  // A folder to be listed; other paths met to it meanwhile wait behind it.
  void Push(PendingFolder folder) {
    if (folder.id) waiting_[*folder.id];
    pending_.push_back(std::move(folder));
  }

  const platform::FileSystem& fileSystem_;
  std::vector<PendingFolder> pending_;
  std::set<platform::FileId> listed_;
  // Per folder still to be listed, the other paths met to it, in order.
  std::map<platform::FileId, std::vector<std::u16string>> waiting_;
};

}  // namespace

bool IsMp3Name(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot != std::u16string_view::npos &&
         platform::EqualIgnoringAsciiCase(name.substr(dot), u".mp3");
}

ScanEnd ScanDirectory(std::u16string folder, bool includeSubfolders, const ScanReporter& report,
                      const StopRequest& stop, const platform::FileSystem& fileSystem) {
  if (!folder.empty() && folder.back() == platform::kPathSeparator) folder.pop_back();

  FolderWalk walk(fileSystem, std::move(folder));
  while (!walk.Done() && !stop.Requested()) {
    const PendingFolder parent = walk.Take();
    // A folder that cannot be listed is passed over with its subfolders.
    const bool listed = fileSystem.ListFolder(parent.path, [&](const platform::FolderEntry& entry) {
      if (stop.Requested()) return false;
      if (entry.isFolder) {
        if (!includeSubfolders || entry.name == u"." || entry.name == u"..") return true;
        if (IsVolumesOwnFolder(parent.path, entry)) return true;
      } else if (!IsMp3Name(entry.name)) {
        return true;
      }
      std::u16string path = parent.path + platform::kPathSeparator + entry.name;
      // Linked and synced folders (junctions, symbolic links, cloud
      // folders) are entered like any other, but each folder only once.
      if (entry.isFolder && !walk.Meet(path, entry.isLink)) return true;
      report(path, entry.isFolder);
      return true;
    });
    const std::optional<std::u16string> instead = walk.Listed(parent, listed);
    if (instead && !stop.Requested()) report(*instead, true);
  }
  // A stop asked during the last report still counts: the caller must not
  // then announce a finished scan.
  return stop.Requested() ? ScanEnd::Stopped : ScanEnd::Finished;
}
