#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder, or a path inside it, as the core takes paths.
  std::u16string Path(const std::u16string& relative = u"") const;

  // Writes a file (creating folders on the way) and returns its full path.
  std::u16string Write(const std::u16string& relative,
                       const std::vector<unsigned char>& bytes) const;
  void MakeFolder(const std::u16string& relative) const;
  std::vector<unsigned char> Read(const std::u16string& relative) const;
  // Names in one folder, sorted.
  std::vector<std::u16string> Names(const std::u16string& relative = u"") const;

 private:
  std::filesystem::path path_;
};

}  // namespace test_support
