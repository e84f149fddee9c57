#include "support/temp_folder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/text.h"

namespace fs = std::filesystem;

namespace test_support {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("corvane-test-" + std::to_string(stamp) +
                                                      "-" + std::to_string(counter++));
    std::error_code error;
    if (fs::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::u16string TempFolder::Path(const std::u16string& relative) const {
  std::u16string base = path_.u16string();
  if (relative.empty()) return base;
  std::u16string tail = relative;
  std::replace(tail.begin(), tail.end(), u'/', platform::kPathSeparator);
  return base + platform::kPathSeparator + tail;
}

std::u16string TempFolder::Write(const std::u16string& relative,
                                 const std::vector<unsigned char>& bytes) const {
  const fs::path full(Path(relative));
  fs::create_directories(full.parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write a test file");
  return Path(relative);
}

void TempFolder::MakeFolder(const std::u16string& relative) const {
  fs::create_directories(fs::path(Path(relative)));
}

std::vector<unsigned char> TempFolder::Read(const std::u16string& relative) const {
  std::ifstream in(fs::path(Path(relative)), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::u16string> TempFolder::Names(const std::u16string& relative) const {
  std::vector<std::u16string> names;
  for (const auto& item : fs::directory_iterator(fs::path(Path(relative)))) {
    names.push_back(item.path().filename().u16string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace test_support
