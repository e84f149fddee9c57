#include "ui/workers/start_worker.h"

UniqueHandle StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter) {
  DWORD threadId = 0;  // CreateThread wants somewhere to put it; nobody reads it
  return UniqueHandle(CreateThread(nullptr, 0, routine, parameter, 0, &threadId));
}
