#include "tracks/rename.h"

#include "platform/file_identity.h"
#include "platform/move.h"
#include "platform/text.h"
#include "tracks/name_style.h"

namespace {

using platform::MoveResult;

// Bounds the search for a free temporary name; each try is one failed move.
constexpr unsigned kMaxTemporaryNames = 1000;

// Gives the file at from the name `name`, where folder + name already leads
// to the file itself under another spelling (case, a short 8.3 name). A direct
// move is no test there: Wine reports success for a case-only move and keeps
// the old case. So the file goes through a temporary name, and the stored name
// is checked afterwards. where follows the file if it ends up elsewhere.
MoveResult RenameSelf(const std::u16string& from, const std::u16string& folder,
                      const std::u16string& name, std::u16string& where) {
  // Not ".mp3", so a scan running meanwhile would not list it.
  std::u16string temporary;
  for (unsigned n = 1;; ++n) {
    if (n > kMaxTemporaryNames) return MoveResult::Failed;
    temporary = folder + u"~corvane-rename-" + platform::DecimalText(n) + u".tmp";
    const MoveResult moved = platform::MoveWithoutReplacing(from, temporary);
    if (moved == MoveResult::Moved) break;
    if (moved == MoveResult::Failed) return MoveResult::Failed;
  }
  const std::u16string to = folder + name;
  MoveResult second = platform::MoveWithoutReplacing(temporary, to);
  // Onto another hard link of the file, Wine (like POSIX rename) does nothing
  // and reports success; both names then still lead to the file.
  if (second == MoveResult::Moved && platform::IsSameFile(temporary, to)) {
    second = MoveResult::NameTaken;
  }
  if (second != MoveResult::Moved) {
    if (platform::MoveWithoutReplacing(temporary, from) != MoveResult::Moved) {
      where = temporary;
      return MoveResult::Failed;
    }
    // NameTaken here means a hard link of the file holds the name.
    return second;
  }
  const std::optional<std::u16string> stored = platform::NameOnDisk(to);
  if (stored != name) {
    where = stored ? folder + *stored : to;
    return MoveResult::Failed;
  }
  where = to;
  return MoveResult::Moved;
}

// Gives the file at from the name `name` in folder; where follows the file.
MoveResult GiveName(const std::u16string& from, const std::u16string& folder,
                    const std::u16string& name, std::u16string& where) {
  const std::u16string to = folder + name;
  // A second run finds a copied file already bearing its copy name.
  if (to == from) return MoveResult::Moved;
  // Whether any other file holds the name, only the file system's own
  // refusal tells: it compares names its own way.
  if (platform::IsSameFile(from, to)) return RenameSelf(from, folder, name, where);
  const MoveResult moved = platform::MoveWithoutReplacing(from, to);
  if (moved == MoveResult::Moved) where = to;
  return moved;
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
  if (name.empty() || name == u"." || name == u"..") return false;
  for (const char16_t c : name) {
    // Tag texts can carry anything: a separator would move the file into
    // another folder, and Wine accepts a colon that Windows refuses.
    if (c < 0x20 || c == 0x7F || kForbiddenNameChars.find(c) != std::u16string_view::npos) {
      return false;
    }
  }
  return true;
}

RenameOutcome RenameTrack(const std::u16string& oldPath, const std::u16string& newName) {
  RenameOutcome outcome{RenameResult::NotRenamed, oldPath};
  const std::size_t separator = oldPath.rfind(platform::kPathSeparator);
  if (separator == std::u16string::npos) return outcome;
  const std::u16string folder = oldPath.substr(0, separator + 1);
  if (std::u16string_view(oldPath).substr(separator + 1) == newName) {
    outcome.result = RenameResult::AlreadyNamed;
    return outcome;
  }
  if (!IsAcceptableFileName(newName)) return outcome;

  MoveResult moved = GiveName(oldPath, folder, newName, outcome.path);
  if (moved == MoveResult::Moved) outcome.result = RenameResult::Renamed;
  if (moved != MoveResult::NameTaken) return outcome;

  // The ".mp3" that MakeNewName appended gives way to the copy suffix.
  const std::u16string stem = newName.substr(0, newName.size() >= 4 ? newName.size() - 4 : 0);
  for (unsigned long long n = 1; moved == MoveResult::NameTaken; ++n) {
    moved = GiveName(oldPath, folder, stem + u" - 拷贝 (" + platform::DecimalText(n) + u").mp3",
                     outcome.path);
  }
  if (moved == MoveResult::Moved) outcome.result = RenameResult::Copied;
  return outcome;
}
