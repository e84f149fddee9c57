#pragma once
// Renaming one file to its new name in its own folder, with numbered copy
// names when the name is taken. No file is ever overwritten or moved to
// another folder.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_identity.h"
#include "platform/file_system.h"

enum class RenameResult {
  AlreadyNamed,  // the file bore its new name; nothing was moved
  Renamed,       // the file now bears its new name
  Copied,        // the name was taken; the file now bears a copy name
  NotRenamed,    // the file keeps its name (refused, failed, or not verified)
};

struct RenameOutcome {
  RenameResult result = RenameResult::NotRenamed;
  // Where the file is afterwards: the old path unless the file was moved. A
  // case change cut short can leave it under a detour name ending in ".mp3".
  std::u16string path;
  // The file was not renamed and is not under its old name either: a move
  // reported success and left it under a name the file system cut, or a
  // case change's detour could neither go on nor back. path is where it was
  // found in its folder, or the old path when it was found nowhere.
  bool strayed = false;
  // The identity, size and last write of the file at path, taken on the file
  // itself when the renaming moved it (path differs from the old path); what
  // its undo checks before it moves the file back. Nothing when the file was
  // not moved or cannot be told.
  std::optional<platform::FileStamp> file;
};

// The row status: kStatusRenamed, kStatusCopied or kStatusUnchanged.
std::u16string_view RenameStatus(RenameResult result);

// True for the outcomes that the summary counts as renamed.
bool RenameSucceeded(RenameResult result);

// True for a name that may be given to a file here: not "..", not blank
// before its last dot (".mp3", " .mp3", ""), without a forbidden character or
// a control character, not a Windows device name (CON, NUL, COM1... before
// the first dot), and short enough for the file system to keep it whole.
bool IsAcceptableFileName(std::u16string_view name);

// The longest full path, in UTF-16 units, that Explorer and most other
// programs open: MAX_PATH less its terminating NUL.
inline constexpr std::size_t kLongestOpenablePath = 259;

// True when newName may be given to the file at oldPath: it is acceptable,
// and it does not take the file's full path past kLongestOpenablePath unless
// oldPath is past it already. RenameTrack tries no name that fails this, and
// the preview marks such a name as one that will not be used.
bool IsUsableNewName(std::u16string_view oldPath, std::u16string_view newName);

// Gives the file at oldPath (a full path, never cut) the name newName (from
// MakeNewName) in the same folder. When the name is taken, tries newName
// without its last four characters followed by " - 拷贝 (N).mp3" for N = 1, 2,
// ... until one is free, the move fails for another reason, or 10,000 copy
// names were taken. A newName that is not usable (IsUsableNewName) is not
// tried at all, nor is a copy name that is not; a file that is a link is
// left alone. Every file-system operation goes through fileSystem.
RenameOutcome RenameTrack(const std::u16string& oldPath, const std::u16string& newName,
                          const platform::FileSystem& fileSystem = platform::SystemFileSystem());

// Gives the file at path, where a renaming put it, back the name it had
// before, oldPath, in the same folder and by the same move: never replacing,
// never into another folder. file is the stamp RenameTrack gave in its
// outcome. Renamed when it went back; NotRenamed when the old name is taken,
// the file at path is not that very file under that very name, unchanged
// (another file there now, one written since, or an unknown identity, which
// equals nothing), or oldPath names another folder. path in the outcome
// follows the file.
RenameOutcome RenameTrackBack(
    const std::u16string& path, const std::u16string& oldPath,
    const std::optional<platform::FileStamp>& file,
    const platform::FileSystem& fileSystem = platform::SystemFileSystem());
