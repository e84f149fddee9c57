// The statuses of a key release, natively: TrackTable::NewNameStatuses over
// 10,000 entries, against the least a name computation must do in the same
// run: join each entry's texts with the style's literals, compare the result
// with the file's name, pick the status.
//
//   corvane-name-bench

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tracks/name_style.h"
#include "tracks/track_table.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntries = 10000;
constexpr int kRepetitions = 31;

std::u16string Number(int n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

struct Track {
  std::u16string title, artist, album, fileName;
};

// Half the files already bear the name "%title% - %artist%" gives them.
std::vector<Track> MakeTracks() {
  std::vector<Track> tracks;
  for (int i = 0; i < kEntries; ++i) {
    Track track{u"晴天 Song " + Number(i), u"周杰伦 Band", u"叶惠美 Disc", {}};
    track.fileName =
        i % 2 == 0 ? track.title + u" - " + track.artist + u".mp3" : Number(i) + u".mp3";
    tracks.push_back(track);
  }
  return tracks;
}

// The least: one buffer, the texts joined as the style joins them.
std::size_t FloorStatuses(const std::vector<Track>& tracks, std::vector<std::u16string_view>& out) {
  out.clear();
  std::u16string name;
  std::size_t renamed = 0;
  for (const Track& track : tracks) {
    name.assign(track.title).append(u" - ").append(track.artist).append(u".mp3");
    const bool same = name == track.fileName;
    out.push_back(same ? kStatusRenamed : kStatusUnchanged);
    renamed += same ? 1 : 0;
  }
  return renamed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  const std::vector<Track> tracks = MakeTracks();
  TrackTable table;
  for (const Track& track : tracks) {
    TrackEntry entry;
    entry.title = track.title;
    entry.artist = track.artist;
    entry.album = track.album;
    table.Append(entry, u"music/" + track.fileName);
  }
  std::vector<double> ours, floor;
  std::vector<std::u16string_view> floorStatuses;
  std::size_t wrong = 0;
  for (int rep = 0; rep < kRepetitions; ++rep) {
    auto start = Clock::now();
    const std::vector<std::u16string_view> statuses = table.NewNameStatuses(u"%title% - %artist%");
    ours.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());

    start = Clock::now();
    FloorStatuses(tracks, floorStatuses);
    floor.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    if (statuses != floorStatuses) ++wrong;
  }
  const double oursMedian = Median(ours), floorMedian = Median(floor);
  std::printf(
      "NewNameStatuses, %d entries: %.0f us, floor (join and compare) %.0f us, ratio %.2f%s\n",
      kEntries, oursMedian, floorMedian, oursMedian / floorMedian,
      wrong == 0 ? "" : "  WRONG STATUSES");
  return wrong == 0 ? 0 : 1;
}
