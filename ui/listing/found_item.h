#pragma once
// What WM_FILE_FOUND carries: one folder about to be searched, or one .mp3
// file, found by the directory scan.

#include <windows.h>

#include <memory>
#include <string>

struct FoundItem {
  std::u16string path;  // the searched folder and the entry's name, joined by one backslash
  bool isFolder = false;
};

// Posts WM_FILE_FOUND to the window. Ownership goes with the message; when
// the post fails the item is freed here.
bool PostFoundItem(HWND window, std::unique_ptr<FoundItem> item);

// The main thread's handler: the status text for both kinds, and for a file
// one more row and one more in filesFound.
void OnFileFound(std::unique_ptr<FoundItem> item);
