#include <windows.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/handle_info_win.h"
#include "platform/handles.h"
#include "platform/held_file.h"
#include "platform/long_path.h"
#include "platform/wide.h"
#include "platform/wine.h"

namespace platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The path the handle leads to. Wine's final path stops at MAX_PATH, while
// its FileNameInfo gives any length, as stored, links resolved, without
// the drive; so under Wine both the file and its folder are asked that way.
std::optional<std::u16string> HandlePath(HANDLE handle) {
  if (!RunsUnderWine()) return FinalPathOf(handle);
  std::vector<DWORD> buffer(256);
  for (int tries = 0; tries < 2; ++tries) {
    const DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(DWORD));
    if (GetFileInformationByHandleEx(handle, FileNameInfo, buffer.data(), bytes)) {
      const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer.data());
      return FromWide(info->FileName, info->FileNameLength / sizeof(wchar_t));
    }
    if (GetLastError() != ERROR_MORE_DATA) return std::nullopt;
    buffer.assign(1 + 65536 / sizeof(DWORD), 0);
  }
  return std::nullopt;
}

// Under Wine a volume's serial costs a round trip to its mount manager,
// longer than a move; so the process keeps, for one second, the serial and
// final path of each folder it met. A volume would have to change under that
// very folder path within that second for an identity to be taken wrongly.
// Every folder, not just the last: rows sorted by title take turns among
// the folders of a library.
struct WineFolder {
  std::chrono::steady_clock::time_point taken;
  DWORD serial = 0;
  std::u16string finalPath;
};

constexpr std::chrono::seconds kWineFolderLifetime{1};

// A copy: another thread may renew the entry meanwhile.
std::optional<WineFolder> WineFolderOf(const std::u16string& folder) {
  // Not thread_local: with a thread_local map here the renaming's worker
  // never ended under Wine. Never destroyed: a worker still moving as the
  // process ends must not meet them torn down.
  static auto* guard = new std::mutex();
  static auto* folders = new std::unordered_map<std::u16string, WineFolder>();
  std::unordered_map<std::u16string, WineFolder>& known = *folders;
  const std::lock_guard<std::mutex> lock(*guard);
  const auto now = std::chrono::steady_clock::now();
  const auto found = known.find(folder);
  if (found != known.end() && now - found->second.taken < kWineFolderLifetime) {
    return found->second;
  }
  // Bounded by the folders one second of moves can reach.
  for (auto entry = known.begin(); entry != known.end();) {
    entry = now - entry->second.taken < kWineFolderLifetime ? std::next(entry) : known.erase(entry);
  }
  const UniqueHandle handle(CreateFileW(LongPath(folder).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
  if (!handle) return std::nullopt;
  DWORD serial = 0;
  if (!GetVolumeInformationByHandleW(handle.get(), nullptr, 0, &serial, nullptr, nullptr, nullptr,
                                     0)) {
    return std::nullopt;
  }
  std::optional<std::u16string> finalPath = HandlePath(handle.get());
  if (!finalPath) return std::nullopt;
  WineFolder& entry = known[folder];
  entry = WineFolder{now, serial, std::move(*finalPath)};
  return entry;
}

// Wine's 64-bit index, which it gives without the volume serial.
std::optional<ULONGLONG> WineFileIndex(HANDLE file) {
  struct IoStatus {
    void* status;
    ULONG_PTR information;
  };
  using Query = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
  constexpr int kFileInternalInformation = 6;
  static const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
  IoStatus io{};
  LARGE_INTEGER index{};
  if (query == nullptr || query(file, &io, &index, sizeof index, kFileInternalInformation) != 0) {
    return std::nullopt;
  }
  return static_cast<ULONGLONG>(index.QuadPart);
}

class SystemHeldFile final : public HeldFile {
 public:
  SystemHeldFile(UniqueHandle file, std::u16string folder, std::u16string name)
      : file_(std::move(file)), folder_(std::move(folder)), name_(std::move(name)) {}

  bool IsLink() const override {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(file_.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
      return true;
    }
    // Only a name surrogate (symbolic link, junction) stands for another
    // file; a cloud placeholder or a deduplicated file moves as any other.
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      return IsReparseTagNameSurrogate(tag.ReparseTag) != 0;
    }
    if (!RunsUnderWine()) return false;
    // Wine opened the link's target: only the final path gives it away.
    const std::optional<WineFolder> folder = WineFolderOf(folder_);
    const std::optional<std::u16string> path = FinalPath();
    return !folder || !path || FinalPathLeavesEntry(*path, folder->finalPath, name_);
  }

  std::optional<FileStamp> Stamp() const override {
    std::optional<FileStamp> stamp = SizeAndLastWriteOf(file_.get());
    const std::optional<FileId> id = Identify();
    if (!stamp || !id) return std::nullopt;
    stamp->id = *id;
    return stamp;
  }

  std::optional<std::u16string> StoredName() override {
    const std::optional<std::u16string> path = FinalPath();
    if (!path) return std::nullopt;
    return path->substr(path->rfind(u'\\') + 1);
  }

  MoveResult MoveTo(const std::u16string& to) override {
    if (to.find(u'\0') != std::u16string::npos) return MoveResult::Failed;
    finalPath_.reset();
    const std::wstring target = LongPath(to);
    // FILE_RENAME_INFO ends in the name; ReplaceIfExists stays FALSE, so a
    // taken name is refused, as MoveFileExW without MOVEFILE_REPLACE_EXISTING.
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    if (SetFileInformationByHandle(file_.get(), FileRenameInfo, rename,
                                   static_cast<DWORD>(buffer.size()))) {
      return MoveResult::Moved;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? MoveResult::NameTaken
                                                                       : MoveResult::Failed;
  }

 private:
  std::optional<FileId> Identify() const {
    if (!RunsUnderWine()) return IdOfHandle(file_.get());
    const std::optional<WineFolder> folder = WineFolderOf(folder_);
    const std::optional<ULONGLONG> index = WineFileIndex(file_.get());
    if (!folder || !index) return std::nullopt;
    return FileIdFromIndex(folder->serial, static_cast<std::uint32_t>(*index >> 32),
                           static_cast<std::uint32_t>(*index));
  }

  // Kept until the next move: the link check and the stored name share it.
  const std::optional<std::u16string>& FinalPath() const {
    if (!finalPath_) finalPath_ = HandlePath(file_.get());
    return finalPath_;
  }

  UniqueHandle file_;
  std::u16string folder_;  // ends in a separator
  std::u16string name_;    // the name the file was held by
  mutable std::optional<std::u16string> finalPath_;
};

}  // namespace

std::unique_ptr<HeldFile> HoldFile(const std::u16string& path) {
  if (path.find(u'\0') != std::u16string::npos) return nullptr;
  const std::size_t separator = path.find_last_of(u"\\/");
  if (separator == std::u16string::npos) return nullptr;
  // DELETE to rename it; every sharing mode, so that a program reading the
  // file keeps it open; the link itself, never what it points to.
  UniqueHandle file(CreateFileW(LongPath(path).c_str(), DELETE | FILE_READ_ATTRIBUTES, kShareAll,
                                nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) return nullptr;
  return std::make_unique<SystemHeldFile>(std::move(file), path.substr(0, separator + 1),
                                          path.substr(separator + 1));
}

}  // namespace platform
