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
// What the file will be named, shown before the status; the last index, so
// the status keeps the index it always had.
inline constexpr int kNewNameColumn = 3;

struct FileListColumn {
  int width;  // at 96 dpi; the four leave room for the vertical scroll bar
  const char16_t* title;
};
// In the order of the indexes above.
inline constexpr FileListColumn kFileListColumns[] = {
    {200, u"文件名"},
    {130, u"曲名"},
    {70, u"状态"},
    {230, u"新文件名"},
};
inline constexpr int kFileListColumnCount = static_cast<int>(std::size(kFileListColumns));
// The columns' indexes from left to right.
inline constexpr int kFileListColumnOrder[] = {kPathColumn, kTitleColumn, kNewNameColumn,
                                               kStatusColumn};

// Files the scan found: as many rows more, and as many more in filesFound,
// shown in one go.
void AddFileRows(std::vector<std::u16string> paths);
void AddFileRow(std::u16string path);

// The list shows as many rows as the track table holds, and draws them anew.
void ShowRows();

// The row's file now bears path; the row is drawn anew.
void MoveRowFile(std::size_t row, std::u16string path);

// Row i becomes the row that was at order[i] (every index once), in the
// track table and the undo record; the selection and the focus stay on the
// files they were on, and the details panel follows at once.
void ReorderRows(const std::vector<std::size_t>& order);

// The row's status, drawn anew.
void ShowRowStatus(std::size_t row, std::u16string_view status);

// While one lives, MoveRowFile and ShowRowStatus leave their rows to be
// drawn in one go as it ends: under Wine each row's redraw is a round trip
// to the server, and one batch of moves changes hundreds of rows.
class RowsDrawnTogether {
 public:
  RowsDrawnTogether();
  RowsDrawnTogether(const RowsDrawnTogether&) = delete;
  RowsDrawnTogether& operator=(const RowsDrawnTogether&) = delete;
  ~RowsDrawnTogether();
};

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
// no progress shows, no column shows a sort order and the details panel
// follows at once.
void ClearRows();
