#include "ui/workers/tag_worker.h"

#include "ui/window/window_messages.h"
#include "ui/workers/closing_message.h"

DWORD WINAPI TagThreadProc(void*) {
  const ClosingMessage done(WM_TAGS_DONE);
  // The reading of the rows arrives with the file list's behaviour; until
  // then the worker only reports its end, so WM_SCAN_DONE's route is whole.
  return 0;
}
