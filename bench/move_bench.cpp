// One renaming's and one undo's file operations, without the window: files
// in one folder each given a new name with RenameTrack and taken back with
// RenameTrackBack, against the floor measured in the same run, the plain
// move of each (MoveFileExW on Windows, renameat2 natively). On Windows it
// also times each system call a move may make, per call.
//
//   corvane-move-bench [files]     (2,000 unless given)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_identity.h"
#include "platform/move.h"
#include "platform/text.h"
#include "tracks/name_style.h"
#include "tracks/rename.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/long_path.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 5;

double MicrosecondsPerFile(Clock::time_point start, std::size_t files) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
         static_cast<double>(files);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Files {
  std::vector<std::u16string> before;
  std::vector<std::u16string> after;
};

Files MakeFiles(const std::filesystem::path& folder, int count) {
  Files files;
  const std::u16string base = folder.u16string() + platform::kPathSeparator;
  for (int i = 0; i < count; ++i) {
    const std::u16string n = platform::DecimalText(i);
    files.before.push_back(base + n + u".mp3");
    files.after.push_back(base + u"晴天 Song " + n + u" - 周杰伦.mp3");
    std::ofstream(std::filesystem::path(files.before.back()), std::ios::binary) << "ID3";
  }
  return files;
}

// Each file there and back; false when one did not arrive.
bool MoveAll(const std::vector<std::u16string>& from, const std::vector<std::u16string>& to) {
  bool all = true;
  for (std::size_t i = 0; i < from.size(); ++i) {
    all = platform::MoveWithoutReplacing(from[i], to[i]) == platform::MoveResult::Moved && all;
  }
  return all;
}

#ifdef _WIN32
// The cost of one system call, per file, over files opened beforehand where
// the call needs a handle.
void TimeSystemCalls(const Files& files) {
  const std::size_t count = files.before.size();
  std::vector<std::wstring> paths;
  std::vector<std::wstring> targets;
  for (std::size_t i = 0; i < count; ++i) {
    paths.push_back(platform::LongPath(files.before[i]));
    targets.push_back(platform::LongPath(files.after[i]));
  }
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const auto open = [&](std::size_t i, DWORD access) {
    return CreateFileW(paths[i].c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  };
  const auto time = [&](const char* what, const std::function<void(std::size_t)>& call) {
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
      const Clock::time_point start = Clock::now();
      for (std::size_t i = 0; i < count; ++i) call(i);
      rounds.push_back(MicrosecondsPerFile(start, count));
    }
    std::printf("  %-58s %8.1f us\n", what, Median(rounds));
  };
  const auto onHandles = [&](const char* what, const std::function<void(HANDLE)>& call) {
    std::vector<HANDLE> handles;
    for (std::size_t i = 0; i < count; ++i) handles.push_back(open(i, FILE_READ_ATTRIBUTES));
    time(what, [&](std::size_t i) { call(handles[i]); });
    for (const HANDLE handle : handles) CloseHandle(handle);
  };
  std::printf("system calls, per call:\n");
  time("MoveFileExW there and back (two calls)", [&](std::size_t i) {
    MoveFileExW(paths[i].c_str(), targets[i].c_str(), 0);
    MoveFileExW(targets[i].c_str(), paths[i].c_str(), 0);
  });
  time("CreateFileW (DELETE | FILE_READ_ATTRIBUTES) + CloseHandle",
       [&](std::size_t i) { CloseHandle(open(i, DELETE | FILE_READ_ATTRIBUTES)); });
  time("CreateFileW of a missing file", [&](std::size_t i) {
    const HANDLE none = CreateFileW(targets[i].c_str(), FILE_READ_ATTRIBUTES, share, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (none != INVALID_HANDLE_VALUE) CloseHandle(none);
  });
  time("FindFirstFileW + FindClose", [&](std::size_t i) {
    WIN32_FIND_DATAW data{};
    FindClose(FindFirstFileW(paths[i].c_str(), &data));
  });
  onHandles("GetFileInformationByHandleEx FileIdInfo", [](HANDLE handle) {
    struct {
      ULONGLONG volume;
      BYTE id[16];
    } info{};
    GetFileInformationByHandleEx(handle, static_cast<FILE_INFO_BY_HANDLE_CLASS>(18), &info,
                                 sizeof info);
  });
  onHandles("GetFileInformationByHandle", [](HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(handle, &info);
  });
  onHandles("GetVolumeInformationByHandleW (serial only)", [](HANDLE handle) {
    DWORD serial = 0;
    GetVolumeInformationByHandleW(handle, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0);
  });
  onHandles("GetFileInformationByHandleEx FileAttributeTagInfo", [](HANDLE handle) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &info, sizeof info);
  });
  onHandles("GetFileInformationByHandleEx FileBasicInfo + FileStandardInfo", [](HANDLE handle) {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic);
    GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard);
  });
  onHandles("GetFinalPathNameByHandleW", [](HANDLE handle) {
    wchar_t buffer[MAX_PATH];
    GetFinalPathNameByHandleW(handle, buffer, MAX_PATH, 0);
  });
  onHandles("GetFileInformationByHandleEx FileNameInfo", [](HANDLE handle) {
    std::vector<DWORD> buffer(1024);
    GetFileInformationByHandleEx(handle, FileNameInfo, buffer.data(),
                                 static_cast<DWORD>(buffer.size() * sizeof(DWORD)));
  });
  time("SetFileInformationByHandle FileRenameInfo there and back", [&](std::size_t i) {
    const HANDLE handle = open(i, DELETE | FILE_READ_ATTRIBUTES);
    for (const std::wstring* to : {&targets[i], &paths[i]}) {
      std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + to->size() * sizeof(wchar_t));
      auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
      rename->FileNameLength = static_cast<DWORD>(to->size() * sizeof(wchar_t));
      std::copy(to->begin(), to->end(), rename->FileName);
      SetFileInformationByHandle(handle, FileRenameInfo, rename, static_cast<DWORD>(buffer.size()));
    }
    CloseHandle(handle);
  });
  std::printf("the platform's operations, per call:\n");
  time("IsLink", [&](std::size_t i) { platform::IsLink(files.before[i]); });
  time("IdentifyFile", [&](std::size_t i) { platform::IdentifyFile(files.before[i]); });
  time("IsSameFile (a file and a free name)",
       [&](std::size_t i) { platform::IsSameFile(files.before[i], files.after[i]); });
  time("NameOnDisk", [&](std::size_t i) { platform::NameOnDisk(files.before[i]); });
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("corvane-move-bench-" + std::to_string(count));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const Files files = MakeFiles(folder, count);
  const std::size_t total = files.before.size();

  std::vector<double> floor;
  std::vector<double> renaming;
  std::vector<double> undo;
  bool right = true;
  for (int round = 0; round < kRounds; ++round) {
    Clock::time_point start = Clock::now();
    right = MoveAll(files.before, files.after) && right;
    floor.push_back(MicrosecondsPerFile(start, total));
    right = MoveAll(files.after, files.before) && right;

    std::vector<RenameOutcome> outcomes;
    outcomes.reserve(total);
    start = Clock::now();
    for (std::size_t i = 0; i < total; ++i) {
      outcomes.push_back(
          RenameTrack(files.before[i], std::u16string(FileNamePart(files.after[i]))));
    }
    renaming.push_back(MicrosecondsPerFile(start, total));
    start = Clock::now();
    for (std::size_t i = 0; i < total; ++i) {
      const RenameOutcome back =
          RenameTrackBack(outcomes[i].path, files.before[i], outcomes[i].file);
      right = right && outcomes[i].result == RenameResult::Renamed &&
              back.result == RenameResult::Renamed;
    }
    undo.push_back(MicrosecondsPerFile(start, total));
  }
  std::printf("%zu files, median of %d rounds, per file:\n", total, kRounds);
  std::printf("  floor (the plain move)   %8.1f us\n", Median(floor));
  std::printf("  RenameTrack              %8.1f us   %.2fx the floor\n", Median(renaming),
              Median(renaming) / Median(floor));
  std::printf("  RenameTrackBack          %8.1f us   %.2fx the floor\n", Median(undo),
              Median(undo) / Median(floor));
#ifdef _WIN32
  TimeSystemCalls(files);
#endif
  std::filesystem::remove_all(folder);
  if (!right) std::printf("a move did not arrive\n");
  return right ? 0 : 1;
}
