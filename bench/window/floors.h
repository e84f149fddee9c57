#pragma once
// The least work the window's results need, done bare in the benchmark's
// own process, with nothing shown.

#include <string>
#include <utility>
#include <vector>

// The listing's: every folder under folder (itself included) listed with
// FindFirstFileW, and each MP3 file's tag bytes read as the tag reader's own
// floor reads them (bench/tag_bench.cpp): open, the first 4 KiB, 4 KiB where
// the frame after the first starts when that lies beyond them, the last 128
// bytes, close. Returns how many files it read.
int ListAndReadTagBytes(const std::u16string& folder);

// The renaming's and the undo's: one MoveFileExW per file, from first to
// second, never replacing. False as soon as one fails.
bool MoveEach(const std::vector<std::pair<std::u16string, std::u16string>>& moves);
