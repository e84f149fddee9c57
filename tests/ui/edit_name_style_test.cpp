// Key releases in the name style box: forbidden characters taken away with
// a hint, or every row's status recomputed.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "support/renaming_fixture.h"
#include "tracks/name_style.h"
#include "ui/controls/details_panel.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/edit.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/state/rows.h"

namespace {

using NameStyleBox = RenamingTest;

const std::u16string kHint = u"提示: " + ForbiddenCharsMessage();

void ReleaseKey(WPARAM key) {
  // Repeat count 1, previous state down, transition up.
  SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, key, 0xC0000001);
}

std::u16string StyleText() { return TextOf(State().editNameStyle->hwnd); }

DWORD SelectionStart() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(State().editNameStyle->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end) << "nothing is selected";
  return start;
}

class NameStyleRows : public NameStyleBox {
 protected:
  void SetUp() override {
    NameStyleBox::SetUp();
    AddTrack(u"Song - Band.mp3", u"Song", u"Band");
    AddTrack(u"Band - Disc.mp3", u"Song", u"Band");
    AddTrack(u"song - band.mp3", u"Song", u"Band");
    AddUntaggedRow(u"untagged.mp3");
  }
  // The mark must outlive the rows that show it: a literal.
  void MarkStatuses(std::u16string_view mark) {
    for (std::size_t row = 0; row < 4; ++row) ShowRowStatus(row, mark);
  }
  std::vector<std::u16string> Statuses() const {
    std::vector<std::u16string> statuses;
    for (int row = 0; row < 4; ++row) statuses.push_back(Cell(row, 2));
    return statuses;
  }
};

TEST_F(NameStyleRows, ValidReleasesRefreshThePreviewAndEveryTaggedRowWhateverTheKey) {
  struct Case {
    std::u16string style;
    WPARAM key;
    std::vector<std::u16string> statuses;
    bool hinted;  // no placeholder: the status bar says the renaming will refuse it
  };
  // The case-only difference of row 2 counts as a different name; the
  // untagged row keeps its mark.
  const Case cases[] = {
      {u"%title% - %artist%", 'A', {u"已修改", u"未修改", u"未修改", u"x"}, false},
      {u"%artist% - %album%", VK_LEFT, {u"未修改", u"已修改", u"未修改", u"x"}, false},
      {u"%title% - %artist%", VK_SHIFT, {u"已修改", u"未修改", u"未修改", u"x"}, false},
      // No placeholder with text: no name, which no file bears.
      {u"song - band", VK_CONTROL, {u"未修改", u"未修改", u"未修改", u"x"}, true},
      {u"Nothing", VK_RIGHT, {u"未修改", u"未修改", u"未修改", u"x"}, true},
      {u"%Title% - %artist", 'E', {u"未修改", u"未修改", u"未修改", u"x"}, true},
  };
  // The details panel shows row 1, whose preview follows the style.
  LVITEMW selected{};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageW(State().listFile->hwnd, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
  const HWND preview = State().editNewName->hwnd;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.key));
    SetStatusText(u"before");
    SetStyle(c.style);
    MarkStatuses(u"x");
    SetText(preview, u"x");
    ReleaseKey(c.key);
    EXPECT_EQ(Statuses(), c.statuses);
    EXPECT_EQ(StyleText(), c.style);
    EXPECT_EQ(StatusText(), c.hinted ? u"提示: " + NoPlaceholderMessage() : u"before");
    EXPECT_EQ(TextOf(preview),
              NewNamePreview(MakeNewName(c.style, TrackEntry{u"Song", u"Band", u"Disc"})));
  }
  // Also while a worker runs and the box is read-only.
  State().editNameStyle->SetReadOnly(true);
  SetStyle(u"%artist% - %album%");
  MarkStatuses(u"x");
  ReleaseKey(VK_UP);
  EXPECT_EQ(Statuses(), (std::vector<std::u16string>{u"未修改", u"已修改", u"未修改", u"x"}));
  // A release with Alt held is not a key release of the box.
  MarkStatuses(u"x");
  SendMessageW(State().editNameStyle->hwnd, WM_SYSKEYUP, 'A', 0xC0000001);
  EXPECT_EQ(Statuses(), (std::vector<std::u16string>(4, u"x")));
  // A path longer than a cell buffer is compared whole; the untagged row
  // makes way, so rows and entries stay aligned.
  RemoveRow(3);
  const std::u16string longTitle(240, u't');
  ASSERT_GT(AddTrack(longTitle + u" - Band.mp3", longTitle, u"Band").size(), 259u);
  SetStyle(u"%title% - %artist%");
  ReleaseKey(VK_SHIFT);
  EXPECT_EQ(Cell(3, 2), u"已修改");
}

TEST_F(NameStyleRows, ForbiddenCharactersGoFromTheEndOneReleaseAtATime) {
  struct Step {
    std::u16string text;  // after the release
    bool hinted;          // the release found a forbidden character
  };
  struct Case {
    const char* what;
    std::u16string typed;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"a colon typed at the end, then Shift released",
       u"%title% - %artist%:",
       {{u"%title% - %artist%", true}, {u"%title% - %artist%", false}}},
      {"a question mark typed in the middle",
       u"%title%?ab",
       {{u"%title%?a", true}, {u"%title%?", true}, {u"%title%", true}, {u"%title%", false}}},
      {"Ctrl+V pasting a text that ends in a bar: V, then Ctrl",
       u"%title% - %artist%|",
       {{u"%title% - %artist%", true}, {u"%title% - %artist%", false}}},
      {"a forbidden character after one outside the basic plane",
       u"%title%\U0001F3B5*\U0001F3B5",
       {{u"%title%\U0001F3B5*", true},
        {u"%title%\U0001F3B5", true},
        {u"%title%\U0001F3B5", false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetStatusText(u"before");
    SetStyle(c.typed);
    MarkStatuses(u"x");
    for (const Step& step : c.steps) {
      ReleaseKey(VK_SHIFT);
      EXPECT_EQ(StyleText(), step.text);
      EXPECT_EQ(SelectionStart(), step.text.size()) << "the caret stands at the end";
      // The hint stays once shown.
      EXPECT_EQ(StatusText(), kHint);
      if (step.hinted) {
        EXPECT_EQ(Statuses(), (std::vector<std::u16string>(4, u"x")));
      }
    }
    EXPECT_NE(Statuses()[0], u"x") << "the last release found a valid style";
  }
  EXPECT_EQ(kHint.back(), u' ');
}

TEST_F(NameStyleBox, AValidReleaseWithoutRowsOrEntriesWritesNoStatus) {
  ReleaseKey('A');
  EXPECT_EQ(State().listFile->GetItemCount(), 0);
  // Rows whose tags are not read yet.
  AddUntaggedRow(u"a.mp3");
  ReleaseKey('A');
  EXPECT_EQ(Cell(0, 2), u"");
  EXPECT_EQ(StyleText(), u"%title% - %artist%");
}

}  // namespace
