#pragma once
// What every worker is started with, so that every worker stops and ends the
// same way: the number of its run and its stop request.

#include <windows.h>

#include <memory>

#include "platform/handles.h"
#include "tracks/stop_request.h"

struct WorkerRun {
  // The wParam of the run's closing message. Numbers are never reused, so a
  // late message of an earlier run cannot close a newer worker's handle.
  WPARAM number = 0;
  // Tested by the worker between its steps and while it pauses; asked by
  // StopWorker on the main thread.
  std::shared_ptr<StopRequest> stop = std::make_shared<StopRequest>();
};

// A run with a number that no earlier run had and a fresh stop request.
WorkerRun NewRun();

// The run a worker's thread was handed as its parameter, now owned by the
// thread. A thread started without one gets a run of its own (number 0) that
// nobody can stop.
std::unique_ptr<WorkerRun> TakeRun(void* parameter);

// The closing message's handler, on the main thread: closes thread when the
// message names the run it was started for. False, with nothing closed, when
// the message is an earlier run's, or the run was asked to stop (its stop
// closes the handle, before or after this).
bool CloseIfCurrent(UniqueHandle& thread, const WorkerRun& current, WPARAM closing);
