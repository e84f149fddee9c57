#pragma once
// The file list: one row per .mp3 file (full path, title, status).

#include <string_view>

#include <iterator>

#include "ui/framework/list.h"

// The file list's columns. Row i is the file of entry i of the track table.
inline constexpr int kPathColumn = 0;    // the full path; drawn as the file's name alone
inline constexpr int kTitleColumn = 1;   // the title read from the tags
inline constexpr int kStatusColumn = 2;  // "已修改", "未修改" or "已拷贝", in its colour

struct FileListColumn {
  int width;
  const char16_t* title;
};
// In the order of the indexes above.
inline constexpr FileListColumn kFileListColumns[] = {
    {350, u"文件名"},
    {200, u"曲名"},
    {80, u"状态"},
};
inline constexpr int kFileListColumnCount = static_cast<int>(std::size(kFileListColumns));

namespace CorvaneWnd {

class CListFile : public CCorvaneList {
 public:
  // Draws every row itself: the background by selection and focus, the
  // status in its colour, and of the path only the file's name.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) override;
  void OnBeginScroll() override;
  void OnEndScroll() override;
  // The delete/clear caption and the details panel of the first selected row.
  void OnClick() override;
  void OnMouseLeave() override;
  void OnMouseEnter() override;
  // Asks once for FollowSelection; rows being removed are still there now.
  void OnSelectionChanged() override;
  // WM_FOLLOW_SELECTION: what a click does, for the selection as it is now.
  void FollowSelection();

 private:
  bool followPending_ = false;
  void DrawRow(HDC dc, int row) const;
};

// The colour in which a status cell shows its text.
COLORREF StatusTextColour(std::u16string_view status);

}  // namespace CorvaneWnd

// Creates State().listFile's window, "listFileLeft", at the given place in
// the main window.
bool CreateFileList(int x, int y, int width, int height);
