#pragma once
// What must happen before the program ends, whichever way it ends.

// Stops a running renaming between two files and waits for its worker to
// end: ending the process mid-file could leave a file under a temporary
// name. The wait is bounded by the moves of one file.
void StopRenamingBeforeTheEnd();
