#pragma once
// The file list: one row per .mp3 file (full path, title, status), each
// shown from the track table's row.

#include <string_view>

#include "tracks/track_table.h"
#include "ui/framework/list.h"
#include "ui/state/rows.h"

namespace CorvaneWnd {

class CListFile : public CCorvaneList {
 public:
  // Draws every row itself: the background by selection and focus, the
  // status in its colour, and of the path only the file's name.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) override;
  void OnBeginScroll() override;
  void OnEndScroll() override;
  // Follows the selection.
  void OnClick() override;
  // The delete/clear caption and the details panel of the first selected row.
  void FollowSelection() override;
  // The cell's text from the track table.
  void OnGetDispInfo(NMLVDISPINFOW* info) override;
  void OnMouseLeave() override;
  void OnMouseEnter() override;
  // Asks once for WM_FOLLOW_SELECTION, whose handler follows it; rows being
  // removed are still there now.
  void OnSelectionChanged() override;

 private:
  bool followPending_ = false;
  void DrawRow(HDC dc, int row) const;
};

// What a row shows in a column: the whole path, the title, the status.
std::u16string_view CellText(const TrackRow& row, int column);

// The colour in which a status cell shows its text.
COLORREF StatusTextColour(std::u16string_view status);

}  // namespace CorvaneWnd

// Creates State().listFile's window, "listFileLeft", at the given place in
// the main window.
bool CreateFileList(int x, int y, int width, int height);
