#pragma once
// The report-view list ("SysListView32") and its helpers. The helpers work
// by SendMessageW, so the workers call them from their own threads too.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
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

  // On every mouse move over the list: the first one after a leave arms the
  // leave notice, repaints the list and calls OnMouseEnter.
  void TrackMouse();

  // Appends a left-aligned column; columnCount grows only when the list view takes it.
  void InsertColumn(int width, const std::u16string& title);
  // Appends a row: one text per column, in column order; missing texts leave
  // their cells empty. False when the list has no column or refuses the row.
  bool AddRow(LPARAM itemData, const std::vector<std::u16string>& texts);
  int GetItemCount() const;
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
  // The thread that created the window and runs its procedure.
  DWORD ownerThread = 0;
};

// WM_COMMAND from the list's children (the delete/clear button) goes to the
// command target's procedure; mouse moves, hover and leave go to the object.
LRESULT CALLBACK ListSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Where a list passes its children's WM_COMMAND: called directly, not by a
// message, as if that window had received it. The main window sets itself
// once, before its controls exist; until then such commands answer 0.
void SetListCommandTarget(HWND window, WNDPROC procedure);

// Creates, registers and subclasses a report-view list and turns on full-row
// selection and double buffering; extraStyle is added to its window style.
// False when no window came back.
bool CreateListWindow(CCorvaneList& list, const char16_t* name, int x, int y, int width, int height,
                      HWND parent, DWORD extraStyle = 0);
