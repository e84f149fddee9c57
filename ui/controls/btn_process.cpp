#include "ui/controls/btn_process.h"

#include "ui/renaming/renaming.h"
#include "ui/state/workers.h"

namespace CorvaneWnd {

void CBtnProcess::OnClick() {
  if (RenamingUnderWay()) {
    StopRenaming();
  } else if (!AnyWorkerRuns()) {
    StartRenaming();
  }
}

}  // namespace CorvaneWnd
