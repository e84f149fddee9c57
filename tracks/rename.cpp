#include "tracks/rename.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "platform/held_file.h"
#include "platform/name_limit.h"
#include "platform/text.h"
#include "tracks/name_style.h"

namespace {

using platform::FileSystem;
using platform::HeldFile;
using platform::MoveResult;

// Bounds the search for a free detour name; each try is one refused move.
constexpr unsigned kMaxDetourNames = 1000;
// More copies of one name than any real folder holds: a file system that
// answers "taken" for every name ends here.
constexpr unsigned kMaxCopyNames = 10000;
// An indexer or a virus scanner that has just opened the file lets go of it
// within moments; a step half-way through a case change is worth waiting for.
constexpr unsigned kTriesPerStep = 4;
constexpr std::chrono::milliseconds kPauseBetweenTries{25};

// One file on its way to a new name in its folder.
struct Move {
  const FileSystem& fs;
  HeldFile& file;
  std::u16string folder;  // ends in a separator
  std::u16string where;   // where the file is, as far as is known
  // The longest full path a new name may give it (IsUsableNewName).
  std::size_t longestPath = std::u16string::npos;
  // A move reported success and took the file to a name neither side asked
  // for, or out of sight.
  bool strayed = false;
};

// Tries again, after a pause, a move refused for a reason other than a taken name.
MoveResult MoveRetrying(Move& move, const std::u16string& to) {
  MoveResult moved = move.file.MoveTo(to);
  for (unsigned tried = 1; moved == MoveResult::Failed && tried < kTriesPerStep; ++tried) {
    std::this_thread::sleep_for(kPauseBetweenTries);
    moved = move.file.MoveTo(to);
  }
  return moved;
}

// After a move that reported success: whether the file bears `name` now.
// Otherwise where follows it; a name neither side asked for strays it.
bool Arrived(Move& move, const std::u16string& name, const std::u16string& from) {
  const std::optional<std::u16string> stored = move.file.StoredName();
  if (stored == name) {
    move.where = move.folder + name;
    return true;
  }
  if (!stored) {
    move.strayed = true;
    return false;
  }
  move.where = move.folder + *stored;
  if (move.where != from) move.strayed = true;
  return false;
}

// Gives the file, stored under the name in where, the name `name` by way of
// a detour name of its own. A detour name ends in ".mp3", so that a file
// left there (the program ended half-way, every step back refused) is listed
// again by the next scan and can be renamed once more.
MoveResult TakeDetour(Move& move, const std::u16string& name) {
  const std::u16string from = move.where;
  std::u16string detour;
  for (unsigned n = 1;; ++n) {
    if (n > kMaxDetourNames) return MoveResult::Failed;
    const std::u16string detourName = u"~corvane-rename-" + platform::DecimalText(n) + u".mp3";
    detour = move.folder + detourName;
    if (detour == from) continue;
    const MoveResult moved = move.file.MoveTo(detour);
    if (moved == MoveResult::Failed) return MoveResult::Failed;
    if (moved != MoveResult::Moved) continue;
    if (Arrived(move, detourName, from)) break;
    // The file itself answers to this detour name under another spelling.
    if (move.strayed) return MoveResult::Failed;
  }
  const std::u16string to = move.folder + name;
  const MoveResult second = MoveRetrying(move, to);
  if (second == MoveResult::Moved && Arrived(move, name, detour)) return MoveResult::Moved;
  if (move.strayed) return MoveResult::Failed;
  // Back to the old name, so that the row still names the file.
  const std::u16string oldName = from.substr(move.folder.size());
  if (MoveRetrying(move, from) == MoveResult::Moved && Arrived(move, oldName, detour)) {
    // A name taken meanwhile leads to copy names, as any taken name does.
    return second == MoveResult::NameTaken ? MoveResult::NameTaken : MoveResult::Failed;
  }
  if (!move.strayed) {
    if (const std::optional<std::u16string> stored = move.file.StoredName()) {
      move.where = move.folder + *stored;
    }
  }
  return MoveResult::Failed;
}

// Gives the file the name `name` in its folder; where follows the file.
MoveResult GiveName(Move& move, const std::u16string& name) {
  // Never tried: the file system would cut it, drop ".mp3" and, under Wine,
  // even report success.
  if (!platform::NameFitsFileSystem(name)) return MoveResult::Failed;
  const std::u16string to = move.folder + name;
  if (to.size() > move.longestPath) return MoveResult::Failed;
  // A second run finds a copied file already bearing its copy name.
  if (to == move.where)
    return move.file.StoredName() == name ? MoveResult::Moved : MoveResult::Failed;
  // Whether any other file holds the name, only the file system's own
  // refusal tells: it compares names its own way.
  const std::u16string from = move.where;
  const MoveResult moved = move.file.MoveTo(to);
  if (moved != MoveResult::Moved) return moved;
  if (Arrived(move, name, from)) return MoveResult::Moved;
  if (move.strayed) return MoveResult::Failed;
  // The file kept its name. Where the new name is another spelling of that
  // very entry (letter case, a short 8.3 name), Windows changes the spelling
  // in place, while Wine reports success and keeps the old one: a detour
  // makes the change. Another entry under the name is another hard link of
  // the file, and the name is taken.
  const std::optional<std::u16string> holder = move.fs.NameOnDisk(to);
  if (!holder) return MoveResult::Failed;
  if (move.folder + *holder == move.where) return TakeDetour(move, name);
  return MoveResult::NameTaken;
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

// The new name, or copy names while names are taken; outcome follows the file.
RenameResult GiveNameOrCopyName(Move& move, const std::u16string& newName) {
  MoveResult moved = GiveName(move, newName);
  if (moved == MoveResult::Moved) return RenameResult::Renamed;
  if (moved != MoveResult::NameTaken) return RenameResult::NotRenamed;

  // The ".mp3" that MakeNewName appended gives way to the copy suffix.
  const std::u16string stem = newName.substr(0, newName.size() >= 4 ? newName.size() - 4 : 0);
  for (unsigned n = 1; moved == MoveResult::NameTaken && n <= kMaxCopyNames; ++n) {
    moved = GiveName(move, stem + u" - 拷贝 (" + platform::DecimalText(n) + u").mp3");
  }
  return moved == MoveResult::Moved ? RenameResult::Copied : RenameResult::NotRenamed;
}

// The longest full path a new name may give the file at oldPath.
std::size_t LongestPathFor(std::u16string_view oldPath) {
  // A file already past it keeps the behaviour it had: the literal long
  // form moves it wherever it is.
  return oldPath.size() <= kLongestOpenablePath ? kLongestOpenablePath : std::u16string::npos;
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

bool IsUsableNewName(std::u16string_view oldPath, std::u16string_view newName) {
  const std::size_t separator = oldPath.rfind(platform::kPathSeparator);
  const std::size_t folder = separator == std::u16string_view::npos ? 0 : separator + 1;
  return IsAcceptableFileName(newName) && folder + newName.size() <= LongestPathFor(oldPath);
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
  if (!IsUsableNewName(oldPath, newName)) return outcome;
  const std::unique_ptr<HeldFile> file = fs.Hold(oldPath);
  // Moving a link can move the file it points to instead, or leave it
  // pointing nowhere.
  if (!file || file->IsLink()) return outcome;

  Move move{fs, *file, folder, oldPath, LongestPathFor(oldPath)};
  outcome.result = GiveNameOrCopyName(move, newName);
  outcome.path = move.where;
  // Every move that counts as done checked where it took the file, but one
  // can still report success and leave it under a name neither side asked
  // for, and a detour cut short leaves it under the detour's name.
  outcome.strayed =
      outcome.result == RenameResult::NotRenamed && (move.strayed || outcome.path != oldPath);
  // Taken on the file itself where it now is: a move can give a file a new
  // identity (FAT numbers a file by its folder entry).
  if (outcome.path != oldPath) outcome.file = file->Stamp();
  return outcome;
}

RenameOutcome RenameTrackBack(const std::u16string& path, const std::u16string& oldPath,
                              const std::optional<platform::FileStamp>& file,
                              const FileSystem& fs) {
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
  const std::unique_ptr<HeldFile> held = fs.Hold(path);
  if (!held || held->IsLink() || held->StoredName() != path.substr(separator + 1)) return outcome;
  // FAT hands a freed identity to a new file: its size and last write differ.
  if (!platform::SameFileStamp(held->Stamp(), file)) return outcome;
  Move move{fs, *held, folder, path};
  if (GiveName(move, oldName) == MoveResult::Moved) outcome.result = RenameResult::Renamed;
  outcome.path = move.where;
  return outcome;
}
