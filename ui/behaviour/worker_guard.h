#pragma once
// Whether a worker runs that no command may start another one under.

#include "ui/window/main_window_state.h"

// From the start of a scan, a tag reading or a renaming (with its lyrics
// stage) until its closing message or its stop is handled. The buttons that
// would start another are disabled meanwhile, but a click can still come:
// one sent straight to a button, or one from a folder browser opened before.
inline bool AnyWorkerRuns() {
  const MainWindowState& state = State();
  return state.scanThread || state.tagThread || state.renameThread || state.lyricsThread;
}
