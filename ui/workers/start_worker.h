#pragma once
// Every worker starts the same way: default security and stack, running at
// once. The handle is kept until the worker's closing message arrives.

#include <windows.h>

#include <memory>

#include "platform/handles.h"
#include "ui/workers/worker_run.h"

UniqueHandle StartWorker(LPTHREAD_START_ROUTINE routine, void* parameter = nullptr);

// Hands the thread its heap record: the thread owns it once it runs, and a
// thread that never started leaves it to be freed here.
template <typename Request>
UniqueHandle StartWorker(LPTHREAD_START_ROUTINE routine, std::unique_ptr<Request> request) {
  UniqueHandle thread = StartWorker(routine, static_cast<void*>(request.get()));
  if (thread) request.release();
  return thread;
}

// Starts routine for a new run, kept in run; the thread gets its own copy of
// the run as its parameter.
UniqueHandle StartRun(LPTHREAD_START_ROUTINE routine, WorkerRun& run);
