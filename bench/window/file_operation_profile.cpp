#include "file_operation_profile.h"

#include <cstdio>
#include <utility>

using window_bench::Milliseconds;

platform::MoveResult FileOperationProfile::MoveWithoutReplacing(const std::u16string& from,
                                                                const std::u16string& to) const {
  return Timed(kMove, [&] { return inner().MoveWithoutReplacing(from, to); });
}

std::optional<std::u16string> FileOperationProfile::NameOnDisk(const std::u16string& path) const {
  return Timed(kNameOnDisk, [&] { return inner().NameOnDisk(path); });
}

bool FileOperationProfile::IsSameFile(const std::u16string& a, const std::u16string& b) const {
  return Timed(kIsSameFile, [&] { return inner().IsSameFile(a, b); });
}

std::optional<platform::FileId> FileOperationProfile::IdentifyFile(
    const std::u16string& path) const {
  return Timed(kIdentifyFile, [&] { return inner().IdentifyFile(path); });
}

std::optional<platform::FileId> FileOperationProfile::IdentifyFolder(
    const std::u16string& path) const {
  return Timed(kIdentifyFolder, [&] { return inner().IdentifyFolder(path); });
}

bool FileOperationProfile::IsLink(const std::u16string& path) const {
  return Timed(kIsLink, [&] { return inner().IsLink(path); });
}

bool FileOperationProfile::ListFolder(const std::u16string& folder,
                                      const platform::FolderVisitor& visit) const {
  return Timed(kListFolder, [&] { return inner().ListFolder(folder, visit); });
}

class FileOperationProfile::TimedHeldFile final : public platform::HeldFile {
 public:
  TimedHeldFile(const FileOperationProfile& profile, std::unique_ptr<platform::HeldFile> file)
      : profile_(profile), file_(std::move(file)) {}
  TimedHeldFile(const TimedHeldFile&) = delete;
  TimedHeldFile& operator=(const TimedHeldFile&) = delete;
  ~TimedHeldFile() override {
    profile_.Timed(kHeldClose, [&] {
      file_.reset();
      return true;
    });
  }
  bool IsLink() const override {
    return profile_.Timed(kHeldIsLink, [&] { return file_->IsLink(); });
  }
  std::optional<platform::FileStamp> Stamp() const override {
    return profile_.Timed(kHeldStamp, [&] { return file_->Stamp(); });
  }
  std::optional<std::u16string> StoredName() override {
    return profile_.Timed(kHeldStoredName, [&] { return file_->StoredName(); });
  }
  platform::MoveResult MoveTo(const std::u16string& to) override {
    return profile_.Timed(kHeldMoveTo, [&] { return file_->MoveTo(to); });
  }

 private:
  const FileOperationProfile& profile_;
  std::unique_ptr<platform::HeldFile> file_;
};

std::unique_ptr<platform::HeldFile> FileOperationProfile::Hold(const std::u16string& path) const {
  std::unique_ptr<platform::HeldFile> file = Timed(kHold, [&] { return inner().Hold(path); });
  if (!file) return nullptr;
  return std::make_unique<TimedHeldFile>(*this, std::move(file));
}

void FileOperationProfile::Print(const char* run, int files, double runMilliseconds) const {
  static const char* const kNames[kKinds] = {
      "MoveWithoutReplacing", "NameOnDisk",   "IsSameFile",        "IdentifyFile",
      "IdentifyFolder",       "IsLink",       "ListFolder",        "Hold",
      "IsLink (held)",        "Stamp (held)", "StoredName (held)", "MoveTo (held)",
      "Close (held)"};
  std::printf("%s, file operations per file:", run);
  double perFile = 0;
  for (int kind = 0; kind < kKinds; ++kind) {
    const Tally& tally = tallies_[kind];
    if (tally.calls == 0) continue;
    const double milliseconds = Milliseconds(tally.time);
    std::printf(" %s %.2f x %.3f ms,", kNames[kind], static_cast<double>(tally.calls) / files,
                milliseconds / static_cast<double>(tally.calls));
    perFile += milliseconds / files;
  }
  std::printf(" in all %.3f ms per file, of %.3f ms per file for the whole run\n", perFile,
              runMilliseconds / files);
  std::fflush(stdout);
}
