#pragma once
// The file list's rows and what stands beside each: row i of the list is the
// file of entry i of the track table, and of the moves the undo record keeps
// for row i. Rows leave only through here, so the three stay in step.

#include <iterator>
#include <string>

// The file list's columns.
inline constexpr int kPathColumn = 0;    // the full path; drawn as the file's name alone
inline constexpr int kTitleColumn = 1;   // the title read from the tags
inline constexpr int kStatusColumn = 2;  // "已修改", "未修改" or "已拷贝", in its colour

struct FileListColumn {
  int width;
  const char16_t* title;
};
// In the order of the indexes above.
inline constexpr FileListColumn kFileListColumns[] = {
    {350, u"文件名"},
    {200, u"曲名"},
    {80, u"状态"},
};
inline constexpr int kFileListColumnCount = static_cast<int>(std::size(kFileListColumns));

// A file the scan found: one row more, and one more in filesFound.
void AddFileRow(const std::u16string& path);

// The row's file now bears path: its cell and its entry follow.
void MoveRowFile(int row, const std::u16string& path);

// Removes the row with its entry, if the tag reading came to it, and its
// moves in the undo record; later rows move down in all three.
void RemoveRow(int row);

// Removes every selected row, each counted off filesFound, and the details
// panel follows at once. Returns how many went.
int RemoveSelectedRows();

// Removes the rows from first to the end; the rows the tag reading had not
// reached when it stopped. False when there were none.
bool RemoveRowsFrom(int first);

// Empties the list, the track table and the undo record; filesFound is 0,
// no progress shows and the details panel follows at once.
void ClearRows();
