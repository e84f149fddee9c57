#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/text.h"
#include "tracks/name_style.h"
#include "tracks/track_table.h"

namespace {

TrackEntry Entry(const std::u16string& title) {
  TrackEntry entry;
  entry.title = title;
  entry.artist = u"A";
  entry.album = u"B";
  return entry;
}

TEST(TrackTable, EraseMovesLaterEntriesAndTheirPathsDownAndClearEmpties) {
  TrackTable table;
  EXPECT_FALSE(table.Get(0).has_value());
  const std::u16string folder = std::u16string(u"m") + platform::kPathSeparator;
  for (const std::u16string title : {u"zero", u"one", u"two"}) {
    table.Append(Entry(title), folder + title + u" - A.mp3");
  }
  ASSERT_EQ(table.Size(), 3u);

  EXPECT_TRUE(table.Erase(0));
  ASSERT_EQ(table.Size(), 2u);
  EXPECT_EQ(*table.Get(0)->title, u"one");
  EXPECT_EQ(*table.Get(1)->title, u"two");
  EXPECT_FALSE(table.Get(2).has_value());
  EXPECT_FALSE(table.Erase(2));
  // Each status compares the entry's own file name, the moved one where it moved.
  EXPECT_TRUE(table.SetPath(0, folder + u"one.mp3"));
  EXPECT_FALSE(table.SetPath(2, folder + u"two - A.mp3"));
  EXPECT_EQ(table.NewNameStatuses(u"%title% - %artist%"),
            (std::vector<std::u16string_view>{kStatusUnchanged, kStatusRenamed}));
  EXPECT_EQ(table.NewNameStatuses(u"%title%"),
            (std::vector<std::u16string_view>{kStatusRenamed, kStatusUnchanged}));

  table.Clear();
  EXPECT_EQ(table.Size(), 0u);
  EXPECT_FALSE(table.Get(0).has_value());
}

// The table keeps which texts need no change for a name: its statuses must
// still follow MakeNewName for texts that do.
TEST(TrackTable, StatusesFollowMakeNewNameForTextsThatNeedFitting) {
  TrackTable table;
  const std::u16string folder = std::u16string(u"m") + platform::kPathSeparator;
  const std::u16string titles[] = {u"plain",   u"a b",   u"a  b",   u" a",
                                   u"a ",      u"AC/DC", u"a\tb",   u"晴\u3000天",
                                   u"x\u0001", u"a /b",  u"\u3000", u"a\u3000 b"};
  for (const std::u16string& title : titles) {
    TrackEntry entry = Entry(title);
    entry.track = u" 07?";
    // Each file already bears the name the style gives it.
    table.Append(entry, folder + MakeNewName(u"%title% %track% - %artist%", entry));
  }
  const std::vector<std::u16string_view> statuses =
      table.NewNameStatuses(u"%title% %track% - %artist%");
  ASSERT_EQ(statuses.size(), std::size(titles));
  for (std::size_t i = 0; i < statuses.size(); ++i) {
    EXPECT_EQ(statuses[i], kStatusRenamed) << platform::Utf16ToUtf8(titles[i]);
  }
}

// The worker appends while the window's thread reads sizes and entries; a
// reader must never see a torn or moved entry.
TEST(TrackTable, ReadsWhileAnotherThreadAppends) {
  TrackTable table;
  constexpr int kEntries = 5000;
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int i = 0; i < kEntries; ++i) table.Append(Entry(std::u16string(1 + i % 40, u'x')), u"");
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
