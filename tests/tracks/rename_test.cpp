#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/case_blind_file_system.h"
#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "platform/injected_moves.h"
#include "platform/text.h"
#include "platform/volume_identities.h"
#include "support/links.h"
#include "support/tagged_files.h"
#include "support/temp_folder.h"
#include "tracks/last_renaming.h"
#include "tracks/name_style.h"
#include "tracks/new_name_note.h"
#include "tracks/read_track_tags.h"
#include "tracks/rename.h"
#include "tracks/scan.h"

#ifdef _WIN32
#include <windows.h>

#endif

namespace {

using test_support::AtMove;
using test_support::CaseBlindFileSystem;
using test_support::InjectedMove;
using test_support::InjectedMoves;
using test_support::LinkFile;
using test_support::MoveRule;
using test_support::TempFolder;
using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::u16string>;

Bytes ContentOf(const std::u16string& name) {
  const std::string text = platform::Utf16ToUtf8(name);
  return Bytes(text.begin(), text.end());
}

// Each file holds its own first name, so that it can be recognised anywhere.
void WriteFiles(const TempFolder& folder, const Names& names) {
  for (const std::u16string& name : names) folder.Write(name, ContentOf(name));
}

// The files a scan of the folder and all folders below it reports.
Names FilesScannedIn(const TempFolder& folder) {
  Names found;
  const StopRequest stop;
  ScanDirectory(
      folder.Path(), true,
      [&](const std::u16string& path, bool isFolder) {
        if (!isFolder) found.push_back(path);
      },
      stop);
  return found;
}

bool FileSystemIgnoresCase(const TempFolder& folder) {
  folder.Write(u"case-probe", {1});
  const bool ignores = std::filesystem::exists(folder.path() / "CASE-PROBE");
  std::filesystem::remove(folder.path() / "case-probe");
  return ignores;
}

struct RenameCase {
  const char* what;
  Names present;
  std::u16string file;
  std::u16string newName;
  RenameResult result;
  std::u16string finalName;
  Names namesAfter;  // sorted
};

TEST(RenameTrack, MovesToTheNewNameOrTheFirstFreeCopyName) {
  const RenameCase cases[] = {
      {"a free name",
       {u"a.mp3"},
       u"a.mp3",
       u"Song - Band.mp3",
       RenameResult::Renamed,
       u"Song - Band.mp3",
       {u"Song - Band.mp3"}},
      {"a Chinese name",
       {u"a.mp3"},
       u"a.mp3",
       u"歌曲 - 歌手.mp3",
       RenameResult::Renamed,
       u"歌曲 - 歌手.mp3",
       {u"歌曲 - 歌手.mp3"}},
      {"a taken name",
       {u"a.mp3", u"Song.mp3"},
       u"a.mp3",
       u"Song.mp3",
       RenameResult::Copied,
       u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"copies 1 and 2 taken",
       {u"a.mp3", u"Song.mp3", u"Song - 拷贝 (1).mp3", u"Song - 拷贝 (2).mp3"},
       u"a.mp3",
       u"Song.mp3",
       RenameResult::Copied,
       u"Song - 拷贝 (3).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song - 拷贝 (2).mp3", u"Song - 拷贝 (3).mp3", u"Song.mp3"}},
      {"a taken name whose copy names the file system would cut",
       {u"a.mp3", std::u16string(250, u'x') + u".mp3"},
       u"a.mp3",
       std::u16string(250, u'x') + u".mp3",
       RenameResult::NotRenamed,
       u"a.mp3",
       {u"a.mp3", std::u16string(250, u'x') + u".mp3"}},
      {"a name taken by a folder",
       {u"a.mp3", u"Song.mp3/inside.mp3"},
       u"a.mp3",
       u"Song.mp3",
       RenameResult::Copied,
       u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"the name it bears",
       {u"Song.mp3"},
       u"Song.mp3",
       u"Song.mp3",
       RenameResult::AlreadyNamed,
       u"Song.mp3",
       {u"Song.mp3"}},
      {"the copy name it bears",
       {u"Song.mp3", u"Song - 拷贝 (1).mp3"},
       u"Song - 拷贝 (1).mp3",
       u"Song.mp3",
       RenameResult::Copied,
       u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"a case-only change",
       {u"song - band.mp3"},
       u"song - band.mp3",
       u"Song - Band.mp3",
       RenameResult::Renamed,
       u"Song - Band.mp3",
       {u"Song - Band.mp3"}},
      {"a case-only change of the copy name",
       {u"Song.mp3", u"song - 拷贝 (1).mp3"},
       u"song - 拷贝 (1).mp3",
       u"Song.mp3",
       RenameResult::Copied,
       u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"a vanished file",
       {u"b.mp3"},
       u"a.mp3",
       u"Song.mp3",
       RenameResult::NotRenamed,
       u"a.mp3",
       {u"b.mp3"}},
      {"a vanished file listed under its new name",
       {u"b.mp3"},
       u"Song.mp3",
       u"Song.mp3",
       RenameResult::NotRenamed,
       u"Song.mp3",
       {u"b.mp3"}},
      {"a case change onto a detour name",
       {u"~Corvane-Rename-1.mp3"},
       u"~Corvane-Rename-1.mp3",
       u"~corvane-rename-1.mp3",
       RenameResult::Renamed,
       u"~corvane-rename-1.mp3",
       {u"~corvane-rename-1.mp3"}},
      {"a file named only its extension",
       {u".mp3"},
       u".mp3",
       u"Song.mp3",
       RenameResult::Renamed,
       u"Song.mp3",
       {u"Song.mp3"}},
      {"a name of exactly 255 UTF-8 bytes",
       {u"a.mp3"},
       u"a.mp3",
       std::u16string(83, u'歌') + u"xx.mp3",
       RenameResult::Renamed,
       std::u16string(83, u'歌') + u"xx.mp3",
       {std::u16string(83, u'歌') + u"xx.mp3"}},
      {"a detour name in the way",
       {u"song.mp3", u"~corvane-rename-1.mp3"},
       u"song.mp3",
       u"Song.mp3",
       RenameResult::Renamed,
       u"Song.mp3",
       {u"Song.mp3", u"~corvane-rename-1.mp3"}},
  };
  // On this file system through the system's own held file, and through
  // the members by path on volumes acted out over it: one ignoring case as
  // Wine does, a share ignoring case that reports no identities, and FAT.
  const CaseBlindFileSystem wine;
  const CaseBlindFileSystem caseBlind(CaseBlindFileSystem::CaseChange::InPlace);
  const test_support::ZeroIdentities share(caseBlind);
  const test_support::PlaceIdentities fat(caseBlind);
  const struct {
    const char* what;
    const platform::FileSystem& fs;
    bool undone;  // without identities the undo leaves every file where it is
  } volumes[] = {{"as the file system is", platform::SystemFileSystem(), true},
                 {"ignoring case as Wine does", wine, true},
                 {"a share ignoring case without identities", share, false},
                 {"FAT", fat, true}};
  for (const auto& volume : volumes)
    for (const RenameCase& c : cases) {
      SCOPED_TRACE(c.what);
      SCOPED_TRACE(volume.what);
      TempFolder folder;
      WriteFiles(folder, c.present);
      const Names namesBefore = folder.Names();
      const RenameOutcome outcome = RenameTrack(folder.Path(c.file), c.newName, volume.fs);
      EXPECT_EQ(outcome.result, c.result);
      EXPECT_EQ(outcome.path, folder.Path(c.finalName));
      // The listing shows the names as stored, so a case left unchanged shows.
      EXPECT_EQ(folder.Names(), c.namesAfter);
      if (c.result != RenameResult::NotRenamed) {
        EXPECT_EQ(folder.Read(c.finalName), ContentOf(c.file));
      }
      // The undo takes every moved file back to exactly the name it had.
      if (outcome.path == folder.Path(c.file)) continue;
      const RenameOutcome back =
          RenameTrackBack(outcome.path, folder.Path(c.file), outcome.file, volume.fs);
      EXPECT_EQ(back.result, volume.undone ? RenameResult::Renamed : RenameResult::NotRenamed);
      EXPECT_EQ(back.path, volume.undone ? folder.Path(c.file) : outcome.path);
      EXPECT_EQ(folder.Names(), volume.undone ? namesBefore : c.namesAfter);
      EXPECT_EQ(folder.Read(volume.undone ? c.file : c.finalName), ContentOf(c.file));
    }
}

TEST(RenameTrackBack, LeavesTheFileWhereItIsWhenItsOldNameIsTakenOrTheFileIsGone) {
  struct Case {
    const char* what;
    Names present;  // after the renaming, which put a.mp3 at Song.mp3
    std::u16string oldPath;
    std::u16string renamed;  // where the file the renaming moved is now; "" when gone
    // Or it was at Song.mp3 with this file's content and was deleted, and
    // present's Song.mp3 is a newcomer in its entry (written later).
    std::u16string was = u"";
    bool writtenLater = false;
  };
  const Case cases[] = {
      {"the old name taken meanwhile", {u"Song.mp3", u"a.mp3"}, u"a.mp3", u"Song.mp3"},
      {"the old name taken by a folder", {u"Song.mp3", u"a.mp3/inside.mp3"}, u"a.mp3", u"Song.mp3"},
      {"the file moved away", {u"b.mp3"}, u"a.mp3", u"b.mp3"},
      {"another file there under another case", {u"SONG.mp3"}, u"a.mp3", u""},
      {"an old path in another folder", {u"Song.mp3", u"sub/x.mp3"}, u"sub/a.mp3", u"Song.mp3"},
      {"an old name no file may be given", {u"Song.mp3"}, u"nul.mp3", u"Song.mp3"},
      // A sync client restored a file, or the user copied another over it.
      {"a file replaced meanwhile under the new name", {u"Song.mp3"}, u"a.mp3", u""},
      {"the file renamed since, in letter case only", {u"SONG.mp3"}, u"a.mp3", u"SONG.mp3"},
      // FAT hands the freed entry's identity to the newcomer.
      {"a newcomer of another size in the freed entry", {u"Song.mp3"}, u"a.mp3", u"", u"a.mp3"},
      {"a newcomer of the same size in the freed entry, written later",
       {u"Song.mp3"},
       u"a.mp3",
       u"",
       u"Song.mp3",
       true},
  };
  const TempFolder elsewhere;
  const std::optional<platform::FileStamp> gone =
      platform::SystemFileSystem().StampFile(elsewhere.Write(u"gone.mp3", ContentOf(u"gone.mp3")));
  ASSERT_TRUE(gone);
  // On this file system, on one that ignores case acted out over it, and
  // on FAT.
  const CaseBlindFileSystem caseBlind;
  const test_support::PlaceIdentities fat(caseBlind);
  for (const platform::FileSystem* volume :
       {&platform::SystemFileSystem(), static_cast<const platform::FileSystem*>(&caseBlind),
        static_cast<const platform::FileSystem*>(&fat)})
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      SCOPED_TRACE(volume == &fat         ? "FAT"
                   : volume == &caseBlind ? "ignoring case"
                                          : "as the file system is");
      TempFolder folder;
      const platform::FileSystem& fs = *volume;
      std::optional<platform::FileStamp> file =
          c.renamed.empty() ? gone : std::optional<platform::FileStamp>();
      if (!c.was.empty()) {
        folder.Write(u"Song.mp3", ContentOf(c.was));
        file = fs.StampFile(folder.Path(u"Song.mp3"));
        std::filesystem::remove(folder.path() / u"Song.mp3");
      }
      WriteFiles(folder, c.present);
      if (c.writtenLater) {
        const std::filesystem::path newcomer = folder.path() / u"Song.mp3";
        std::filesystem::last_write_time(
            newcomer, std::filesystem::last_write_time(newcomer) + std::chrono::seconds(2));
      }
      if (!c.renamed.empty()) file = fs.StampFile(folder.Path(c.renamed));
      ASSERT_TRUE(file);
      const Names before = folder.Names();
      const RenameOutcome back =
          RenameTrackBack(folder.Path(u"Song.mp3"), folder.Path(c.oldPath), file, fs);
      EXPECT_EQ(back.result, RenameResult::NotRenamed);
      EXPECT_EQ(back.path, folder.Path(u"Song.mp3"));
      EXPECT_EQ(folder.Names(), before);
      for (const std::u16string& name : c.present) EXPECT_EQ(folder.Read(name), ContentOf(name));
    }
}

TEST(LastRenaming, HandsTheMovesBackLastFirstAndFollowsDeletedAndSortedRows) {
  LastRenaming last;
  const platform::FileStamp file{{7, 0, 42}, 5, 9};
  last.Record(0, u"a", u"A", std::nullopt);
  last.Record(1, u"same", u"same", std::nullopt);  // not moved: nothing to undo
  last.Record(2, u"c", u"C", file);
  last.Record(4, u"e", u"E", std::nullopt);
  EXPECT_EQ(last.Count(), 3u);
  last.EraseRow(2);
  last.EraseRow(1);  // an unmoved row: the later ones still move down
  ASSERT_EQ(last.Count(), 2u);
  // The rows of the moves in the order an undo meets them; undone: taken back.
  const auto undoOrder = [&last](bool undone) {
    std::vector<std::size_t> rows;
    for (std::optional<UndoMove> move = last.Next(); move; move = last.NextAfter(*move)) {
      rows.push_back(move->row);
      if (undone) last.Undone(*move);
    }
    return rows;
  };
  EXPECT_EQ(undoOrder(true), (std::vector<std::size_t>{2, 0}));
  EXPECT_EQ(last.Count(), 0u);
  // Rows deleted together: each move counts the deleted rows before it.
  for (std::size_t row : {1, 3, 5, 8}) last.Record(row, u"x", u"X", std::nullopt);
  last.EraseRows({0, 3, 4, 6});
  EXPECT_EQ(undoOrder(false), (std::vector<std::size_t>{4, 2, 0}));
  // Rows sorted: each move goes with its row, the undo's order stays.
  last.Renumber({3, 4, 1, 0, 2});
  EXPECT_EQ(undoOrder(false), (std::vector<std::size_t>{2, 1, 3}));
  last.Record(0, u"a", u"A", std::nullopt);
  last.Forget();
  EXPECT_FALSE(last.Next());
}

TEST(LastRenaming, KeepsTheMovesAnUndoCouldNotTakeBackForTheNextOneVisitingEachOnce) {
  LastRenaming last;
  const platform::FileStamp file{{7, 0, 42}, 5, 9};
  for (std::size_t row = 0; row < 5; ++row) {
    const std::u16string name(1, static_cast<char16_t>(u'a' + row));
    last.Record(row, name, name + u"2",
                row == 3 ? std::optional<platform::FileStamp>(file) : std::nullopt);
  }
  // Rows 3 and 1 fail (a file held open, an old name taken); the others go back.
  const auto undo = [&last](const std::vector<std::size_t>& failing) {
    std::vector<std::size_t> visited;
    // Bounded, so that a run that keeps coming back fails here.
    for (std::optional<UndoMove> move = last.Next(); move && visited.size() < 10;
         move = last.NextAfter(*move)) {
      visited.push_back(move->row);
      if (std::find(failing.begin(), failing.end(), move->row) == failing.end()) {
        last.Undone(*move);
      }
    }
    return visited;
  };
  EXPECT_EQ(undo({3, 1}), (std::vector<std::size_t>{4, 3, 2, 1, 0}));
  ASSERT_EQ(last.Count(), 2u);
  EXPECT_EQ(last.Next()->row, 3u);
  EXPECT_EQ(last.Next()->before, u"d");
  EXPECT_TRUE(platform::SameFileStamp(last.Next()->file, file));
  // A second undo offers the failed moves again, and only those.
  EXPECT_EQ(undo({1}), (std::vector<std::size_t>{3, 1}));
  EXPECT_EQ(undo({}), (std::vector<std::size_t>{1}));
  EXPECT_EQ(last.Count(), 0u);
}

TEST(RenameTrack, GivesOneNameToThreeFilesAsNameAndTwoCopiesAndKeepsThemOnASecondRun) {
  TempFolder folder;
  const Names files = {u"1.mp3", u"2.mp3", u"3.mp3"};
  WriteFiles(folder, files);
  const Names finalNames = {u"Same.mp3", u"Same - 拷贝 (1).mp3", u"Same - 拷贝 (2).mp3"};
  const std::u16string_view statuses[] = {kStatusRenamed, kStatusCopied, kStatusCopied};
  std::vector<std::u16string> paths;
  for (const std::u16string& file : files) paths.push_back(folder.Path(file));

  for (int run = 0; run < 2; ++run) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      const RenameOutcome outcome = RenameTrack(paths[i], u"Same.mp3");
      EXPECT_EQ(RenameStatus(outcome.result), statuses[i]) << run << " " << i;
      EXPECT_TRUE(RenameSucceeded(outcome.result));
      EXPECT_EQ(outcome.path, folder.Path(finalNames[i])) << run << " " << i;
      EXPECT_EQ(folder.Read(finalNames[i]), ContentOf(files[i]));
      paths[i] = outcome.path;
    }
    EXPECT_EQ(folder.Names(), (Names{u"Same - 拷贝 (1).mp3", u"Same - 拷贝 (2).mp3", u"Same.mp3"}));
  }
}

TEST(RenameTrack, NeverTriesANameThatCouldLeaveTheFolderOrNameADevice) {
  const std::u16string refused[] = {
      u"AC/DC.mp3", u"sub/x.mp3", u"sub\\x.mp3", u"..\\x.mp3", u"../x.mp3", u"x:y.mp3", u"x*y.mp3",
      u"x?y.mp3", u"x\"y.mp3", u"x<y.mp3", u"x>y.mp3", u"x|y.mp3", u"x\ty.mp3", u"x\x01y.mp3",
      u"x\x1Fy.mp3", u"x\x7Fy.mp3", std::u16string(u"x\0y.mp3", 8), u"..", u".", u"",
      // Nothing but the extension: an empty style, or tag texts of spaces.
      u".mp3", u" .mp3", u"\u3000\u00A0.mp3", u"  ",
      // Devices, whatever follows the first dot and however the case goes.
      u"Nul.mp3", u"CON.mp3", u"aux.mp3", u"COM1.mp3", u"lpt5.mp3", u"PRN.live.mp3",
      u"nul.remix.mp3", u"COM\u00B9.mp3", u"lpt\u00B3.mp3", u"com0.mp3", u"nul  .mp3",
      u"CONIN$.mp3", u"conout$.x.mp3",
      // Past 255 UTF-16 units, and past 255 UTF-8 bytes where Linux stores
      // the name (natively, and under Wine, which cuts it and says nothing).
      std::u16string(252, u'x') + u".mp3", std::u16string(100, u'歌') + u".mp3",
      // 256 bytes: one past the limit.
      std::u16string(84, u'歌') + u".mp3"};
  for (const std::u16string& name : refused) {
    SCOPED_TRACE(platform::Utf16ToUtf8(name));
    TempFolder root;
    WriteFiles(root, {u"work/a.mp3"});
    root.MakeFolder(u"work/sub");
    root.MakeFolder(u"work/AC");
#ifndef _WIN32
    // Where the name itself is possible, a file bearing it would lead to a
    // copy name if the name were tried at all.
    if (name.find(u'/') == std::u16string::npos && name.find(u'\0') == std::u16string::npos &&
        !name.empty() && name != u"." && name != u".." &&
        platform::Utf16ToUtf8(name).size() <= 255) {
      WriteFiles(root, {u"work/" + name});
    }
#endif
    const Names before = root.Names(u"work");
    EXPECT_FALSE(IsAcceptableFileName(name));
    const InjectedMoves moves(AtMove(0, InjectedMove::None));
    const RenameOutcome outcome = RenameTrack(root.Path(u"work/a.mp3"), name, moves);
    EXPECT_EQ(moves.moves(), 0u);
    EXPECT_EQ(outcome.result, RenameResult::NotRenamed);
    EXPECT_EQ(RenameStatus(outcome.result), kStatusUnchanged);
    EXPECT_EQ(outcome.path, root.Path(u"work/a.mp3"));
    EXPECT_EQ(root.Names(u"work"), before);
    EXPECT_EQ(root.Names(), Names{u"work"});
    EXPECT_TRUE(root.Names(u"work/sub").empty());
    EXPECT_TRUE(root.Names(u"work/AC").empty());
  }
}

TEST(RenameTrack, RenamesNamesThatOnlyLookLikeDevices) {
  for (const std::u16string stem :
       {u"Console", u"COM10", u"Null Island", u"nul-remix", u"Auxiliary", u"CONCERT", u"COM",
        u"LPT\u00B9\u00B9", u" nul", u"CONIN"}) {
    SCOPED_TRACE(platform::Utf16ToUtf8(stem));
    TempFolder folder;
    WriteFiles(folder, {u"a.mp3"});
    const RenameOutcome outcome = RenameTrack(folder.Path(u"a.mp3"), stem + u".mp3");
    EXPECT_EQ(outcome.result, RenameResult::Renamed);
    EXPECT_EQ(folder.Names(), Names{stem + u".mp3"});
  }
}

// A move that fails half-way, through the file system handed in: a file held by an
// indexer, a name taken meanwhile, a move that reports success and changes
// nothing. The row never claims a name the file does not bear, and the file
// stays once in its folder under a name ending in ".mp3".
TEST(RenameTrack, MovesThatFailHalfWayNeverLoseTheFileNorClaimItsNewName) {
  struct Outcome {
    RenameResult result;
    std::u16string finalName;
  };
  const auto fromDetour = [](const std::u16string& from) {
    return FileNamePart(from).substr(0, 16) == u"~corvane-rename-";
  };
  // The first `times` moves that `matches` picks get `injected`.
  const auto firstMatching =
      [](std::function<bool(const std::u16string&, const std::u16string&)> matches, unsigned times,
         InjectedMove injected) -> MoveRule {
    auto seen = std::make_shared<unsigned>(0);
    return [=](unsigned, const std::u16string& from, const std::u16string& to) {
      return matches(from, to) && (*seen)++ < times ? injected : InjectedMove::None;
    };
  };
  const auto outOfDetour = [&](bool intoNewName) {
    return [=](const std::u16string& from, const std::u16string& to) {
      return fromDetour(from) && (!intoNewName || FileNamePart(to) == u"Song.mp3");
    };
  };
  const auto intoDetour = [&](const std::u16string&, const std::u16string& to) {
    return fromDetour(to);
  };
  const unsigned kAlways = 1000;
  struct Case {
    const char* what;
    Names present;
    std::u16string file;
    MoveRule rule;
    Outcome caseKept;     // where letter case tells names apart
    Outcome caseIgnored;  // where it does not (Windows, Wine)
  };
  const Outcome renamed{RenameResult::Renamed, u"Song.mp3"};
  const Outcome copied{RenameResult::Copied, u"Song - 拷贝 (1).mp3"};
  const Outcome keptA{RenameResult::NotRenamed, u"a.mp3"};
  const Outcome keptSong{RenameResult::NotRenamed, u"song.mp3"};
  // Found where the move left it, as Wine leaves a name it cut.
  const Outcome cutShort{RenameResult::NotRenamed, u"Song - Ba"};
  const MoveRule cutTheName = [](unsigned, const std::u16string& from, const std::u16string&) {
    std::filesystem::rename(std::filesystem::path(from),
                            std::filesystem::path(from).parent_path() / u"Song - Ba");
    return InjectedMove::ReportMovedUnchanged;
  };
  // Made afresh for each pass: a rule counts the moves it has seen.
  const auto makeCases = [&] {
    return std::vector<Case>{
        {"the move fails", {u"a.mp3"}, u"a.mp3", AtMove(1, InjectedMove::Fail), keptA, keptA},
        {"the free name reported taken",
         {u"a.mp3"},
         u"a.mp3",
         AtMove(1, InjectedMove::ReportTaken),
         copied,
         copied},
        {"success reported, nothing moved",
         {u"a.mp3"},
         u"a.mp3",
         AtMove(1, InjectedMove::ReportMovedUnchanged),
         keptA,
         keptA},
        {"success reported, the file left under a name cut short",
         {u"a.mp3"},
         u"a.mp3",
         cutTheName,
         cutShort,
         cutShort},
        {"the copy name's move fails",
         {u"a.mp3", u"Song.mp3"},
         u"a.mp3",
         AtMove(2, InjectedMove::Fail),
         keptA,
         keptA},
        {"the copy name's move reports success and moves nothing",
         {u"a.mp3", u"Song.mp3"},
         u"a.mp3",
         AtMove(2, InjectedMove::ReportMovedUnchanged),
         keptA,
         keptA},
        {"a case change whose move keeps the old case, as Wine's does",
         {u"song.mp3"},
         u"song.mp3",
         AtMove(1, InjectedMove::ReportMovedUnchanged),
         keptSong,
         renamed},
        {"a case change whose move into the detour fails",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(intoDetour, kAlways, InjectedMove::Fail),
         renamed,
         keptSong},
        {"a case change whose second step fails once",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(outOfDetour(true), 1, InjectedMove::Fail),
         renamed,
         renamed},
        {"a case change whose second step keeps failing",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(outOfDetour(true), kAlways, InjectedMove::Fail),
         renamed,
         keptSong},
        {"a case change whose second step reports success and moves nothing",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(outOfDetour(true), kAlways, InjectedMove::ReportMovedUnchanged),
         renamed,
         keptSong},
        {"a case change whose new name is taken meanwhile",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(outOfDetour(true), 1, InjectedMove::ReportTaken),
         renamed,
         copied},
        {"a case change whose second step and move back both keep failing",
         {u"song.mp3"},
         u"song.mp3",
         firstMatching(outOfDetour(false), kAlways, InjectedMove::Fail),
         renamed,
         {RenameResult::NotRenamed, u"~corvane-rename-1.mp3"}},
        // Taken past any real folder's count of copies: the search ends.
        {"every name reported taken",
         {u"a.mp3"},
         u"a.mp3",
         [](unsigned number, const std::u16string&, const std::u16string&) {
           if (number <= 10001) return InjectedMove::ReportTaken;
           ADD_FAILURE() << "copy names tried past 10,000";
           return InjectedMove::Fail;
         },
         keptA,
         keptA},
    };
  };
  // Each case on this file system, and on one that ignores case acted out
  // over it, so that the detour runs wherever the tests run.
  for (const bool caseBlind : {false, true})
    for (const Case& c : makeCases()) {
      SCOPED_TRACE(c.what);
      SCOPED_TRACE(caseBlind ? "ignoring case" : "as the file system is");
      TempFolder folder;
      WriteFiles(folder, c.present);
      const Outcome& expected =
          caseBlind || FileSystemIgnoresCase(folder) ? c.caseIgnored : c.caseKept;
      RenameOutcome outcome;
      {
        const CaseBlindFileSystem standIn;
        const InjectedMoves injected(c.rule, caseBlind ? standIn : platform::SystemFileSystem());
        outcome = RenameTrack(folder.Path(c.file), u"Song.mp3", injected);
      }
      EXPECT_EQ(outcome.result, expected.result);
      EXPECT_EQ(outcome.path, folder.Path(expected.finalName));
      // Not renamed and not under its old name either: the row must tell.
      EXPECT_EQ(outcome.strayed,
                expected.result == RenameResult::NotRenamed && expected.finalName != c.file);
      Names after;
      for (const std::u16string& name : c.present) {
        after.push_back(name == c.file ? expected.finalName : name);
      }
      std::sort(after.begin(), after.end());
      // Listed as stored: a name the file does not bear would show here.
      EXPECT_EQ(folder.Names(), after);
      EXPECT_EQ(folder.Read(expected.finalName), ContentOf(c.file));
    }
}

TEST(RenameTrack, KeepsTwoFilesApartWhenTheNameDiffersFromAnotherOnlyInCase) {
  TempFolder folder;
  WriteFiles(folder, {u"a.mp3", u"SONG.mp3"});
  const bool ignoresCase = FileSystemIgnoresCase(folder);
  const RenameOutcome outcome = RenameTrack(folder.Path(u"a.mp3"), u"Song.mp3");
  // Whether SONG.mp3 takes the name is for the file system to say.
  const std::u16string expected = ignoresCase ? u"Song - 拷贝 (1).mp3" : u"Song.mp3";
  EXPECT_EQ(outcome.result, ignoresCase ? RenameResult::Copied : RenameResult::Renamed);
  EXPECT_EQ(outcome.path, folder.Path(expected));
  EXPECT_EQ(folder.Read(expected), ContentOf(u"a.mp3"));
  EXPECT_EQ(folder.Read(u"SONG.mp3"), ContentOf(u"SONG.mp3"));
  EXPECT_EQ(folder.Names().size(), 2u);
}

TEST(RenameTrack, TakesANameHeldByAHardLinkOfTheFileAsTaken) {
  TempFolder folder;
  WriteFiles(folder, {u"a.mp3"});
  std::error_code error;
  std::filesystem::create_hard_link(folder.path() / "a.mp3", folder.path() / "Song.mp3", error);
  if (error) GTEST_SKIP() << "no hard links here: " << error.message();
  // The file itself answers to the name, so it goes through a temporary name,
  // finds the name taken there and comes back before trying copy names.
  const RenameOutcome outcome = RenameTrack(folder.Path(u"a.mp3"), u"Song.mp3");
  EXPECT_EQ(outcome.result, RenameResult::Copied);
  EXPECT_EQ(outcome.path, folder.Path(u"Song - 拷贝 (1).mp3"));
  EXPECT_EQ(folder.Names(), (Names{u"Song - 拷贝 (1).mp3", u"Song.mp3"}));
}

TEST(RenameTrack, LeavesAFileThatIsALinkAlone) {
  TempFolder root;
  WriteFiles(root, {u"elsewhere/target.mp3"});
  root.MakeFolder(u"music");
  if (!LinkFile(root.path() / "elsewhere" / "target.mp3", root.path() / "music" / "a.mp3")) {
    GTEST_SKIP() << "no file links here";
  }
  const RenameOutcome outcome = RenameTrack(root.Path(u"music/a.mp3"), u"Song.mp3");
  EXPECT_EQ(outcome.result, RenameResult::NotRenamed);
  EXPECT_EQ(outcome.path, root.Path(u"music/a.mp3"));
  EXPECT_EQ(root.Names(u"music"), Names{u"a.mp3"});
  EXPECT_EQ(root.Names(u"elsewhere"), Names{u"target.mp3"});
}

TEST(RenameTrack, ListsReadsAndRenamesAFileDeeperThan300Units) {
  // Past the 259 units that a list cell holds and that plain Win32 paths
  // reach: the file is found, read and moved to exactly this path.
  TempFolder root;
  const std::u16string folder = std::u16string(150, u'd') + u"/" + std::u16string(150, u'e');
  root.Write(folder + u"/a.mp3", Tagged(u"歌曲", u"歌手", u"专辑"));
  const std::u16string oldPath = root.Path(folder + u"/a.mp3");
  ASSERT_GT(oldPath.size(), 300u);

  EXPECT_EQ(FilesScannedIn(root), std::vector<std::u16string>{oldPath});
  const TrackTagsResult tags = ReadTrackTags(oldPath);
  EXPECT_TRUE(tags.kept);
  EXPECT_EQ(tags.entry.title, u"歌曲");

  const std::u16string newName = std::u16string(60, u'N') + u".mp3";
  const RenameOutcome outcome = RenameTrack(oldPath, newName);
  EXPECT_EQ(outcome.result, RenameResult::Renamed);
  EXPECT_EQ(outcome.path, root.Path(folder + u"/" + newName));
  // Through the program's own lookup: the C++ library stops at MAX_PATH on Windows.
  EXPECT_EQ(platform::NameOnDisk(outcome.path), newName);
  EXPECT_FALSE(platform::NameOnDisk(oldPath));
}

// A name that would take a file's full path past the 259 units Explorer and
// most programs open is not used, copy names included, unless the file lies
// past them already.
TEST(RenameTrack, KeepsAFileWithinThePathsOtherProgramsOpen) {
  struct Case {
    const char* what;
    std::size_t oldUnits;  // the old path's length
    std::size_t newUnits;  // the new name's path's length
    bool taken;            // the new name is taken, so a copy name is tried
    RenameResult result;
    unsigned moves;
  };
  const Case cases[] = {
      {"up to 259", 250, 259, false, RenameResult::Renamed, 1},
      {"past 259", 250, 260, false, RenameResult::NotRenamed, 0},
      {"a copy name past 259", 240, 255, true, RenameResult::NotRenamed, 1},
      {"a file past 259 already", 260, 300, false, RenameResult::Renamed, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder root;
    const std::size_t rootUnits = root.Path(u"x").size() - 1;
    const std::u16string folder(c.oldUnits - rootUnits - std::u16string(u"/a.mp3").size(), u'd');
    const std::u16string oldPath = root.Write(folder + u"/a.mp3", ContentOf(u"a.mp3"));
    ASSERT_EQ(oldPath.size(), c.oldUnits);
    const std::u16string newName = std::u16string(c.newUnits - c.oldUnits + 1, u'N') + u".mp3";
    if (c.taken) root.Write(folder + u"/" + newName, ContentOf(newName));
    const std::u16string newPath = root.Path(folder + u"/" + newName);
    ASSERT_EQ(newPath.size(), c.newUnits);
    EXPECT_EQ(NoteOnNewName(newName, oldPath),
              c.newUnits <= 259 || c.oldUnits > 259 ? NewNameNote::None : NewNameNote::Unusable);
    const InjectedMoves moves(AtMove(0, InjectedMove::None));
    const RenameOutcome outcome = RenameTrack(oldPath, newName, moves);
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(moves.moves(), c.moves);
    // Through the program's own lookup: the C++ library stops at MAX_PATH on Windows.
    EXPECT_EQ(platform::NameOnDisk(c.result == RenameResult::Renamed ? newPath : oldPath),
              c.result == RenameResult::Renamed ? newName : u"a.mp3");
  }
}

// Writes a file in a folder of its own whose name Win32 would alter in a
// plain path: on Windows through the literal form, as a NAS, macOS or Linux
// would have made it; Forget takes them away the same way.
class LiteralFile {
#ifdef _WIN32
  // Made here, not by the code under test: the temporary folder is on a drive.
  static std::wstring Literal(const std::u16string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
  }
#endif

 public:
  LiteralFile(std::u16string folder, std::u16string file, const Bytes& bytes)
      : folder_(std::move(folder)), file_(std::move(file)) {
#ifdef _WIN32
    CreateDirectoryW(Literal(folder_).c_str(), nullptr);
    const HANDLE out = CreateFileW(Literal(file_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    made_ = out != INVALID_HANDLE_VALUE &&
            WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
#else
    std::error_code error;
    std::filesystem::create_directory(std::filesystem::path(folder_), error);
    std::ofstream out(std::filesystem::path(file_), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    made_ = !error && out.good();
#endif
  }
  LiteralFile(const LiteralFile&) = delete;
  LiteralFile& operator=(const LiteralFile&) = delete;
  ~LiteralFile() {
#ifdef _WIN32
    DeleteFileW(Literal(file_).c_str());
    RemoveDirectoryW(Literal(folder_).c_str());
#endif
  }

  bool made() const { return made_; }
  // The file now bears another name in the same folder.
  void Moved(const std::u16string& to) { file_ = to; }

 private:
  std::u16string folder_;
  std::u16string file_;
  bool made_ = false;
};

TEST(RenameTrack, ListsReadsRenamesAndUndoesInAFolderWhoseNameEndsInADotOrABlank) {
  for (const std::u16string folderName : {u"Harry Connick Jr.", u"Live ", u"...And Justice"}) {
    SCOPED_TRACE(platform::Utf16ToUtf8(folderName));
    TempFolder root;
    // A sibling that a stripped name would lead to instead.
    std::u16string stripped = folderName;
    while (!stripped.empty() && (stripped.back() == u'.' || stripped.back() == u' ')) {
      stripped.pop_back();
    }
    if (stripped != folderName) root.Write(stripped + u"/a.mp3", ContentOf(u"stranger"));
    const std::u16string folder = root.Path(folderName);
    const std::u16string oldPath = folder + platform::kPathSeparator + u"a.mp3";
    LiteralFile file(folder, oldPath, Tagged(u"歌曲", u"歌手", u"专辑"));
    ASSERT_TRUE(file.made());

    std::vector<std::u16string> found = FilesScannedIn(root);
    std::sort(found.begin(), found.end());
    std::vector<std::u16string> expected = {oldPath};
    if (stripped != folderName) expected.push_back(root.Path(stripped + u"/a.mp3"));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    const TrackTagsResult tags = ReadTrackTags(oldPath);
    EXPECT_TRUE(tags.kept);
    EXPECT_EQ(tags.entry.title, u"歌曲");

    const RenameOutcome outcome = RenameTrack(oldPath, u"歌曲 - 歌手.mp3");
    file.Moved(outcome.path);
    EXPECT_EQ(outcome.result, RenameResult::Renamed);
    EXPECT_EQ(outcome.path, folder + platform::kPathSeparator + u"歌曲 - 歌手.mp3");
    EXPECT_EQ(platform::NameOnDisk(outcome.path), u"歌曲 - 歌手.mp3");
    const RenameOutcome back = RenameTrackBack(outcome.path, oldPath, outcome.file);
    file.Moved(back.path);
    EXPECT_EQ(back.result, RenameResult::Renamed);
    EXPECT_EQ(platform::NameOnDisk(oldPath), u"a.mp3");
    if (stripped != folderName) {
      EXPECT_EQ(root.Names(stripped), Names{u"a.mp3"});
      EXPECT_EQ(root.Read(stripped + u"/a.mp3"), ContentOf(u"stranger"));
    }
  }
}

}  // namespace
