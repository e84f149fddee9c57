#pragma once
// The details panel on the right: the selected row's path, tags and the
// preview of its new name.

#include <string>
#include <string_view>

#include "tracks/track_table.h"

// Sets the selection label and repaints the main window behind it: labels
// draw on no background of their own, so the old text would stay.
void ShowSelectionText(const std::u16string& text);

// "当前未选中任意一项." and "暂无" in each of the five boxes.
void ResetDetails();

// The new name of the file at path as the preview shows it: followed by
// "(无法使用此文件名)" when it will not be used (refused, or past the paths
// other programs open), or "(没有可用的标题、艺术家或专辑)" in its place when
// none of the style's title, artist and album has a text.
std::u16string NewNamePreview(std::u16string newName, const std::u16string& path);

// The row's new name as the preview and the file list both show it: the
// preview of its name under style; or, for a file the last renaming moved,
// the name it got there (a copy name too), until the next key release in
// the style box or a refresh. Empty for a row whose tags are not read.
std::u16string NewNameText(const TrackRow& row, std::u16string_view style);
