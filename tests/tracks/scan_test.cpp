#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/file_system_decorator.h"
#include "platform/text.h"
#include "support/links.h"
#include "support/temp_folder.h"
#include "tracks/scan.h"

namespace {

using platform::kPathSeparator;
using test_support::LinkFolder;
using test_support::TempFolder;

struct Report {
  std::u16string path;
  bool isFolder;
  bool operator==(const Report& other) const {
    return path == other.path && isFolder == other.isFolder;
  }
};

void PrintTo(const Report& report, std::ostream* out) {
  *out << platform::Utf16ToUtf8(report.path) << (report.isFolder ? " (folder)" : "");
}

struct ScanRun {
  std::vector<Report> reports;
  ScanEnd end = ScanEnd::Stopped;
};

// Scans and collects the reports; onReport may act between reports.
ScanRun Scan(const std::u16string& folder, bool includeSubfolders,
             const std::function<void(const Report&, StopRequest&)>& onReport = {}) {
  ScanRun run;
  StopRequest stop;
  run.end = ScanDirectory(
      folder, includeSubfolders,
      [&](const std::u16string& path, bool isFolder) {
        run.reports.push_back({path, isFolder});
        if (onReport) onReport(run.reports.back(), stop);
      },
      stop);
  return run;
}

using Listing = std::map<std::u16string, std::vector<platform::FolderEntry>>;

// A file system that delivers each folder's entries in the order given, "."
// and ".." first as most do; a folder it does not know, or refuses, cannot
// be listed. A folder has the identity given, or none.
class FixedFileSystem : public platform::FileSystem {
 public:
  explicit FixedFileSystem(Listing folders, std::map<std::u16string, platform::FileId> ids = {},
                           std::set<std::u16string> refused = {})
      : folders_(std::move(folders)), ids_(std::move(ids)), refused_(std::move(refused)) {}

  bool ListFolder(const std::u16string& folder,
                  const platform::FolderVisitor& visit) const override {
    const auto found = folders_.find(folder);
    if (found == folders_.end() || refused_.count(folder) != 0) return false;
    for (const platform::FolderEntry& entry : found->second) {
      if (!visit(entry)) break;
    }
    return true;
  }
  std::optional<platform::FileId> IdentifyFolder(const std::u16string& path) const override {
    const auto found = ids_.find(path);
    if (found == ids_.end()) return std::nullopt;
    return found->second;
  }

 private:
  Listing folders_;
  std::map<std::u16string, platform::FileId> ids_;
  std::set<std::u16string> refused_;
};

platform::FolderEntry Folder(const char16_t* name) { return {name, true, false}; }
platform::FolderEntry File(const char16_t* name) { return {name, false, false}; }
platform::FolderEntry Link(const char16_t* name) { return {name, true, true}; }

// parent, a separator, then name.
std::u16string In(const std::u16string& parent, const std::u16string& name) {
  return parent + kPathSeparator + name;
}

std::vector<Report> ScanInOrder(const platform::FileSystem& fileSystem,
                                const std::u16string& root = u"M") {
  std::vector<Report> reports;
  StopRequest stop;
  const ScanEnd end = ScanDirectory(
      root, true,
      [&](const std::u16string& path, bool isFolder) {
        reports.push_back({path, isFolder});
        // Ends a walk that would otherwise never end, so that a fault fails here.
        if (reports.size() == 50) stop.Request();
      },
      stop, fileSystem);
  EXPECT_EQ(end, ScanEnd::Finished);
  return reports;
}

TEST(ScanDirectory, ReportsFoldersWhenMetAndTheirContentsDepthFirstLastMetFirst) {
  const std::u16string s(1, kPathSeparator);
  // Folder A, folder B and file x.mp3, in that order; A holds a.mp3, B holds b.mp3.
  const std::vector<Report> example = ScanInOrder(FixedFileSystem(
      {{u"M", {Folder(u"."), Folder(u".."), Folder(u"A"), Folder(u"B"), File(u"x.mp3")}},
       {u"M" + s + u"A", {Folder(u"."), Folder(u".."), File(u"a.mp3")}},
       {u"M" + s + u"B", {Folder(u"."), Folder(u".."), File(u"b.mp3")}}}));
  EXPECT_EQ(example, (std::vector<Report>{{u"M" + s + u"A", true},
                                          {u"M" + s + u"B", true},
                                          {u"M" + s + u"x.mp3", false},
                                          {u"M" + s + u"B" + s + u"b.mp3", false},
                                          {u"M" + s + u"A" + s + u"a.mp3", false}}));

  // Deeper: a folder's subfolders wait until the folder itself is listed,
  // then go last met first, each one whole before the next.
  const std::u16string a = u"M" + s + u"A";
  const std::vector<Report> deeper = ScanInOrder(
      FixedFileSystem({{u"M", {File(u"x.mp3"), Folder(u"A"), File(u"notes.txt"), Folder(u"C")}},
                       {a, {Folder(u"A1"), File(u"a.mp3"), Folder(u"A2")}},
                       {a + s + u"A1", {File(u"deep.mp3")}},
                       {a + s + u"A2", {}},
                       {u"M" + s + u"C", {File(u"c2.mp3"), File(u"cover.jpg"), File(u"c1.mp3")}}}));
  EXPECT_EQ(deeper, (std::vector<Report>{{u"M" + s + u"x.mp3", false},
                                         {a, true},
                                         {u"M" + s + u"C", true},
                                         {u"M" + s + u"C" + s + u"c2.mp3", false},
                                         {u"M" + s + u"C" + s + u"c1.mp3", false},
                                         {a + s + u"A1", true},
                                         {a + s + u"a.mp3", false},
                                         {a + s + u"A2", true},
                                         {a + s + u"A1" + s + u"deep.mp3", false}}));
}

struct NameCase {
  const char16_t* name;
  bool isFolder;
  bool reported;
};

TEST(ScanDirectory, ReportsFilesWhoseTextFromTheLastDotIsDotMp3InAnyCase) {
  const NameCase cases[] = {
      {u"song.mp3", false, true},      {u"song.MP3", false, true}, {u"TRACK01.Mp3", false, true},
      {u"a.b.mp3", false, true},       {u".mp3", false, true},     {u"a.mp3.mp3", false, true},
      {u"song.mp3.bak", false, false}, {u"mp3", false, false},     {u"songmp3", false, false},
      {u"歌曲.mp3", false, true},      {u"x.mp3", true, true},     {u"plain", true, true},
  };
  for (const NameCase& c : cases) {
    TempFolder root;
    if (c.isFolder) {
      root.MakeFolder(c.name);
    } else {
      root.Write(c.name, {1});
    }
    std::vector<Report> expected;
    if (c.reported) expected.push_back({root.Path(c.name), c.isFolder});
    EXPECT_EQ(Scan(root.Path(), true).reports, expected) << platform::Utf16ToUtf8(c.name);
  }
}

TEST(ScanDirectory, WithoutSubfoldersListsTheFolderAloneAndReportsNoFolder) {
  TempFolder root;
  root.Write(u"x.mp3", {1});
  root.Write(u"sub/a.mp3", {1});
  root.MakeFolder(u"y.mp3");
  const ScanRun run = Scan(root.Path(), false);
  EXPECT_EQ(run.end, ScanEnd::Finished);
  EXPECT_EQ(run.reports, (std::vector<Report>{{root.Path(u"x.mp3"), false}}));
}

TEST(ScanDirectory, DropsOneTrailingSeparator) {
  TempFolder root;
  root.Write(u"a.mp3", {1});
  const std::vector<Report> expected = {{root.Path(u"a.mp3"), false}};
  EXPECT_EQ(Scan(root.Path() + kPathSeparator, true).reports, expected);
}

TEST(ScanDirectory, ScansARootWithoutDoublingTheSeparator) {
  // "D:\" becomes "D:", "/" becomes "", and the paths gain one separator.
  const std::u16string temp = TempFolder().Path();
  const std::u16string root = temp.substr(0, temp.find(kPathSeparator) + 1);
  const ScanRun run = Scan(root, true, [](const Report&, StopRequest& stop) { stop.Request(); });
  EXPECT_EQ(run.end, ScanEnd::Stopped);
  ASSERT_EQ(run.reports.size(), 1u);
  const std::u16string& path = run.reports[0].path;
  ASSERT_GT(path.size(), root.size());
  EXPECT_EQ(path.compare(0, root.size(), root), 0) << platform::Utf16ToUtf8(path);
  EXPECT_EQ(path.find(kPathSeparator, root.size()), std::u16string::npos)
      << platform::Utf16ToUtf8(path);
}

TEST(ScanDirectory, FindsNothingInAnEmptyMissingOrMp3LessFolder) {
  TempFolder root;
  root.MakeFolder(u"empty");
  root.Write(u"other/readme.txt", {1});
  for (const char16_t* folder : {u"empty", u"missing", u"other"}) {
    const ScanRun run = Scan(root.Path(folder), true);
    EXPECT_EQ(run.end, ScanEnd::Finished) << platform::Utf16ToUtf8(folder);
    EXPECT_TRUE(run.reports.empty()) << platform::Utf16ToUtf8(folder);
  }
}

TEST(ScanDirectory, SkipsAFolderThatCannotBeListedAndGoesOn) {
  TempFolder root;
  root.Write(u"gone/a.mp3", {1});
  root.Write(u"gone/inner/b.mp3", {1});
  root.Write(u"kept/c.mp3", {1});
  // The folder vanishes after it was met and before it is listed.
  const ScanRun run = Scan(root.Path(), true, [&](const Report& report, StopRequest&) {
    if (report.path == root.Path(u"gone")) std::filesystem::remove_all(root.path() / "gone");
  });
  EXPECT_EQ(run.end, ScanEnd::Finished);
  const std::set<std::u16string> paths = [&] {
    std::set<std::u16string> out;
    for (const Report& r : run.reports) out.insert(r.path);
    return out;
  }();
  const std::set<std::u16string> expected = {root.Path(u"gone"), root.Path(u"kept"),
                                             root.Path(u"kept/c.mp3")};
  EXPECT_EQ(paths, expected);
}

std::vector<std::u16string> SortedPaths(const std::vector<Report>& reports) {
  std::vector<std::u16string> paths;
  for (const Report& r : reports) paths.push_back(r.path);
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The system's listing, with one more entry at the root: a link named name.
class SecondNameAtRoot : public test_support::FileSystemDecorator {
 public:
  SecondNameAtRoot(std::u16string root, std::u16string name)
      : root_(std::move(root)), name_(std::move(name)) {}
  bool ListFolder(const std::u16string& folder,
                  const platform::FolderVisitor& visit) const override {
    if (!inner().ListFolder(folder, visit)) return false;
    if (folder == root_) visit({name_, true, true});
    return true;
  }

 private:
  std::u16string root_;
  std::u16string name_;
};

TEST(ScanDirectory, EntersLinkedFoldersButNoFolderTwice) {
  TempFolder root;
  TempFolder outside;
  root.Write(u"a/x.mp3", {1});
  root.MakeFolder(u"c");
  outside.Write(u"o.mp3", {1});
  // Back up the tree, to a sibling met before it (listed once, under its
  // own name), and to a folder outside the tree (entered).
  const bool linked = LinkFolder(root.path(), root.path() / "a" / "up") &&
                      LinkFolder(root.path() / "a", root.path() / "c" / "sibling") &&
                      LinkFolder(outside.path(), root.path() / "out");
  std::vector<std::u16string> expected = {root.Path(u"a"), root.Path(u"a/x.mp3"), root.Path(u"c")};
  // No links here (Wine), but a case-blind file system: "A" is a second
  // name of folder a, as a link would be, and only its identity tells.
  const SecondNameAtRoot secondName(root.Path(), u"A");
  const platform::FileSystem* fileSystem = &platform::SystemFileSystem();
  if (linked) {
    expected.insert(expected.end(), {root.Path(u"out"), root.Path(u"out/o.mp3")});
  } else if (std::filesystem::exists(root.path() / "A")) {
    fileSystem = &secondName;
  } else {
    GTEST_SKIP() << "no folder links here";
  }
  std::vector<Report> reports;
  StopRequest stop;
  const ScanEnd end = ScanDirectory(
      root.Path(), true,
      [&](const std::u16string& path, bool isFolder) {
        reports.push_back({path, isFolder});
        // Ends a walk that would otherwise never end, so that a fault fails here.
        if (reports.size() == 50) stop.Request();
      },
      stop, *fileSystem);
  EXPECT_EQ(end, ScanEnd::Finished);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(SortedPaths(reports), expected);
}

TEST(ScanDirectory, SkipsTheRecycleBinAndTheVolumesRecordsOnlyWhereTheVolumeKeepsThem) {
  struct Case {
    std::u16string parent;
    platform::FolderEntry entry;
    bool skipped;
  };
  platform::FolderEntry marked = Folder(u"System Volume Information");
  marked.isHidden = marked.isSystem = true;
  platform::FolderEntry hiddenOnly = Folder(u"$RECYCLE.BIN");
  hiddenOnly.isHidden = true;
  platform::FolderEntry otherMarked = Folder(u"Thumbs");
  otherMarked.isHidden = otherMarked.isSystem = true;
  const Case cases[] = {
      // At a drive's or a share's root, in any case and either form.
      {u"D:", Folder(u"$RECYCLE.BIN"), true},
      {u"d:", Folder(u"$Recycle.Bin"), true},
      {u"D:", Folder(u"RECYCLER"), true},
      {u"D:", Folder(u"recycled"), true},
      {u"D:", Folder(u"System Volume Information"), true},
      {u"\\\\server\\music", Folder(u"RECYCLER"), true},
      {u"\\\\?\\D:", Folder(u"$RECYCLE.BIN"), true},
      {u"\\\\?\\UNC\\server\\music", Folder(u"$RECYCLE.BIN"), true},
      {u"", Folder(u"$RECYCLE.BIN"), true},  // "/", its separator dropped
      {u"D:", Folder(u"Music"), false},
      // Below the root: an album, unless the volume marked it as its own
      // (the root of a volume mounted in a folder).
      {u"D:\\Music\\ZZ Top", Folder(u"Recycler"), false},
      {u"\\\\server\\music\\Albums", Folder(u"RECYCLER"), false},
      {u"\\\\?\\D:\\Music", Folder(u"$RECYCLE.BIN"), false},
      {u"\\\\?\\UNC\\server\\music\\x", Folder(u"$RECYCLE.BIN"), false},
      {u"D:\\Mounted", marked, true},
      {u"D:\\Music", hiddenOnly, false},
      {u"D:\\Music", otherMarked, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.parent + u" " + c.entry.name));
    const std::u16string folder = In(c.parent, c.entry.name);
    const FixedFileSystem fileSystem({{c.parent, {c.entry}}, {folder, {File(u"x.mp3")}}});
    std::vector<Report> expected;
    if (!c.skipped) expected = {{folder, true}, {In(folder, u"x.mp3"), false}};
    EXPECT_EQ(ScanInOrder(fileSystem, c.parent), expected);
  }

  // On disk, below the root: every one of them is listed.
  TempFolder root;
  std::vector<std::u16string> expected;
  for (const char16_t* file :
       {u"$RECYCLE.BIN/S-1-5-21-1/$R1A2B3C.mp3", u"RECYCLER/c.mp3", u"recycled/d.mp3",
        u"System Volume Information/e.mp3", u"ZZ Top/Recycler/f.mp3"}) {
    root.Write(file, {1});
    std::u16string path = root.Path(file);
    for (std::size_t at = root.Path().size() + 1; at < path.size(); ++at) {
      if (path[at] == kPathSeparator) expected.push_back(path.substr(0, at));
    }
    expected.push_back(path);
  }
  std::sort(expected.begin(), expected.end());
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  EXPECT_EQ(SortedPaths(Scan(root.Path(), true).reports), expected);
}

// The path in M of "A/B"; "" is M itself.
std::u16string InM(std::u16string relative) {
  std::replace(relative.begin(), relative.end(), u'/', kPathSeparator);
  return relative.empty() ? u"M" : In(u"M", relative);
}

TEST(ScanDirectory, ListsEachFolderOnceByItsIdentityThroughThePathWhoseListingSucceeds) {
  const platform::FileId users{5, 0, 100};
  const platform::FileId zero{5, 0, 0};  // as some redirectors report for every file
  const std::u16string docs = u"Documents and Settings";
  struct Case {
    const char* what;
    Listing folders;                                 // by path in M
    std::map<std::u16string, platform::FileId> ids;  // by path in M
    std::u16string refused;                          // the folder whose listing is denied
    std::vector<std::u16string> expected;            // in M; a folder's ends in "/"
  };
  const Case cases[] = {
      {"a junction met first whose listing is denied, to a folder met later",
       {{u"", {Link(docs.c_str()), Folder(u"Users")}},
        {docs, {File(u"x.mp3")}},
        {u"Users", {File(u"u.mp3")}}},
       {{docs, users}, {u"Users", users}},
       docs,
       {docs + u"/", u"Users/", u"Users/u.mp3"}},
      {"the folder met first, the denied junction later",
       {{u"", {Folder(u"Users"), Link(docs.c_str())}},
        {docs, {File(u"x.mp3")}},
        {u"Users", {File(u"u.mp3")}}},
       {{docs, users}, {u"Users", users}},
       docs,
       {u"Users/", u"Users/u.mp3"}},
      {"a denied junction met first, the folder later and deeper",
       {{u"", {Folder(u"A")}},
        {u"A", {Link(u"J"), Folder(u"B")}},
        {u"A/J", {File(u"x.mp3")}},
        {u"A/B", {Folder(u"Users")}},
        {u"A/B/Users", {File(u"u.mp3")}}},
       {{u"A/J", users}, {u"A/B/Users", users}},
       u"A/J",
       {u"A/", u"A/J/", u"A/B/", u"A/B/Users/", u"A/B/Users/u.mp3"}},
      {"two paths to one folder, both listable: the first met only",
       {{u"", {Folder(u"Users"), Link(docs.c_str())}},
        {docs, {File(u"u.mp3")}},
        {u"Users", {File(u"u.mp3")}}},
       {{docs, users}, {u"Users", users}},
       u"",
       {u"Users/", u"Users/u.mp3"}},
      {"a link whose folder cannot be identified",
       {{u"", {Link(u"L"), Folder(u"P")}}, {u"L", {File(u"l.mp3")}}, {u"P", {File(u"p.mp3")}}},
       {},
       u"",
       {u"P/", u"P/p.mp3"}},
      {"folders whose identity is all zeros: unknown, so each is listed, and a link not",
       {{u"", {Folder(u"A"), Folder(u"B"), Link(u"L")}},
        {u"A", {File(u"a.mp3")}},
        {u"B", {File(u"b.mp3")}},
        {u"L", {File(u"l.mp3")}}},
       {{u"", zero}, {u"A", zero}, {u"B", zero}, {u"L", zero}},
       u"",
       {u"A/", u"B/", u"B/b.mp3", u"A/a.mp3"}},
      {"128-bit identities that differ only in their upper half, as on ReFS",
       {{u"", {Folder(u"A"), Folder(u"B")}}, {u"A", {File(u"a.mp3")}}, {u"B", {File(u"b.mp3")}}},
       {{u"A", {5, 1, 100}}, {u"B", {5, 2, 100}}},
       u"",
       {u"A/", u"B/", u"B/b.mp3", u"A/a.mp3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Listing folders;
    for (const auto& [path, entries] : c.folders) folders[InM(path)] = entries;
    std::map<std::u16string, platform::FileId> ids;
    for (const auto& [path, id] : c.ids) ids[InM(path)] = id;
    std::vector<Report> expected;
    for (const std::u16string& report : c.expected) {
      const bool folder = report.back() == u'/';
      expected.push_back({InM(folder ? report.substr(0, report.size() - 1) : report), folder});
    }
    std::set<std::u16string> refused;
    if (!c.refused.empty()) refused.insert(InM(c.refused));
    EXPECT_EQ(ScanInOrder(FixedFileSystem(folders, ids, refused)), expected);
  }
}

TEST(ScanDirectory, ReportsNothingMoreOnceAStopIsRequested) {
  TempFolder root;
  for (const char16_t* file : {u"1.mp3", u"2.mp3", u"3.mp3", u"sub/4.mp3", u"sub/5.mp3"}) {
    root.Write(file, {1});
  }
  const std::size_t total = Scan(root.Path(), true).reports.size();
  ASSERT_EQ(total, 6u);
  // A stop during report k ends the scan after it; one during the last
  // report still counts as a stop.
  for (std::size_t stopAt = 1; stopAt <= total; ++stopAt) {
    const ScanRun run = Scan(root.Path(), true,
                             [&, count = std::size_t{0}](const Report&, StopRequest& stop) mutable {
                               if (++count == stopAt) stop.Request();
                             });
    EXPECT_EQ(run.end, ScanEnd::Stopped) << stopAt;
    EXPECT_EQ(run.reports.size(), stopAt);
  }

  StopRequest stopped;
  stopped.Request();
  std::size_t reports = 0;
  EXPECT_EQ(ScanDirectory(
                root.Path(), true, [&](const std::u16string&, bool) { ++reports; }, stopped),
            ScanEnd::Stopped);
  EXPECT_EQ(reports, 0u);
}

}  // namespace
