#pragma once
// The report-view list ("SysListView32") and its helpers. A list made with
// LVS_OWNERDATA keeps no texts of its own: it asks OnGetDispInfo for each
// cell it needs and learns its number of rows from SetRowCount.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/control.h"
#include "ui/framework/default_font.h"

// Longer than any path Windows can name.
inline constexpr std::size_t kWholeTextLimitUnits = 65536;

class CCorvaneList : public CCorvaneControl {
 public:
  CCorvaneList() : CCorvaneControl(ControlKind::List) {}

  // Reached through the main window's WM_NOTIFY; the result goes back to the list view.
  virtual LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) = 0;
  virtual void OnBeginScroll() = 0;
  virtual void OnEndScroll() = 0;
  virtual void OnClick() = 0;
  // Must clear mouseInside, or no later mouse move starts tracking again.
  virtual void OnMouseLeave() = 0;
  virtual void OnMouseEnter() = 0;
  // The selection changed, or rows went away that may have been selected.
  virtual void OnSelectionChanged() {}
  // The panels that show the selected row show the selection as it is now.
  virtual void FollowSelection() {}
  // An owner-data list asks for a cell's text (LVN_GETDISPINFOW).
  virtual void OnGetDispInfo(NMLVDISPINFOW* /*info*/) {}

  // On every mouse move over the list: the first one after a leave arms the
  // leave notice, repaints the list and calls OnMouseEnter.
  void TrackMouse();

  // Appends a left-aligned column; columnCount grows only when the list view takes it.
  void InsertColumn(int width, const std::u16string& title);
  // Appends a row: one text per column, in column order; missing texts leave
  // their cells empty. False when the list has no column or refuses the row.
  bool AddRow(LPARAM itemData, const std::vector<std::u16string>& texts);
  int GetItemCount() const;
  // An owner-data list now has count rows; the scroll position stays.
  void SetRowCount(int count) const;
  void SetItemText(int row, int column, const std::u16string& text) const;
  // At most 259 units, as every cell is read.
  std::u16string GetItemText(int row, int column) const;
  // The whole text, however long (up to kWholeTextLimitUnits): for paths that
  // a file is opened or moved by, which must never be cut.
  std::u16string GetWholeItemText(int row, int column) const;

  std::int32_t columnCount = 0;
  ScaledDefaultFont defaultFont;
  bool mouseInside = false;
  WNDPROC prevWndProc = nullptr;
  // Where the list passes its children's WM_COMMAND: the window it was made
  // in, whose procedure is called directly, as if that window had received
  // it.
  HWND commandWindow = nullptr;
  WNDPROC commandProcedure = nullptr;
};

// Copies text into the buffer a LVN_GETDISPINFOW asks to be filled, cut to
// fit it.
void FillDispInfoText(NMLVDISPINFOW& info, std::u16string_view text);

// WM_COMMAND from the list's children (the delete/clear button) goes to the
// command target's procedure; mouse moves, hover and leave go to the object.
LRESULT CALLBACK ListSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates, registers and subclasses a report-view list and turns on full-row
// selection and double buffering; extraStyle is added to its window style.
// False when no window came back.
bool CreateListWindow(CCorvaneList& list, const char16_t* name, int x, int y, int width, int height,
                      HWND parent, DWORD extraStyle = 0);
