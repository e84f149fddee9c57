#pragma once
// The files the benchmarks list and rename, spread over folders of one
// parent as a music library lies on disk. Every name of a kind has the same
// length, so the work per file does not drift with its place.

#include <string>
#include <vector>

struct LibraryFile {
  std::u16string relative;  // "Folder 007\Track 000123.mp3"
  std::u16string
      renamed;           // where "%title% - %artist%" puts it: "Folder 007\Song 000123 - Band.mp3"
  std::u16string title;  // "Song 000123"; the artist is kLibraryArtist
};

inline constexpr char16_t kLibraryArtist[] = u"Band";
inline constexpr char16_t kLibraryAlbum[] = u"Disc";
inline constexpr char16_t kLibraryStyle[] = u"%title% - %artist%";

// files files, dealt over folders folders in turn.
std::vector<LibraryFile> LibraryLayout(int files, int folders);
