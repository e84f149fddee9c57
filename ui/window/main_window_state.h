#pragma once
// The process-wide variables of the main thread: the instance, the main
// window, the worker threads' handles, the two counts and the controls.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/file_system.h"
#include "platform/handles.h"
#include "tracks/last_renaming.h"
#include "tracks/track_table.h"
#include "ui/workers/worker_run.h"

class CCorvaneButton;
class CCorvaneCheckBox;
class CCorvaneEdit;
class CCorvaneLabel;
class CCorvaneStatusBar;
namespace CorvaneWnd {
class CListFile;
class CBtnDeleteEmpty;
class CBtnSetWorkDir;
class CBtnListFile;
class CBtnProcess;
class CEditNameStyle;
}  // namespace CorvaneWnd

struct MainWindowState {
  HINSTANCE instance = nullptr;
  // Set in WM_CREATE before any control or worker exists; workers post to it.
  HWND mainWindow = nullptr;

  // Each kept until the worker's closing message arrives (or its stop).
  UniqueHandle updateThread;
  UniqueHandle scanThread;
  UniqueHandle tagThread;
  UniqueHandle renameThread;
  UniqueHandle lyricsThread;
  // The run each worker was last started for: the number its closing message
  // must name, and the stop request shared with it. The update check runs
  // once and is never stopped, so it has none.
  WorkerRun scanRun;
  WorkerRun tagRun;
  WorkerRun renameRun;
  WorkerRun lyricsRun;

  // File rows added since the last refresh; the tag-reading worker reads it.
  std::atomic<std::uint32_t> filesFound{0};
  // Rows whose tags the tag-reading worker read.
  std::atomic<std::uint32_t> tagsRead{0};
  // What "撤销上次重命名" would take back; in memory only.
  LastRenaming lastRenaming;
  // What the rename and undo workers move files and look up names through;
  // a test puts its own in while no worker runs.
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();

  // The controls, in the order CreateControls makes them. Created once and
  // never deleted: they live as long as the process.
  CCorvaneButton* groupFileList = nullptr;
  CorvaneWnd::CListFile* listFile = nullptr;
  CCorvaneButton* groupSettings = nullptr;
  CorvaneWnd::CBtnDeleteEmpty* btnDeleteEmpty = nullptr;
  CCorvaneLabel* labelWorkDir = nullptr;
  CCorvaneEdit* editWorkDir = nullptr;
  CorvaneWnd::CBtnSetWorkDir* btnSetWorkDir = nullptr;
  CCorvaneCheckBox* checkSubfolders = nullptr;
  CCorvaneCheckBox* checkLyrics = nullptr;
  CCorvaneLabel* labelNameStyle = nullptr;
  CorvaneWnd::CEditNameStyle* editNameStyle = nullptr;
  CCorvaneLabel* labelNameStyleHelp = nullptr;
  CorvaneWnd::CBtnListFile* btnListFile = nullptr;
  CorvaneWnd::CBtnProcess* btnProcess = nullptr;
  CCorvaneButton* groupDetails = nullptr;
  CCorvaneLabel* labelSelection = nullptr;
  CCorvaneLabel* labelFileName = nullptr;
  CCorvaneEdit* editFileName = nullptr;
  CCorvaneLabel* labelTitle = nullptr;
  CCorvaneEdit* editTitle = nullptr;
  CCorvaneLabel* labelArtist = nullptr;
  CCorvaneEdit* editArtist = nullptr;
  CCorvaneLabel* labelAlbum = nullptr;
  CCorvaneEdit* editAlbum = nullptr;
  CCorvaneLabel* labelNewName = nullptr;
  CCorvaneEdit* editNewName = nullptr;
  CCorvaneStatusBar* statusBar = nullptr;
};

// Neither is ever destroyed: workers that are still running when the window
// closes end with the process, and must not find these torn down by the
// static destructors first.
inline MainWindowState& State() {
  static auto* state = new MainWindowState();
  return *state;
}

// Entry i belongs to row i of the file list.
inline TrackTable& Tracks() {
  static auto* table = new TrackTable();
  return *table;
}
