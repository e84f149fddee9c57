#pragma once
// The process-wide variables of the main thread: the instance, the main
// window, the worker threads' handles, the two counts and the controls.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "tracks/stop_request.h"
#include "tracks/track_table.h"
#include "ui/framework/handles.h"

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
  // The stop requests of the scan and the renaming; a new one for
  // each run, shared with the worker so it outlives the worker's last step.
  std::shared_ptr<StopRequest> scanStop;
  std::shared_ptr<StopRequest> renameStop;
  // The tag reading's, replaced after each stop; one that was never asked
  // serves the next reading too.
  std::shared_ptr<StopRequest> tagStop = std::make_shared<StopRequest>();

  // File rows added since the last refresh; the tag-reading worker reads it.
  std::atomic<std::uint32_t> filesFound{0};
  // Rows whose tags the tag-reading worker read.
  std::atomic<std::uint32_t> tagsRead{0};

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
