#include "ui/controls/btn_list_file.h"

#include "ui/listing/listing_end.h"
#include "ui/listing/refresh.h"
#include "ui/state/workers.h"

namespace CorvaneWnd {

void CBtnListFile::OnClick() {
  if (ListingStoppable()) {
    StopListing();
  } else if (!AnyWorkerRuns()) {
    StartRefresh();
  }
}

}  // namespace CorvaneWnd
