#include "ui/state/progress.h"

#include "ui/framework/dpi.h"
#include "ui/framework/progress_bar.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/taskbar_button.h"
#include "ui/state/main_window_state.h"

namespace {

using Kind = ShownProgress::Kind;

// The status bar's right part, at 96 dpi; the text keeps the rest.
constexpr int kBarPartWidth = 160;
// Between the part's edges and the bar.
constexpr int kBarInset = 2;

void PlaceBar(ShownProgress& shown) {
  const MainWindowState& s = State();
  if (s.statusBar == nullptr) return;
  const bool counted = shown.kind == Kind::Counted;
  shown.barPlace =
      s.statusBar->SplitOffRight(counted ? ScaleToDpi(kBarPartWidth, ControlDpi()) : 0);
  const int inset = ScaleToDpi(kBarInset, ControlDpi());
  InflateRect(&shown.barPlace, -inset, -inset);
}

void ShowInWindow(const ShownProgress& shown) {
  const CCorvaneProgressBar* bar = State().progressBar;
  if (bar == nullptr) return;
  if (shown.kind == Kind::Counted) {
    bar->Show(shown.done, shown.total, shown.barPlace);
  } else {
    bar->Hide();
  }
}

// A call that fails leaves the button as it was; nothing else depends on it.
void ShowOnTaskbar(const ShownProgress& shown) {
  const MainWindowState& s = State();
  if (s.taskbarButton == nullptr || s.mainWindow == nullptr) return;
  switch (shown.kind) {
    case Kind::None:
      s.taskbarButton->SetProgressState(s.mainWindow, TBPF_NOPROGRESS);
      break;
    case Kind::Uncounted:
      s.taskbarButton->SetProgressState(s.mainWindow, TBPF_INDETERMINATE);
      break;
    case Kind::Counted:
      // A value also ends the busy state.
      s.taskbarButton->SetProgressValue(s.mainWindow, static_cast<ULONGLONG>(shown.done),
                                        static_cast<ULONGLONG>(shown.total));
      break;
  }
}

void Show(Kind kind, std::int64_t done, std::int64_t total) {
  ShownProgress& shown = State().progress;
  if (shown.kind == kind && shown.done == done && shown.total == total) return;
  const bool partsChange = (shown.kind == Kind::Counted) != (kind == Kind::Counted);
  shown.kind = kind;
  shown.done = done;
  shown.total = total;
  if (partsChange) PlaceBar(shown);
  ShowInWindow(shown);
  ShowOnTaskbar(shown);
}

}  // namespace

void ShowProgress(std::int64_t done, std::int64_t total) { Show(Kind::Counted, done, total); }

void ShowUncountedProgress() { Show(Kind::Uncounted, 0, 0); }

void EndProgress() { Show(Kind::None, 0, 0); }

void PlaceProgress() {
  ShownProgress& shown = State().progress;
  PlaceBar(shown);
  ShowInWindow(shown);
}

UINT TaskbarButtonCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
  return message;
}

void RenewTaskbarProgress() {
  if (State().taskbarButton == nullptr) return;
  State().taskbarButton->Renew();
  ShowOnTaskbar(State().progress);
}
