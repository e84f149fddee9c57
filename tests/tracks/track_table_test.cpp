#include <gtest/gtest.h>

#include <string>
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

TEST(TrackTable, ErasingMovesLaterRowsWithTheirPathsAndStatusesDownAndClearEmpties) {
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

  // Rows whose tags are not read yet stand between the others, without a
  // status; several go in one pass, the rest keep their order.
  table.AddFile(folder + u"unread.mp3");
  for (const std::u16string title : {u"three", u"four", u"five"}) {
    table.Append(Entry(title), folder + title + u".mp3", u"%title%");
  }
  table.AddFile(folder + u"last.mp3");
  ASSERT_EQ(table.Size(), 7u);
  EXPECT_EQ(table.TaggedCount(), 5u);
  EXPECT_EQ(table.Entry(2), nullptr);
  EXPECT_EQ(table.Row(4)->status, kStatusRenamed);
  table.EraseRows({0, 2, 4, 6});
  ASSERT_EQ(table.Size(), 3u);
  const std::u16string kept[] = {u"two", u"three", u"five"};
  for (std::size_t row = 0; row < table.Size(); ++row) {
    EXPECT_EQ(*table.Entry(row)->title, kept[row]) << row;
  }
  EXPECT_EQ(table.Row(2)->path, folder + u"five.mp3");
  table.UpdateStatuses(u"%title% - %artist%");
  EXPECT_EQ(table.Row(0)->status, kStatusRenamed);
  EXPECT_EQ(table.Row(1)->status, kStatusUnchanged);
  table.EraseFrom(1);
  EXPECT_EQ(table.Size(), 1u);

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

}  // namespace
