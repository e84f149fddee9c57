#pragma once
// The directory scan: finds the .mp3 files of a folder and, when asked, of
// all folders below it, reporting each file and each subfolder it enters.

#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "tracks/stop_request.h"

// Called once per report, on the scanning thread, before the walk goes on.
// path is the full path; isFolder is true for a subfolder, false for a file.
using ScanReporter = std::function<void(const std::u16string& path, bool isFolder)>;

enum class ScanEnd {
  Finished,  // the walk ran to its end
  Stopped,   // a stop was requested, at the latest during the last report;
             // nothing was reported after it
};

// Walks folder (one trailing separator dropped, so a drive root "D:\" is
// walked as "D:"): the folder's entries in the order the file system gives
// them, then, with includeSubfolders, the subfolders depth first, the one met
// last first. A folder that cannot be listed is skipped. A folder link is
// entered like a folder, but no folder is listed twice (by file identity; a
// folder whose listing failed through one path is still listed through the
// next), and the recycle bin and "System Volume Information" never where
// they are the volume's own: at its root, or marked hidden and system. The
// stop request is tested before every folder entry and before every folder
// is listed. The file system chooses the order of the entries; a test hands in
// one of its own to fix it.
ScanEnd ScanDirectory(std::u16string folder, bool includeSubfolders, const ScanReporter& report,
                      const StopRequest& stop,
                      const platform::FileSystem& fileSystem = platform::SystemFileSystem());

// True when the text from the name's last dot to its end is ".mp3" in any
// letter case.
bool IsMp3Name(std::u16string_view name);
