#include "tracks/rename.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "platform/name_limit.h"
#include "platform/text.h"
#include "tracks/name_style.h"

namespace {

using platform::FileSystem;
using platform::MoveResult;

// Bounds the search for a free detour name; each try is one refused move.
constexpr unsigned kMaxDetourNames = 1000;
// An indexer or a virus scanner that has just opened the file lets go of it
// within moments; a step half-way through a case change is worth waiting for.
constexpr unsigned kTriesPerStep = 4;
constexpr std::chrono::milliseconds kPauseBetweenTries{25};

// Tries again, after a pause, a move refused for a reason other than a taken name.
MoveResult MoveRetrying(const FileSystem& fs, const std::u16string& from,
                        const std::u16string& to) {
  MoveResult moved = fs.MoveWithoutReplacing(from, to);
  for (unsigned tried = 1; moved == MoveResult::Failed && tried < kTriesPerStep; ++tried) {
    std::this_thread::sleep_for(kPauseBetweenTries);
    moved = fs.MoveWithoutReplacing(from, to);
  }
  return moved;
}

// Whether a move between two different entries that reported success really
// took the file to `name`: a move can report success and change nothing.
bool Arrived(const FileSystem& fs, const std::u16string& from, const std::u16string& to,
             const std::u16string& name) {
  return fs.NameOnDisk(to) == name && !fs.NameOnDisk(from);
}

// After a move from `from` to `to` that reported success and did not arrive:
// where names the file as it is stored, wherever it is.
void FollowFile(const FileSystem& fs, const std::u16string& from, const std::u16string& to,
                const std::u16string& folder, std::u16string& where) {
  if (fs.NameOnDisk(from)) return;
  if (const std::optional<std::u16string> stored = fs.NameOnDisk(to)) where = folder + *stored;
}

// Gives the file at from, stored under from's name, the name `name` by way of
// a detour name of its own. A detour name ends in ".mp3", so that a file
// left there (the program ended half-way, every step back refused) is listed
// again by the next scan and can be renamed once more. where follows the file.
MoveResult TakeDetour(const FileSystem& fs, const std::u16string& from,
                      const std::u16string& folder, const std::u16string& name,
                      std::u16string& where) {
  std::u16string detour;
  for (unsigned n = 1;; ++n) {
    if (n > kMaxDetourNames) return MoveResult::Failed;
    const std::u16string detourName = u"~corvane-rename-" + platform::DecimalText(n) + u".mp3";
    detour = folder + detourName;
    // The file itself may answer to a detour name under another spelling.
    if (fs.IsSameFile(from, detour)) continue;
    const MoveResult moved = fs.MoveWithoutReplacing(from, detour);
    if (moved == MoveResult::Failed) return MoveResult::Failed;
    if (moved != MoveResult::Moved) continue;
    if (Arrived(fs, from, detour, detourName)) break;
    FollowFile(fs, from, detour, folder, where);
    return MoveResult::Failed;
  }
  const std::u16string to = folder + name;
  const MoveResult second = MoveRetrying(fs, detour, to);
  if (second == MoveResult::Moved && Arrived(fs, detour, to, name)) {
    where = to;
    return MoveResult::Moved;
  }
  // Back to the old name, so that the row still names the file.
  const std::u16string oldName = from.substr(folder.size());
  if (MoveRetrying(fs, detour, from) == MoveResult::Moved && Arrived(fs, detour, from, oldName)) {
    // A name taken meanwhile leads to copy names, as any taken name does.
    return second == MoveResult::NameTaken ? MoveResult::NameTaken : MoveResult::Failed;
  }
  if (fs.NameOnDisk(detour)) where = detour;
  return MoveResult::Failed;
}

// Gives the file at from the name `name`, where folder + name is the same
// directory entry under another spelling (letter case, a short 8.3 name).
// Windows changes the spelling in place; Wine reports success and keeps the
// old one, so the stored name decides whether a detour is needed.
MoveResult ChangeSpelling(const FileSystem& fs, const std::u16string& from,
                          const std::u16string& folder, const std::u16string& name,
                          std::u16string& where) {
  const std::u16string to = folder + name;
  const MoveResult direct = fs.MoveWithoutReplacing(from, to);
  if (direct != MoveResult::Moved) return direct;
  const std::optional<std::u16string> stored = fs.NameOnDisk(to);
  if (stored == name) {
    where = to;
    return MoveResult::Moved;
  }
  if (stored != fs.NameOnDisk(from)) return MoveResult::Failed;  // gone, or moved by someone else
  return TakeDetour(fs, from, folder, name, where);
}

// Gives the file at from the name `name` in folder; where follows the file.
MoveResult GiveName(const FileSystem& fs, const std::u16string& from, const std::u16string& folder,
                    const std::u16string& name, std::u16string& where) {
  // Never tried: the file system would cut it, drop ".mp3" and, under Wine,
  // even report success.
  if (!platform::NameFitsFileSystem(name)) return MoveResult::Failed;
  const std::u16string to = folder + name;
  // A second run finds a copied file already bearing its copy name.
  if (to == from) return fs.NameOnDisk(to) == name ? MoveResult::Moved : MoveResult::Failed;
  // Whether any other file holds the name, only the file system's own
  // refusal tells: it compares names its own way.
  if (fs.IsSameFile(from, to)) {
    // Another hard link of the file holds the name under an entry of its own.
    if (fs.NameOnDisk(from) != fs.NameOnDisk(to)) return MoveResult::NameTaken;
    return ChangeSpelling(fs, from, folder, name, where);
  }
  const MoveResult moved = fs.MoveWithoutReplacing(from, to);
  if (moved != MoveResult::Moved) return moved;
  if (Arrived(fs, from, to, name)) {
    where = to;
    return MoveResult::Moved;
  }
  FollowFile(fs, from, to, folder, where);
  return MoveResult::Failed;
}

// Spaces of any width, as a tag or a Chinese input method may give them.
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\u00A0' || c == u'\u3000' || (c >= u'\u2000' && c <= u'\u200B') ||
         c == u'\u202F' || c == u'\u205F' || c == u'\uFEFF';
}

// Windows takes these for devices whatever follows the first dot and with
// any spaces at the end (a name with an extension up to Windows 10): a move
// onto one could write the file into the device.
bool NamesADevice(std::u16string_view name) {
  std::u16string_view base = name.substr(0, name.find(u'.'));
  while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
  if (base.size() < 3 || base.size() > 7) return false;
  std::u16string upper(base);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  for (const std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"}) {
    if (upper == device) return true;
  }
  if (upper.size() != 4 || (upper.compare(0, 3, u"COM") != 0 && upper.compare(0, 3, u"LPT") != 0)) {
    return false;
  }
  const char16_t number = upper[3];
  return (number >= u'0' && number <= u'9') || number == u'\u00B9' || number == u'\u00B2' ||
         number == u'\u00B3';
}

// The entry of folder (ending in a separator) that is the file id.
std::optional<std::u16string> FindInFolder(const FileSystem& fs, const std::u16string& folder,
                                           const platform::FileId& id) {
  std::optional<std::u16string> found;
  fs.ListFolder(folder.substr(0, folder.size() - 1), [&](const platform::FolderEntry& entry) {
    if (entry.isFolder || !platform::SameFileId(fs.IdentifyFile(folder + entry.name), id))
      return true;
    found = folder + entry.name;
    return false;
  });
  return found;
}

// The new name, or copy names while names are taken; outcome follows the file.
void GiveNameOrCopyName(const FileSystem& fs, const std::u16string& oldPath,
                        const std::u16string& folder, const std::u16string& newName,
                        RenameOutcome& outcome) {
  MoveResult moved = GiveName(fs, oldPath, folder, newName, outcome.path);
  if (moved == MoveResult::Moved) outcome.result = RenameResult::Renamed;
  if (moved != MoveResult::NameTaken) return;

  // The ".mp3" that MakeNewName appended gives way to the copy suffix.
  const std::u16string stem = newName.substr(0, newName.size() >= 4 ? newName.size() - 4 : 0);
  for (unsigned long long n = 1; moved == MoveResult::NameTaken; ++n) {
    moved = GiveName(fs, oldPath, folder, stem + u" - 拷贝 (" + platform::DecimalText(n) + u").mp3",
                     outcome.path);
  }
  if (moved == MoveResult::Moved) outcome.result = RenameResult::Copied;
}

}  // namespace

std::u16string_view RenameStatus(RenameResult result) {
  switch (result) {
    case RenameResult::AlreadyNamed:
    case RenameResult::Renamed:
      return kStatusRenamed;
    case RenameResult::Copied:
      return kStatusCopied;
    case RenameResult::NotRenamed:
      break;
  }
  return kStatusUnchanged;
}

bool RenameSucceeded(RenameResult result) { return result != RenameResult::NotRenamed; }

bool IsAcceptableFileName(std::u16string_view name) {
  if (name == u"..") return false;
  // A name that is nothing but its extension tells the files apart no more:
  // an empty style, or tag texts of spaces, would make every file ".mp3".
  const std::u16string_view stem = name.substr(0, name.rfind(u'.'));
  if (std::all_of(stem.begin(), stem.end(), IsBlank)) return false;
  for (const char16_t c : name) {
    // Tag texts can carry anything: a separator would move the file into
    // another folder, and Wine accepts a colon that Windows refuses.
    if (c < 0x20 || c == 0x7F || kForbiddenNameChars.find(c) != std::u16string_view::npos) {
      return false;
    }
  }
  return !NamesADevice(name) && platform::NameFitsFileSystem(name);
}

RenameOutcome RenameTrack(const std::u16string& oldPath, const std::u16string& newName,
                          const FileSystem& fs) {
  RenameOutcome outcome{RenameResult::NotRenamed, oldPath, false, std::nullopt};
  const std::size_t separator = oldPath.rfind(platform::kPathSeparator);
  if (separator == std::u16string::npos) return outcome;
  const std::u16string folder = oldPath.substr(0, separator + 1);
  if (std::u16string_view(oldPath).substr(separator + 1) == newName) {
    // Only a file that is there under exactly this name bears it.
    if (fs.NameOnDisk(oldPath) == newName) outcome.result = RenameResult::AlreadyNamed;
    return outcome;
  }
  if (!IsAcceptableFileName(newName)) return outcome;
  // Moving a link can move the file it points to instead, or leave it
  // pointing nowhere.
  if (fs.IsLink(oldPath)) return outcome;

  const std::optional<platform::FileId> id = fs.IdentifyFile(oldPath);
  GiveNameOrCopyName(fs, oldPath, folder, newName, outcome);
  // Every move that counts as done checked where it took the file, but one
  // can still report success and leave it under a name neither side asked for.
  if (id && outcome.result == RenameResult::NotRenamed && !fs.NameOnDisk(outcome.path)) {
    outcome.result = RenameResult::NotRenamed;
    outcome.strayed = true;
    if (const std::optional<std::u16string> found = FindInFolder(fs, folder, *id))
      outcome.path = *found;
  }
  // Taken where the file now is: a move can give a file a new identity (FAT
  // numbers a file by its folder entry).
  if (outcome.path != oldPath) outcome.file = fs.IdentifyFile(outcome.path);
  return outcome;
}

RenameOutcome RenameTrackBack(const std::u16string& path, const std::u16string& oldPath,
                              const std::optional<platform::FileId>& file, const FileSystem& fs) {
  RenameOutcome outcome{RenameResult::NotRenamed, path, false, std::nullopt};
  const std::size_t separator = path.rfind(platform::kPathSeparator);
  if (separator == std::u16string::npos) return outcome;
  const std::u16string folder = path.substr(0, separator + 1);
  if (oldPath.size() <= folder.size() || oldPath.compare(0, folder.size(), folder) != 0) {
    return outcome;
  }
  const std::u16string oldName = oldPath.substr(folder.size());
  // The file's own earlier name in this folder, not one made from tag texts
  // (".mp3" was a name too); still never one that leaves the folder or
  // names a device.
  if (oldName == u"." || oldName == u".." ||
      oldName.find_first_of(u"/\\") != std::u16string::npos || NamesADevice(oldName)) {
    return outcome;
  }
  // Only the file the renaming moved, still stored under the name it gave
  // it, is taken back: another file under that name now (restored by a sync
  // client, copied over it) stays, and so does one renamed since.
  if (fs.NameOnDisk(path) != path.substr(separator + 1)) return outcome;
  if (!platform::SameFileId(fs.IdentifyFile(path), file)) return outcome;
  if (GiveName(fs, path, folder, oldName, outcome.path) == MoveResult::Moved) {
    outcome.result = RenameResult::Renamed;
  }
  return outcome;
}
