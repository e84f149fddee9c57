#pragma once
// "...": choose the working directory, then refresh at once.

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnSetWorkDir : public CCorvaneButton {
 public:
  void OnClick() override;
  // A folder chosen (or dropped on the window) goes into the working
  // directory box, and the refresh starts at once.
  static void TakeWorkDir(const std::wstring& folder);
};

}  // namespace CorvaneWnd

// What shows the folder browser: SHBrowseForFolderW unless a test put its
// own chooser in place; nullptr puts the real one back. The chooser's item
// list is freed with CoTaskMemFree.
using FolderBrowser = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
void SetFolderBrowserForTest(FolderBrowser browser);
