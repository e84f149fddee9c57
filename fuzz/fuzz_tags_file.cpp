// Feeds arbitrary bytes to the tag reader through a real file: each input is
// written to one file and read by its path, through the reader's read-ahead
// block and the platform's file reads.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/read_checks.h"
#include "platform/text.h"

namespace {

std::string inputPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* dir = std::getenv("TMPDIR");
  inputPath = std::string(dir != nullptr ? dir : "/tmp") + "/fuzz-tags-file-" +
              std::to_string(getpid()) + ".mp3";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(inputPath.c_str(), "wb");
  if (file == nullptr) std::abort();
  const bool written = std::fwrite(data, 1, size, file) == size;
  fuzz::Require(std::fclose(file) == 0 && written);
  Id3Reader reader(platform::Utf8ToUtf16(inputPath));
  fuzz::CheckReads(reader);
  return 0;
}
