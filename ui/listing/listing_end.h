#pragma once
// The listing's end on the main thread: the scan's closing message starts
// the tag reading, whose closing message gives the controls back and shows
// the summary. Each handler closes the handle of the thread that posted it,
// and only that one: a message naming an earlier run does nothing.

#include <windows.h>

// Starts the tag reading of the rows listed. One that follows a scan the
// user stopped cannot be stopped in its turn: the refresh button reads
// "刷新文件列表" and is off meanwhile.
void StartTagReading(bool stoppable);

// The refresh button's "停止" has something to stop: the scan, or a tag
// reading that can be stopped.
bool ListingStoppable();

// WM_SCAN_DONE: starts the tag reading always, also when the scan found
// nothing, unless the scan was stopped (its handle closed) before this came.
void OnScanDone(WPARAM run);
// WM_TAGS_DONE: EndTagReading.
void OnTagsDone(WPARAM run);
// The end of a tag reading that read every row: the controls back, then the
// summary.
void EndTagReading();
