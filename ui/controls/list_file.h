#pragma once
// The file list: one row per .mp3 file (full path, title, new name,
// status), each shown from the track table's row.

#include <string>
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
  // Sorts the rows by the column, the other way on a second click; nothing
  // while a worker runs, for the workers know their rows by number.
  void OnColumnClick(int column) override;
  // The whole text of the cell under the pointer, when it is cut.
  void OnGetInfoTip(NMLVGETINFOTIPW* tip) override;
  void OnMouseLeave() override;
  void OnMouseEnter() override;
  // Asks once for WM_FOLLOW_SELECTION, whose handler follows it; rows being
  // removed are still there now.
  void OnSelectionChanged() override;

  // The text the cell shows, whole, when it is too wide for the cell as it
  // is drawn; empty when it fits.
  std::u16string TextIfCut(int row, int column) const;

 private:
  bool followPending_ = false;
  // The style the rows drawn in one paint are named after.
  std::u16string paintStyle_;
  void DrawRow(HDC dc, int row) const;
};

// What a row shows in a column: the whole path, the title, the status;
// nothing for the new name, which is made from the style (NewNameText).
std::u16string_view CellText(const TrackRow& row, int column);

// The cell's text as it is drawn and sorted by: of the path, the file's
// name alone; the new name under style.
std::u16string ShownText(const TrackRow& track, int column, std::u16string_view style);

// The colour in which a status cell shows its text.
COLORREF StatusTextColour(std::u16string_view status);

}  // namespace CorvaneWnd

// Creates State().listFile's window, "listFileLeft", at the given place in
// the main window.
bool CreateFileList(int x, int y, int width, int height);
