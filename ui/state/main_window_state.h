#pragma once
// The process-wide variables of the main thread: the instance, the main
// window, the two counts, the undo record, the moving run, the progress
// shown, what the window reaches outside itself, and the controls. The
// workers' threads are in ui/state/workers.h; the rows in the track table
// below.

#include <windows.h>

#include <shlobj.h>

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "tracks/last_renaming.h"
#include "tracks/track_table.h"
#include "ui/framework/taskbar_button.h"
#include "ui/state/moving_run.h"
#include "ui/state/progress.h"
#include "update/update_check.h"
#include "update/update_query.h"

class CCorvaneButton;
class CCorvaneCheckBox;
class CCorvaneEdit;
class CCorvaneLabel;
class CCorvaneList;
class CCorvaneProgressBar;
class CCorvaneStatusBar;

// What shows the folder browser; its item list is freed with CoTaskMemFree.
using FolderBrowser = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);

struct MainWindowState {
  HINSTANCE instance = nullptr;
  // Set in WM_CREATE before any control or worker exists; workers post to it.
  HWND mainWindow = nullptr;

  // File rows added since the last refresh, less the ones deleted.
  std::uint32_t filesFound = 0;
  // Rows whose tags the tag reading read and kept.
  std::uint32_t tagsRead = 0;
  // What "撤销上次重命名" would take back; in memory only.
  LastRenaming lastRenaming;
  // The renaming or undo that runs, or ran last.
  MovingRun movingRun;
  // The control that had the focus when the window was last deactivated.
  HWND focusBeforeDeactivation = nullptr;
  // What the status bar's progress part and the taskbar button show.
  ShownProgress progress;
  // How many RowsDrawnTogether live (ui/state/rows.h).
  int rowsDrawnTogether = 0;

  // What the window reaches outside itself. Each worker is handed what it
  // needs when it starts; a test puts its stand-ins here before it acts.
  FolderBrowser browseForFolder = SHBrowseForFolderW;
  PageOpener openPage = OpenInBrowser;
  std::u16string updateAddress = DefaultUpdateAddress();
  // What the renaming and its undo move files and look up names through.
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();
  // Where the window's button on the taskbar shows the progress.
  TaskbarButton* taskbarButton = &ShellTaskbarButton();

  // The controls, in the order CreateControls makes them, each named by the
  // framework class it is; what each does is its own (ui/controls/). Created
  // once and never deleted: they live as long as the process.
  CCorvaneButton* groupFileList = nullptr;
  CCorvaneList* listFile = nullptr;
  CCorvaneButton* groupSettings = nullptr;
  CCorvaneButton* btnDeleteEmpty = nullptr;
  CCorvaneLabel* labelWorkDir = nullptr;
  CCorvaneEdit* editWorkDir = nullptr;
  CCorvaneButton* btnSetWorkDir = nullptr;
  CCorvaneCheckBox* checkSubfolders = nullptr;
  CCorvaneCheckBox* checkLyrics = nullptr;
  CCorvaneLabel* labelNameStyle = nullptr;
  CCorvaneEdit* editNameStyle = nullptr;
  CCorvaneLabel* labelNameStyleHelp = nullptr;
  CCorvaneButton* btnListFile = nullptr;
  CCorvaneButton* btnProcess = nullptr;
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
  CCorvaneProgressBar* progressBar = nullptr;  // a child of the status bar
};

// Neither is ever destroyed: workers that are still running when the window
// closes end with the process, and must not find these torn down by the
// static destructors first.
inline MainWindowState& State() {
  static auto* state = new MainWindowState();
  return *state;
}

// The rows of the file list, which shows row i as its row i; rows come and
// go only through ui/state/rows.h. Main thread only.
inline TrackTable& Tracks() {
  static auto* table = new TrackTable();
  return *table;
}
