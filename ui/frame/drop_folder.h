#pragma once
// Something dragged from the file manager and dropped on the main window.

#include <windows.h>

#include <shellapi.h>

// One folder dropped is taken as if chosen in the folder browser; one file
// stands for its folder. More than one item, one that is not there, or a
// drop while the folder cannot be chosen (a worker runs, the browser is
// open) changes nothing, without a message. Releases the drop in any case.
void OnDropFiles(HDROP drop);
