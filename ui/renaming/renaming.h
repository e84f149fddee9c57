#pragma once
// The renaming's start and stop: "开始重命名!" gives every listed file its
// new name in its own folder, one file at a time; its "停止" stops it
// between two files.

// A renaming or its undo runs, or the lyrics stage after it: the rename
// button reads "停止".
bool RenamingUnderWay();

// Checks the style once more (a "错误" box refuses it), forgets the last
// renaming, sets every status to "未修改" and starts the moves.
void StartRenaming();

// Stops the renaming or the undo between two files; the lyrics stage cannot
// be stopped and ends by itself at once.
void StopRenaming();

// Stops a running renaming between two files and waits for its worker to
// end, whichever way the program ends: ending the process mid-file could
// leave a file under a temporary name. The wait is bounded by the moves of
// one file.
void StopRenamingBeforeTheEnd();
