#pragma once
// The file list's rows: row i of the list shows row i of the track table,
// whose moves the undo record keeps under i. Rows come and go only through
// here, so the list, the table and the record stay in step.

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// Files the scan found: as many rows more, and as many more in filesFound,
// shown in one go.
void AddFileRows(std::vector<std::u16string> paths);
void AddFileRow(std::u16string path);

// The list shows as many rows as the track table holds, and draws them anew.
void ShowRows();

// The row's file now bears path.
void MoveRowFile(std::size_t row, std::u16string path);

// The row's status, drawn anew.
void ShowRowStatus(std::size_t row, std::u16string_view status);

// Removes the rows (ascending, each once) with their moves in the undo
// record; later rows move down in both. The list's selection stays on the
// rows that stay.
void RemoveRows(const std::vector<std::size_t>& rows);
void RemoveRow(std::size_t row);

// Removes every selected row, each counted off filesFound, and the details
// panel follows at once. Returns how many went.
int RemoveSelectedRows();

// Removes the rows from first to the end; the rows the tag reading had not
// reached when it stopped. False when there were none.
bool RemoveRowsFrom(std::size_t first);

// Empties the list, the track table and the undo record; filesFound is 0,
// no progress shows and the details panel follows at once.
void ClearRows();
