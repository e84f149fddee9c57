#include "ui/workers/worker_run.h"

#include <atomic>

WorkerRun NewRun() {
  // Only the main thread starts workers, but the count costs nothing to make safe.
  static std::atomic<WPARAM> lastNumber{0};
  WorkerRun run;
  run.number = ++lastNumber;
  return run;
}

std::unique_ptr<WorkerRun> TakeRun(void* parameter) {
  std::unique_ptr<WorkerRun> run(static_cast<WorkerRun*>(parameter));
  if (!run) run = std::make_unique<WorkerRun>();
  return run;
}

bool CloseIfCurrent(UniqueHandle& thread, const WorkerRun& current, WPARAM closing) {
  // A stopped run is ended by its stop, which waits for the thread, closes
  // the handle and gives the controls back itself.
  if (!thread || closing != current.number || current.stop->Requested()) return false;
  thread.reset();
  return true;
}
