#include "ui/state/workers.h"

#include <atomic>

namespace {

// Indexed by Worker. Never destroyed: workers that still run when the window
// closes end with the process.
WorkerSlot* Slots() {
  static auto* slots = new WorkerSlot[static_cast<int>(Worker::Count)];
  return slots;
}

}  // namespace

WorkerSlot& SlotOf(Worker worker) { return Slots()[static_cast<int>(worker)]; }

bool Runs(Worker worker) { return static_cast<bool>(SlotOf(worker).thread); }

bool AnyWorkerRuns() {
  for (const Worker worker : {Worker::Scan, Worker::Tags, Worker::Renaming, Worker::Lyrics}) {
    if (Runs(worker)) return true;
  }
  return false;
}

bool StartWorker(Worker worker, LPTHREAD_START_ROUTINE routine) {
  return StartWorker(worker, routine, std::make_unique<RunOnly>());
}

void StopWorker(Worker worker) {
  WorkerSlot& slot = SlotOf(worker);
  if (!slot.thread) return;
  if (slot.run.stop) slot.run.stop->Request();
  const HANDLE handle = slot.thread.get();
  for (;;) {
    // Peeking carries out every message sent to this thread; posted ones stay.
    MSG ignored;
    PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (woken != WAIT_OBJECT_0 + 1) break;  // ended, or the wait itself failed
  }
  slot.thread.reset();
}

bool CloseIfCurrent(Worker worker, WPARAM closing) {
  WorkerSlot& slot = SlotOf(worker);
  // A stopped run is ended by its stop, which waits for the thread, closes
  // the handle and gives the controls back itself.
  if (!slot.thread || closing != slot.run.number || slot.run.stop->Requested()) return false;
  slot.thread.reset();
  return true;
}

WorkerRun NewRun() {
  // Only the main thread starts workers, but the count costs nothing to make safe.
  static std::atomic<WPARAM> lastNumber{0};
  WorkerRun run;
  run.number = ++lastNumber;
  return run;
}

namespace workers_detail {

bool Start(WorkerSlot& slot, LPTHREAD_START_ROUTINE routine, void* parameter) {
  DWORD threadId = 0;  // CreateThread wants somewhere to put it; nobody reads it
  slot.thread = UniqueHandle(CreateThread(nullptr, 0, routine, parameter, 0, &threadId));
  return static_cast<bool>(slot.thread);
}

}  // namespace workers_detail
