#pragma once
// What WM_FILE_FOUND carries: every .mp3 file the directory scan found since
// its last report, and the path it met last, file or folder.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct FoundItem {
  // Each the searched folder and the entry's name, joined by one backslash,
  // in the order the scan found them.
  std::vector<std::u16string> files;
  std::u16string latest;  // shown in the status bar, so that it follows the scan
};

// Posts WM_FILE_FOUND to the window. Ownership goes with the message; when
// the post fails the item is freed here.
bool PostFoundItem(HWND window, std::unique_ptr<FoundItem> item);

// The main thread's handler: the status text, and the files as rows in one
// go, each counted in filesFound.
void OnFileFound(std::unique_ptr<FoundItem> item);
