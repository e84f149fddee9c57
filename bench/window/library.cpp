#include "library.h"

#include "window_bench.h"

std::vector<LibraryFile> LibraryLayout(int files, int folders) {
  using window_bench::Number;
  std::vector<LibraryFile> layout;
  layout.reserve(static_cast<std::size_t>(files));
  for (int i = 0; i < files; ++i) {
    const std::u16string folder = u"Folder " + Number(i % folders, 3) + u"\\";
    const std::u16string title = u"Song " + Number(i, 6);
    layout.push_back({folder + u"Track " + Number(i, 6) + u".mp3",
                      folder + title + u" - " + kLibraryArtist + u".mp3", title});
  }
  return layout;
}
