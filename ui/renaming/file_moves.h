#pragma once
// One loop moves files, for a renaming and for its undo alike. The worker
// is handed files by the window thread, moves them one at a time, testing
// its stop before each, and hands back what became of them about ten times
// a second in the round trip that brings it the next files
// (WM_RENAME_STEP): a stop can fall between any two files. What the two
// runs differ in is their policy.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "tracks/rename.h"
#include "ui/state/workers.h"

struct FileToMove {
  int row = 0;
  std::u16string path;  // the file's whole path, as its row names it
  // The renaming: the new name (empty: none). The undo: the path the file
  // had before the renaming.
  std::u16string target;
  bool untagged = false;  // the renaming: the row has no tags to name it after
  // The undo: the file the renaming moved there; only that one goes back.
  std::optional<platform::FileId> identity;
  std::uint64_t recorded = 0;  // the undo: the move's number in the record
};

struct MoveRequest;

struct MovePolicy {
  // Which files, on the window thread: as the run begins, how many it is to
  // try; then the next file from cursor, which it moves on (an empty path:
  // none left).
  int (*begin)();
  FileToMove (*next)(std::uint64_t& cursor);
  // Which move, on the worker thread: what became of the file; nothing when
  // its row has nothing to name it after.
  std::optional<RenameOutcome> (*move)(const FileToMove& file, const MoveRequest& request);
  // Which texts, on the window thread: what the file's row shows, and what
  // the undo record keeps, once the file was tried.
  void (*show)(const FileToMove& file, const RenameOutcome& outcome, const std::u16string& style);
  std::u16string_view action;  // the summary's verb
  // Put before the path of the file in progress in the status bar; empty:
  // the run's start text stays.
  std::u16string_view progressText;
  bool lyricsFollow;  // the lyrics stage follows, when it is ticked
};

struct MoveRequest {
  const MovePolicy* policy = nullptr;
  std::u16string style;   // the name style, taken on the window thread as the run began
  HWND window = nullptr;  // where the steps and the closing message go
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();
  WorkerRun run;
};

// About how long the worker goes before it hands back what it did.
inline constexpr std::chrono::milliseconds kHandOverInterval{100};

// On the window thread: the controls and the progress text are set; starts
// the worker under policy with the name style as the box shows it now.
void StartMovingFiles(const MovePolicy& policy);

// Started with a MoveRequest*, which it owns; tests its stop before every
// file, hands back what it did also when stopped, and posts WM_RENAME_DONE
// with the run's number as its last act.
DWORD WINAPI MoveFilesThreadProc(void* request);

// "共尝试<action> N 个MP3文件, 成功<action> M 个MP3文件.", the end of a run.
std::u16string FilesSummary(std::u16string_view action, std::int64_t tried, std::uint32_t done);
