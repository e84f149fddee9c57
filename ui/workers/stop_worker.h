#pragma once
// Stopping a worker without killing it: the worker tests its stop request
// between steps and while it pauses, and the main thread waits for it to end.

#include "platform/handles.h"
#include "ui/workers/worker_run.h"

// Asks the run's worker to stop, waits for its thread to end while carrying
// out the messages it sends meanwhile (its SendMessageW calls run on this
// thread, so a plain wait would leave both waiting for each other), then
// closes the handle. Messages it posted stay queued for the message loop; its
// closing message then finds the handle closed. Does nothing when the handle
// is already closed.
void StopWorker(const WorkerRun& run, UniqueHandle& thread);
