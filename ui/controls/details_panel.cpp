#include "ui/controls/details_panel.h"

#include <windows.h>

#include "tracks/name_style.h"
#include "tracks/new_name_note.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"

void ShowSelectionText(const std::u16string& text) {
  const HWND label = State().labelSelection->hwnd;
  if (!ShowText(label, text)) return;
  RECT area{};
  GetWindowRect(label, &area);
  const HWND parent = GetParent(label);
  POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
  ScreenToClient(parent, &corners[0]);
  ScreenToClient(parent, &corners[1]);
  const RECT behind{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  InvalidateRect(parent, &behind, TRUE);
}

void ResetDetails() {
  const MainWindowState& state = State();
  ShowSelectionText(u"当前未选中任意一项.");
  for (const CCorvaneEdit* box : {state.editTitle, state.editArtist, state.editAlbum,
                                  state.editNewName, state.editFileName}) {
    ShowText(box->hwnd, u"暂无");
  }
}

std::u16string NewNamePreview(std::u16string newName, const std::u16string& path) {
  const NewNameNote note = NoteOnNewName(newName, path);
  // No title, artist or album with text: there is no name to show.
  if (note == NewNameNote::NoNameText) return std::u16string(NoteText(note));
  if (note != NewNameNote::None) newName += u" " + std::u16string(NoteText(note));
  return newName;
}

std::u16string NewNameText(const TrackRow& row, std::u16string_view style) {
  if (row.renamedByLastRun) return std::u16string(FileNamePart(row.path));
  if (!row.entry) return {};
  return NewNamePreview(MakeNewName(style, *row.entry), row.path);
}
