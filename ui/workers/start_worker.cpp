#include "ui/workers/start_worker.h"

UniqueHandle StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter) {
  DWORD threadId = 0;  // CreateThread wants somewhere to put it; nobody reads it
  return UniqueHandle(CreateThread(nullptr, 0, routine, parameter, 0, &threadId));
}

UniqueHandle StartRun(LPTHREAD_START_ROUTINE routine, WorkerRun& run) {
  run = NewRun();
  return StartWorker(routine, std::make_unique<WorkerRun>(run));
}
