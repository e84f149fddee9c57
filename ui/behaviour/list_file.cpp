#include "ui/behaviour/list_file.h"

#include "ui/window/main_window_state.h"

namespace CorvaneWnd {

// The list's own drawing, its scroll repaints, the details panel and the
// delete/clear button come with the file list's behaviour; until then the
// list view draws its rows itself.
LRESULT CListFile::OnCustomDraw(NMLVCUSTOMDRAW*) { return CDRF_DODEFAULT; }

void CListFile::OnBeginScroll() {}

void CListFile::OnEndScroll() {}

void CListFile::OnClick() {}

void CListFile::OnMouseLeave() { mouseInside = false; }

void CListFile::OnMouseEnter() {}

}  // namespace CorvaneWnd

bool CreateFileList() {
  CorvaneWnd::CListFile* list = State().listFile;
  return list != nullptr &&
         CreateListWindow(*list, u"listFileLeft", 20, 30, 650, 200, State().mainWindow);
}
