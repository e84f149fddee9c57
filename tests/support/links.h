#pragma once
// Links made as the system under test makes them: through Win32 on Windows
// (and Wine, where the C++ library cannot), through POSIX elsewhere. Each
// returns false when no link could be made here.

#include <filesystem>

namespace test_support {

// A symbolic link to a folder, else a junction.
bool LinkFolder(const std::filesystem::path& target, const std::filesystem::path& link);
// A symbolic link to a file.
bool LinkFile(const std::filesystem::path& target, const std::filesystem::path& link);

}  // namespace test_support
