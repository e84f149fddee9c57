#pragma once
// The private messages by which the workers report to the main window.
//
// How it works
// - One thread, the main thread, owns every window and runs every handler.
//   Each worker runs on a thread of its own, started in its slot of
//   ui/state/workers.h: the slot keeps the thread's handle and its run (a
//   number that no earlier run had, and a stop request) until the worker's
//   closing message arrives, or its stop. "Does a worker run" reads the
//   slots. The undo of the last renaming runs in the renaming's slot.
// - Each worker is handed a heap request when it starts (what it needs from
//   the window, taken on the main thread: the folder, the name style, the
//   run), which the thread owns and frees. Its closing message is posted by a
//   ClosingMessage guard as its last act, on every path, with the run's
//   number as wParam; the handler closes the handle only when the number is
//   that of the run its slot keeps, so a late message of an earlier run never
//   closes a newer worker's handle.
// - The end of a worker is applied in its closing message's handler, on the
//   main thread, in one step: the control states from the table of
//   ui/state/control_states.h, then the summary. A click is handled before
//   all of it or after all of it. After a renaming the summary comes with
//   WM_RENAME_DONE and the controls with the lyrics stage's WM_LYRICS_DONE.
// - The rows live in the track table (Tracks()), which only the main thread
//   touches: each file's whole path, its tags once read, its status. The
//   file list is an owner-data list view that keeps no text of its own and
//   asks the table for each cell it draws. Workers are handed copies of what
//   they need and hand their results back; nothing is read out of a cell.
// - On their way, workers hand their work to the window in batches, about
//   ten a second at most, so the window follows the work without being
//   flooded: the scan posts every file found since its last report
//   (WM_FILE_FOUND); the tag reading sends one batch of rows at a time
//   (WM_TAG_BATCH: what it read goes in, the next paths come back); the
//   renaming and its undo send what became of each file tried since the last
//   round trip (WM_RENAME_STEP: the outcomes go in, the next files come
//   back). The window thread writes every row and status text, keeps the
//   undo record (it records each move of a renaming with the moved file's
//   identity, and drops each move its undo took back; one that failed stays
//   for the next undo) and counts the run's tally for its summary.
// - Rows leave only through ui/state/rows.h, which keeps the list, the
//   track table and the undo record's row numbers in step.
// - Records: each request belongs to its thread. Each FoundItem is allocated
//   by the scan thread and freed by the WM_FILE_FOUND handler (or by the scan
//   itself when the post fails). A TagBatch or MoveStep lives on its
//   worker's stack; the window thread fills it in while the worker waits in
//   the send. Text passed with a sent message only lives until the call
//   returns.
// - A stop (StopWorker) asks the run's stop request, then waits for the
//   thread to end while carrying out the messages it sends, and closes the
//   handle: the current step (a folder entry, a file) finishes first, and a
//   renaming hands in what it did before it ends. Posted messages stay
//   queued; the stop takes in a stopped scan's queued reports itself (the
//   scan posts what it found before it ends), and the closing message then
//   finds the handle closed and does nothing. A stopped tag reading ends
//   between two reads; the stop drops the rows it had not read, which have
//   no tags. A stopped renaming or undo shows "操作被中断!" instead of its
//   summary; the end of the user's session stops it the same way. The
//   lyrics stage is not stopped.
//
// All go to the main window, posted but for WM_TAG_BATCH and WM_RENAME_STEP,
// which are sent; lParam is always 0. They count from WM_APP: the dialog
// manager, which serves this window too (IsDialogMessageW), uses numbers
// from WM_USER for its own questions.

#include <windows.h>

// wParam: a FoundItem* (ui/listing/found_item.h), owned by the receiver,
// which frees it. From the directory scan: the files found since its last
// report, at least 100 ms apart, and the last ones as it ends.
inline constexpr UINT WM_FILE_FOUND = WM_APP;
// wParam: the scan's run number. Its last act, also when stopped or cut
// short by an error; the tag reading starts unless a stop came first.
inline constexpr UINT WM_SCAN_DONE = WM_APP + 1;
// wParam: the tag-reading worker's run number. Its last act.
inline constexpr UINT WM_TAGS_DONE = WM_APP + 2;
// wParam: the run number of the renaming or its undo. Its last act, also
// when stopped.
inline constexpr UINT WM_RENAME_DONE = WM_APP + 3;
// wParam 1: out of date (window hidden, user told, home page opened); any
// other value: up to date. The update check's last act. It names no run:
// the check runs once per window and is never stopped.
inline constexpr UINT WM_UPDATE_CHECKED = WM_APP + 4;
// wParam: the lyrics stage's run number. The stage is done.
inline constexpr UINT WM_LYRICS_DONE = WM_APP + 5;
// wParam: a TagBatch* (ui/listing/tag_batch.h), owned by the sending tag
// reader, which waits; the window thread fills it in. Result 1 when handled.
inline constexpr UINT WM_TAG_BATCH = WM_APP + 6;
// wParam: a MoveStep* (ui/renaming/move_step.h), owned by the sending
// renaming or undo, which waits; the window thread fills it in. Result 1
// when handled.
inline constexpr UINT WM_RENAME_STEP = WM_APP + 7;
// Posted by the file list to itself, through the main window, once for any
// number of selection changes or removed rows: the details panel and the
// delete/clear caption then follow the selection as it has come to be.
inline constexpr UINT WM_FOLLOW_SELECTION = WM_APP + 8;

// A worker's round trip with one of the sent messages: the window thread
// fills the record in while the worker waits. False when the window did not
// take it.
template <typename Record>
bool SendRecord(HWND window, UINT message, Record& record) {
  return SendMessageW(window, message, reinterpret_cast<WPARAM>(&record), 0) == 1;
}
