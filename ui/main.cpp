// Corvane: renames MP3 files after their ID3 tags.

#include <windows.h>

#include "ui/frame/start_up.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const int exitCode = RunCorvane(instance, showCommand);
  // Workers may still run (a scan, the update check). End here, so that no
  // static destructor runs under them.
  ExitProcess(static_cast<UINT>(exitCode));
}
