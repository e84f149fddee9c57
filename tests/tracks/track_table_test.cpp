#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "tracks/track_table.h"

namespace {

TrackEntry Entry(const std::u16string& title) {
  TrackEntry entry;
  entry.title = title;
  entry.artist = u"A";
  entry.album = u"B";
  return entry;
}

TEST(TrackTable, EraseMovesLaterEntriesDownAndClearEmpties) {
  TrackTable table;
  EXPECT_FALSE(table.Get(0).has_value());
  for (const char16_t* title : {u"zero", u"one", u"two"}) table.Append(Entry(title));
  ASSERT_EQ(table.Size(), 3u);

  EXPECT_TRUE(table.Erase(0));
  ASSERT_EQ(table.Size(), 2u);
  EXPECT_EQ(*table.Get(0)->title, u"one");
  EXPECT_EQ(*table.Get(1)->title, u"two");
  std::u16string name;
  EXPECT_TRUE(table.NewNameOf(1, u"%title% - %artist%", name));
  EXPECT_EQ(name, u"two - A.mp3");
  EXPECT_FALSE(table.Get(2).has_value());
  EXPECT_FALSE(table.NewNameOf(2, u"%title%", name));
  EXPECT_FALSE(table.Erase(2));

  table.Clear();
  EXPECT_EQ(table.Size(), 0u);
  EXPECT_FALSE(table.Get(0).has_value());
}

// The worker appends while the window's thread reads sizes and entries; a
// reader must never see a torn or moved entry.
TEST(TrackTable, ReadsWhileAnotherThreadAppends) {
  TrackTable table;
  constexpr int kEntries = 5000;
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int i = 0; i < kEntries; ++i) table.Append(Entry(std::u16string(1 + i % 40, u'x')));
    done = true;
  });
  std::size_t checked = 0;
  while (!done || checked < table.Size()) {
    const std::size_t size = table.Size();
    for (; checked < size; ++checked) {
      const auto entry = table.Get(checked);
      ASSERT_TRUE(entry.has_value());
      ASSERT_EQ(entry->title->size(), 1 + checked % 40);
    }
  }
  writer.join();
  EXPECT_EQ(checked, static_cast<std::size_t>(kEntries));
}

}  // namespace
