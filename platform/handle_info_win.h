#pragma once
// What an open handle tells of its file, shared by the path-based lookups
// and the held file. Windows only.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/file_identity.h"

namespace platform {

// The file's volume and identity: FILE_ID_INFO where the system has it,
// else the 64-bit index.
std::optional<FileId> IdOfHandle(HANDLE file);

// The size and last write of the handle's file, the identity left unknown.
std::optional<FileStamp> SizeAndLastWriteOf(HANDLE file);

// The path the system resolves the handle to, links on the way included.
std::optional<std::u16string> FinalPathOf(HANDLE file);

// Under Wine, which shows a Linux symbolic link as the file it points to,
// attributes and all: whether a file asked for as folder + name resolved to
// finalPath, while the folder resolved to finalFolder, ends somewhere else.
bool FinalPathLeavesEntry(const std::u16string& finalPath, std::u16string finalFolder,
                          const std::u16string& name);

}  // namespace platform
