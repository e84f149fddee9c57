#pragma once
// The listing's start and stop: "刷新文件列表" empties the list and starts
// the scan; its "停止" stops the scan or the tag reading that follows it.

#include <string>

// Empties the list, the table and the undo record, disables the other
// commands and starts the scan of the working directory.
void StartRefresh();

// Stops the scan, or the tag reading that follows a scan that ran to its
// end. What a stopped scan found gets its tags read.
void StopListing();

// A folder chosen in the browser, or dropped on the window, goes into the
// working directory box and the refresh starts at once; nothing while a
// worker runs.
void TakeWorkDir(const std::u16string& folder);
