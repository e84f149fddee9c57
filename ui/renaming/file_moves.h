#pragma once
// One paced loop moves files, for a renaming and for its undo alike. The
// worker takes one file at a time from the window thread, moves it, hands
// what became of it back in the same round trip (WM_RENAME_STEP), and pauses
// until 100 ms after the file's start: a stop can fall between any two
// files. What the two runs differ in is their policy.

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
  std::u16string path;    // the file's whole path, as its row names it
  std::u16string target;  // the undo: the path the file had before the renaming
  // The undo: the file the renaming moved there; only that one goes back.
  std::optional<platform::FileStamp> identity;
};

struct MoveRequest;

struct MovePolicy {
  // Which files, on the window thread: as the run begins, how many it is to
  // try; then the file at each place in turn (an empty path: none left).
  int (*begin)();
  FileToMove (*fileAt)(int place);
  // Which move, on the worker thread: what became of the file; nothing when
  // its row has nothing to name it after.
  std::optional<RenameOutcome> (*move)(const FileToMove& file, const MoveRequest& request);
  // Which texts, on the window thread: what the file's row shows, and what
  // the undo record keeps, once the file was tried.
  void (*show)(const FileToMove& file, const RenameOutcome& outcome, const std::u16string& style);
  std::u16string_view action;  // the summary's verb
  bool lyricsFollow;           // the lyrics stage follows, when it is ticked
};

struct MoveRequest {
  const MovePolicy* policy = nullptr;
  std::u16string style;   // the name style, taken on the window thread as the run began
  HWND window = nullptr;  // where the steps and the closing message go
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();
  WorkerRun run;
};

// The pace, one file at a time, also for a row that needed no move.
inline constexpr std::chrono::milliseconds kPauseAfterFile{100};

// On the window thread: the controls and the progress text are set; starts
// the worker under policy with the name style as the box shows it now.
void StartMovingFiles(const MovePolicy& policy);

// Started with a MoveRequest*, which it owns; tests its stop between files
// and while it pauses, and posts WM_RENAME_DONE with the run's number as its
// last act.
DWORD WINAPI MoveFilesThreadProc(void* request);

// "共尝试<action> N 个MP3文件, 成功<action> M 个MP3文件.", the end of a run.
std::u16string FilesSummary(std::u16string_view action, std::int64_t tried, std::uint32_t done);
