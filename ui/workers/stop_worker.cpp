#include "ui/workers/stop_worker.h"

#include <windows.h>

void StopWorker(const WorkerRun& run, UniqueHandle& thread) {
  if (!thread) return;
  if (run.stop) run.stop->Request();
  const HANDLE handle = thread.get();
  for (;;) {
    // Peeking carries out every message sent to this thread; posted ones stay.
    MSG ignored;
    PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) break;  // ended, or the wait itself failed
  }
  thread.reset();
}
