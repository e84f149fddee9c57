#pragma once
// The rename worker: gives every listed file its new name in its own folder,
// row by row, and writes each row's outcome and path back into the list.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The pace of a renaming and of its undo, one file at a time, also for a row
// that needed no move: a stop can fall between any two files.
inline constexpr std::chrono::milliseconds kPauseAfterFile{100};

// "共尝试<action> N 个MP3文件, 成功<action> M 个MP3文件.", the end of a run.
std::u16string FilesSummary(std::u16string_view action, std::int64_t tried, std::uint32_t done);

// Started by "开始重命名!" with a WorkerRun* (see StartRun), whose stop it
// tests between rows and while it pauses. Reads the name style once. Shows
// the summary unless it was asked to stop, and posts WM_RENAME_DONE with the
// run's number as its last act.
DWORD WINAPI RenameThreadProc(void* run);
