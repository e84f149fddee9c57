#include "platform/move.h"

#include <mutex>
#include <utility>

#include "platform/move_seam.h"
#include "platform/move_system.h"

namespace platform {
namespace {

struct Seam {
  std::mutex mutex;
  MoveInjector injector;
  std::shared_ptr<const FileSystemStandIn> standIn;
};

// Never destroyed: a worker may still move a file while the process ends.
Seam& TheSeam() {
  static auto* seam = new Seam();
  return *seam;
}

InjectedMove Injected(const std::u16string& from, const std::u16string& to) {
  MoveInjector injector;
  {
    std::lock_guard<std::mutex> lock(TheSeam().mutex);
    if (!TheSeam().injector) return InjectedMove::None;
    injector = TheSeam().injector;
  }
  return injector(from, to);
}

}  // namespace

void SetMoveInjectorForTest(MoveInjector injector) {
  std::lock_guard<std::mutex> lock(TheSeam().mutex);
  TheSeam().injector = std::move(injector);
}

void SetFileSystemStandInForTest(std::shared_ptr<const FileSystemStandIn> standIn) {
  std::lock_guard<std::mutex> lock(TheSeam().mutex);
  TheSeam().standIn = std::move(standIn);
}

std::shared_ptr<const FileSystemStandIn> CurrentFileSystemStandIn() {
  std::lock_guard<std::mutex> lock(TheSeam().mutex);
  return TheSeam().standIn;
}

MoveResult MoveWithoutReplacing(const std::u16string& from, const std::u16string& to) {
  if (from.find(u'\0') != std::u16string::npos || to.find(u'\0') != std::u16string::npos) {
    return MoveResult::Failed;
  }
  switch (Injected(from, to)) {
    case InjectedMove::None:
      break;
    case InjectedMove::Fail:
      return MoveResult::Failed;
    case InjectedMove::ReportTaken:
      return MoveResult::NameTaken;
    case InjectedMove::ReportMovedUnchanged:
      return MoveResult::Moved;
  }
  if (const auto standIn = CurrentFileSystemStandIn()) return standIn->move(from, to);
  return SystemMoveWithoutReplacing(from, to);
}

}  // namespace platform
