#pragma once
// Where a renaming's time goes on disk: a file system that hands every
// operation to the system's, the held file's own included, and counts each
// kind with the time it took.

#include <memory>
#include <string>

#include "platform/file_system_decorator.h"
#include "window_bench.h"

class FileOperationProfile : public test_support::FileSystemDecorator {
 public:
  platform::MoveResult MoveWithoutReplacing(const std::u16string& from,
                                            const std::u16string& to) const override;
  std::optional<std::u16string> NameOnDisk(const std::u16string& path) const override;
  bool IsSameFile(const std::u16string& a, const std::u16string& b) const override;
  std::optional<platform::FileId> IdentifyFile(const std::u16string& path) const override;
  std::optional<platform::FileId> IdentifyFolder(const std::u16string& path) const override;
  bool IsLink(const std::u16string& path) const override;
  bool ListFolder(const std::u16string& folder,
                  const platform::FolderVisitor& visit) const override;
  // The system's held file, each of its operations timed too.
  std::unique_ptr<platform::HeldFile> Hold(const std::u16string& path) const override;

  // One line: each kind's calls per file and time per call, and their sum
  // per file against the whole run's. Read once the worker that used it has
  // ended.
  void Print(const char* run, int files, double runMilliseconds) const;

 private:
  class TimedHeldFile;
  enum Kind {
    kMove,
    kNameOnDisk,
    kIsSameFile,
    kIdentifyFile,
    kIdentifyFolder,
    kIsLink,
    kListFolder,
    kHold,
    kHeldIsLink,
    kHeldStamp,
    kHeldStoredName,
    kHeldMoveTo,
    kHeldClose,
    kKinds
  };
  struct Tally {
    long long calls = 0;
    window_bench::Clock::duration time{};
  };
  // Times one call of kind; the calls come from one worker thread at a time.
  template <typename Call>
  auto Timed(Kind kind, Call call) const {
    const window_bench::Clock::time_point start = window_bench::Clock::now();
    auto result = call();
    Tally& tally = tallies_[kind];
    ++tally.calls;
    tally.time += window_bench::Clock::now() - start;
    return result;
  }
  mutable Tally tallies_[kKinds];
};
