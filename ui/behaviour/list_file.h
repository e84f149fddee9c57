#pragma once
// The file list: one row per .mp3 file (full path, title, status).

#include "ui/framework/list.h"

namespace CorvaneWnd {

class CListFile : public CCorvaneList {
 public:
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) override;
  void OnBeginScroll() override;
  void OnEndScroll() override;
  void OnClick() override;
  void OnMouseLeave() override;
  void OnMouseEnter() override;
};

}  // namespace CorvaneWnd

// Creates State().listFile's window: "listFileLeft" across the top of the main window.
bool CreateFileList();
