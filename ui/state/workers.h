#pragma once
// The workers' machinery, one for all of them: a table of slots, one per
// kind of worker, each holding the thread and the run it was started for.
// Starting, stopping, closing and "does any worker run" read the table and
// nothing else; no caption is ever asked.

#include <windows.h>

#include <memory>
#include <utility>

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

// The kinds of worker. The undo of the last renaming runs in the renaming's
// slot, so "停止" stops it as it stops a renaming.
enum class Worker { Update, Scan, Tags, Renaming, Lyrics, Count };

struct WorkerSlot {
  UniqueHandle thread;  // kept until the worker's closing message, or its stop
  WorkerRun run;        // the run the thread was last started for
  // Whether the user's "停止" may stop the run: not a tag reading that
  // follows a stopped scan.
  bool userMayStop = true;
};

// The slot of a kind of worker; main thread only.
WorkerSlot& SlotOf(Worker worker);

// The worker's thread is kept: from its start until its closing message or
// its stop is handled.
bool Runs(Worker worker);

// A scan, a tag reading or a renaming (with its lyrics stage, or an undo)
// runs: no command may start another under it. The buttons that would are
// disabled meanwhile, but a click can still come: one sent straight to a
// button, or one from a folder browser opened before. The update check does
// not count: it touches no row.
bool AnyWorkerRuns();

// Starts routine for a new run of worker. The thread is handed request, in
// which the run is set first, and owns it once it runs; a thread that never
// started leaves it to be freed here. False when no thread started.
template <typename Request>
bool StartWorker(Worker worker, LPTHREAD_START_ROUTINE routine, std::unique_ptr<Request> request);

// The same, for a worker that needs nothing but its run.
bool StartWorker(Worker worker, LPTHREAD_START_ROUTINE routine);

// The run a worker's thread was handed in its request, now owned by the
// thread. A thread started without one gets a request of its own (run
// number 0) that nobody can stop.
template <typename Request>
std::unique_ptr<Request> TakeRequest(void* parameter) {
  std::unique_ptr<Request> request(static_cast<Request*>(parameter));
  if (!request) request = std::make_unique<Request>();
  return request;
}

// Asks the worker's run to stop, waits for its thread to end while carrying
// out the messages it sends meanwhile (its SendMessageW calls run on this
// thread, so a plain wait would leave both waiting for each other), then
// closes the handle. Messages it posted stay queued for the message loop;
// its closing message then finds the handle closed. Nothing when the worker
// does not run.
void StopWorker(Worker worker);

// The closing message's handler, on the main thread: closes the worker's
// thread when the message names the run it was started for. False, with
// nothing closed, when the message is an earlier run's, or the run was asked
// to stop (its stop closes the handle, before or after this).
bool CloseIfCurrent(Worker worker, WPARAM closing);

// What StartWorker hands the thread when it needs no request of its own.
struct RunOnly {
  WorkerRun run;
};

// A run with a number that no earlier run had and a fresh stop request.
WorkerRun NewRun();

namespace workers_detail {
bool Start(WorkerSlot& slot, LPTHREAD_START_ROUTINE routine, void* parameter);
}  // namespace workers_detail

// Starts routine with a request that carries no run (the update check, which
// runs once and is never stopped).
template <typename Request>
bool StartWorkerWith(Worker worker, LPTHREAD_START_ROUTINE routine,
                     std::unique_ptr<Request> request) {
  if (!workers_detail::Start(SlotOf(worker), routine, request.get())) return false;
  request.release();
  return true;
}

template <typename Request>
bool StartWorker(Worker worker, LPTHREAD_START_ROUTINE routine, std::unique_ptr<Request> request) {
  WorkerSlot& slot = SlotOf(worker);
  slot.run = NewRun();
  request->run = slot.run;
  return StartWorkerWith(worker, routine, std::move(request));
}
