#pragma once
// Something dragged from the file manager and dropped on the main window.

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

// One folder dropped is taken as if chosen in the folder browser; one file
// stands for its folder. More than one item, one that is not there, or a
// drop while the folder cannot be chosen (a worker runs, the browser is
// open) changes nothing, without a message. Releases the drop in any case.
void OnDropFiles(HDROP drop);

// The folder that a dropped item stands for: itself when it is a folder,
// else the folder it is in. Nothing when the item is not there.
std::optional<std::wstring> FolderOfDroppedItem(const std::wstring& path);
