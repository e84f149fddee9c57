#pragma once
// The private messages by which the workers report to the main window.
//
// How it works
// - One thread, the main thread, owns every window and runs every handler.
//   Each worker runs on a thread of its own, started by StartRun (or, for the
//   scan and the update check, StartWorker with a heap request). The main
//   thread keeps its handle in MainWindowState until the worker's closing
//   message arrives.
// - Every worker is started for a run (ui/workers/worker_run.h): a number
//   that no earlier run had, and a stop request. Its closing message is
//   posted by a ClosingMessage guard as its last act, on every path, with the
//   run's number as wParam; the handler closes the handle only when the
//   number is that of the run it keeps, so a late message of an earlier run
//   never closes a newer worker's handle.
// - The end of a worker is applied in its closing message's handler, on the
//   main thread, in one step: the control states from the table of
//   ui/window/control_states.h, then the summary. A click is handled before
//   all of it or after all of it.
// - On their way, workers read and write list cells, the status bar and
//   control texts with SendMessageW, which Windows carries out on the main
//   thread while the worker waits. The tag-reading worker exchanges whole
//   batches of rows with the window through such sent messages. Only the scan
//   posts its reports (WM_FILE_FOUND), 100 ms apart.
// - Records: the refresh button allocates the ScanRequest and the scan
//   thread frees it; the update check's request likewise. Each FoundItem is
//   allocated by the scan thread and freed by the WM_FILE_FOUND handler (or
//   by the scan itself when the post fails). A WorkerRun copy belongs to its
//   thread. Text passed with a sent message only lives until the call returns.
// - A stop (StopWorker) asks the run's stop request, then waits for the
//   thread to end while carrying out the messages it sends, and closes the
//   handle: the current step (a report, a row) finishes first. Posted
//   messages stay queued; the stop takes in a stopped scan's queued reports
//   itself, and the closing message then finds the handle closed and does
//   nothing. The tag reading and the lyrics stage are not stopped.
//
// All are posted to the main window; lParam is always 0.

#include <windows.h>

// wParam: a FoundItem* (ui/window/found_item.h), owned by the receiver,
// which frees it. From the directory scan, for each subfolder and .mp3 file.
inline constexpr UINT WM_FILE_FOUND = WM_USER;
// wParam: the scan's run number. Its last act, also when stopped or cut
// short by an error; the tag reading starts unless a stop came first.
inline constexpr UINT WM_SCAN_DONE = WM_USER + 1;
// wParam: the tag-reading worker's run number. Its last act.
inline constexpr UINT WM_TAGS_DONE = WM_USER + 2;
// wParam: the rename worker's run number. Its last act, also when stopped.
inline constexpr UINT WM_RENAME_DONE = WM_USER + 3;
// wParam 1: out of date (window hidden, user told, home page opened); any
// other value: up to date. The update check's last act. It names no run:
// the check runs once per window and is never stopped.
inline constexpr UINT WM_UPDATE_CHECKED = WM_USER + 4;
// wParam: the lyrics stage's run number. The stage is done.
inline constexpr UINT WM_LYRICS_DONE = WM_USER + 5;
