#include "ui/controls/edit_name_style.h"

#include <string>
#include <string_view>
#include <vector>

#include "tracks/name_style.h"
#include "ui/framework/list.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/main_window_state.h"
#include "ui/state/rows.h"

namespace CorvaneWnd {

namespace {

// One character off the end; a surrogate pair is one character, and half of
// one would be no character at all.
void RemoveLastCharacter(std::u16string& text) {
  if (text.empty()) return;
  const bool lowHalf = text.back() >= 0xDC00 && text.back() <= 0xDFFF;
  text.pop_back();
  if (lowHalf && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
}

// Every row that has tags gets the status its file earns under the style;
// the list draws the rows it shows anew.
void RefreshStatuses(const std::u16string& style) {
  Tracks().UpdateStatuses(style);
  InvalidateRect(State().listFile->hwnd, nullptr, FALSE);
}

}  // namespace

LRESULT CEditNameStyle::OnKeyUp() {
  std::u16string style = WindowText(hwnd);
  if (HasForbiddenNameChar(style)) {
    // Taken away from the end, one per key release, wherever the forbidden
    // character stands: the user sees the text shrink until it is valid.
    RemoveLastCharacter(style);
    SetText(hwnd, style);
    const auto end = static_cast<WPARAM>(style.size());
    SendMessageW(hwnd, EM_SETSEL, end, end + 1);
    SetStatusText(u"提示: " + ForbiddenCharsMessage());
    return 0;
  }
  State().listFile->FollowSelection();
  RefreshStatuses(style);
  // Typing a new style passes through texts without a placeholder; they are
  // only refused when the renaming starts.
  if (!HasPlaceholder(style)) SetStatusText(u"提示: " + NoPlaceholderMessage());
  return 0;
}

}  // namespace CorvaneWnd
