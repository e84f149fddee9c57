#include "ui/controls/list_sort.h"

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "platform/wide.h"
#include "ui/controls/list_file.h"

std::vector<std::size_t> SortedRowOrder(const TrackTable& tracks, int column, bool descending,
                                        std::u16string_view style) {
  std::vector<std::u16string> texts;
  texts.reserve(tracks.Size());
  for (std::size_t index = 0; index < tracks.Size(); ++index) {
    texts.push_back(CorvaneWnd::ShownText(*tracks.Row(index), column, style));
  }
  std::vector<std::size_t> order(tracks.Size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto compare = [&texts](std::size_t a, std::size_t b) {
    return StrCmpLogicalW(platform::Wide(texts[a]), platform::Wide(texts[b]));
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return descending ? compare(b, a) < 0 : compare(a, b) < 0;
  });
  return order;
}
