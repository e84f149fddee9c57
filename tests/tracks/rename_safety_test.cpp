#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/case_blind_file_system.h"
#include "platform/file_identity.h"
#include "platform/injected_moves.h"
#include "platform/text.h"
#include "support/links.h"
#include "support/temp_folder.h"
#include "tracks/last_renaming.h"
#include "tracks/name_style.h"
#include "tracks/rename.h"

namespace {

namespace fs = std::filesystem;
using test_support::InjectedMove;
using test_support::InjectedMoves;
using test_support::TempFolder;
using Bytes = std::vector<unsigned char>;

#ifdef _WIN32
// Every move under Wine is a round trip to its server.
constexpr unsigned kCases = 1000;
#else
constexpr unsigned kCases = 10000;
#endif

#ifdef _WIN32
// The C++ library under Wine cannot list a folder past MAX_PATH.
const std::u16string kFolders[] = {u"", u"d0", u"d0/sub", u"d1"};
#else
// The last one lies deeper than 300 units.
const std::u16string kFolders[] = {u"", u"d0", u"d0/sub", u"d1",
                                   std::u16string(150, u'x') + u"/" + std::u16string(150, u'y')};
#endif

// Stems that collide with each other, in case only, and with copy names.
const std::u16string kStems[] = {
    u"Song", u"song", u"SONG", u"Song - Band", u"song - band", u"Song - 拷贝 (1)",
    u"song - 拷贝 (1)", u"Song - 拷贝 (2)", u"Song - Band - 拷贝 (1)", u"歌曲", u"a", u"A",
    // Names that only look like devices, and a name left by a cut-short case change.
    u"COM10", u"nul-remix", u"Console", u"~corvane-rename-1"};

// New names a tag could give that must never be tried.
const std::u16string kRefused[] = {
    u"AC/DC.mp3", u"..\\up.mp3",   u"../up.mp3",     u"sub/x.mp3",    u"d1\\x.mp3", u"a:b.mp3",
    u"why?.mp3",  u"tab\t.mp3",    u"del\x7F.mp3",   u"Nul.mp3",      u"aux.mp3",   u"COM1.mp3",
    u"lpt5 .mp3", u"PRN.live.mp3", u"nul.remix.mp3", u"COM\u00B9.mp3"};

#ifndef _WIN32
// Files that bear a device's name, which only a POSIX file system allows:
// a device name tried at all would find them and lead to a copy name.
const std::u16string kDeviceFiles[] = {u"aux.mp3", u"Nul.mp3", u"COM1.mp3"};
#endif

bool IsDetourName(std::u16string_view name) {
  return name.substr(0, 16) == u"~corvane-rename-" && name.size() > 20 &&
         name.substr(name.size() - 4) == u".mp3";
}

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&items)[N]) {
  return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

std::u16string FlipCase(std::u16string name, std::mt19937& random) {
  for (char16_t& c : name) {
    if (c < 0x80 && std::isalpha(c) && random() % 2 == 0) {
      c = static_cast<char16_t>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    }
  }
  return name;
}

struct Row {
  std::u16string folder;  // relative, as in kFolders
  Bytes content;
  std::u16string path;  // where the row says the file is
  std::u16string newName;
  bool link = false;  // a link to a file outside the tree
};

std::u16string NewName(const std::u16string& current, std::mt19937& random) {
  switch (random() % 8) {
    case 0:
      return current;
    case 1:
      return FlipCase(current, random);
    case 2:
      return Pick(random, kRefused);
    case 3:
      // Long Chinese titles: past what Linux (and Wine over it) keeps, or
      // just within it, with copy names past it.
      return std::u16string(random() % 2 == 0 ? 100 : 80, u'歌') + u".mp3";
    default:
      return Pick(random, kStems) + u".mp3";
  }
}

// Fills a random tree: one to six files in each chosen folder, named from
// the stems so that names, copy names and case variants meet.
std::vector<Row> MakeTree(const TempFolder& root, const TempFolder& outside, unsigned seed,
                          std::mt19937& random, const platform::FileSystem& fileSystem) {
  std::vector<Row> rows;
  for (const std::u16string& folder : kFolders) {
    if (!folder.empty() && random() % 3 == 0) continue;
    root.MakeFolder(folder);
    const unsigned files = 1 + random() % 6;
    for (unsigned i = 0; i < files; ++i) {
      std::u16string name = Pick(random, kStems) + u".mp3";
      if (random() % 4 == 0) name = FlipCase(name, random);
      if (random() % 6 == 0) name = name.substr(0, name.size() - 4) + u".MP3";
#ifndef _WIN32
      if (random() % 8 == 0) name = Pick(random, kDeviceFiles);
#endif
      const std::u16string relative = folder.empty() ? name : folder + u"/" + name;
      // On a file system that ignores case this may be a taken name.
      if (fileSystem.NameOnDisk(root.Path(relative))) continue;
      const std::string text = std::to_string(seed) + "/" + std::to_string(rows.size());
      Row row{folder, Bytes(text.begin(), text.end()), root.Path(relative), {}};
      if (random() % 10 == 0) {
        const std::string target =
            text.substr(0, text.find('/')) + "-" + std::to_string(rows.size()) + ".mp3";
        outside.Write(platform::Utf8ToUtf16(target), row.content);
        row.link = test_support::LinkFile(outside.path() / target, fs::path(row.path));
      }
      if (!row.link) root.Write(relative, row.content);
      rows.push_back(row);
    }
  }
  for (Row& row : rows) row.newName = NewName(std::u16string(FileNamePart(row.path)), random);
  std::shuffle(rows.begin(), rows.end(), random);
  return rows;
}

struct FoundFile {
  std::u16string folder;
  std::u16string name;
  int count = 0;
};

// Every file of the tree by content, with the folder and the name as stored.
std::map<Bytes, FoundFile> FilesByContent(const TempFolder& root, std::set<fs::path>& folders) {
  std::map<Bytes, FoundFile> found;
  for (const auto& item : fs::recursive_directory_iterator(root.path())) {
    // Lexically: a link must count where it lies, not where it points.
    const fs::path relative = item.path().lexically_relative(root.path());
    if (item.is_directory()) {
      folders.insert(relative);
      continue;
    }
    std::u16string folder = relative.parent_path().generic_u16string();
    const Bytes bytes = root.Read(relative.generic_u16string());
    FoundFile& file = found[bytes];
    file.folder = folder;
    file.name = relative.filename().u16string();
    ++file.count;
  }
  return found;
}

bool IsCopyNameOf(std::u16string_view name, const std::u16string& newName) {
  const std::u16string prefix = newName.substr(0, newName.size() - 4) + u" - 拷贝 (";
  if (name.substr(0, prefix.size()) != prefix || name.size() < prefix.size() + 6) return false;
  const std::u16string_view number = name.substr(prefix.size(), name.size() - prefix.size() - 5);
  return name.substr(name.size() - 5) == u").mp3" && number[0] != u'0' &&
         std::all_of(number.begin(), number.end(),
                     [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// Every row's file is there once, in the row's folder, under the name the
// row gives it, case included; and nothing else is.
void ExpectEveryFileOnceWhereItsRowSays(const TempFolder& root, const std::vector<Row>& rows,
                                        const std::set<fs::path>& foldersBefore) {
  std::set<fs::path> foldersAfter;
  const std::map<Bytes, FoundFile> found = FilesByContent(root, foldersAfter);
  EXPECT_EQ(foldersAfter, foldersBefore);
  EXPECT_EQ(found.size(), rows.size());
  for (const Row& row : rows) {
    const auto file = found.find(row.content);
    ASSERT_NE(file, found.end()) << platform::Utf16ToUtf8(row.path);
    EXPECT_EQ(file->second.count, 1);
    EXPECT_EQ(file->second.folder, row.folder);
    EXPECT_EQ(file->second.name, FileNamePart(row.path));
  }
}

TEST(RenameTrackSafety, EveryFileSurvivesOnceInItsOwnFolderWhateverTheNames) {
  std::map<RenameResult, unsigned> seen;
  std::map<RenameResult, unsigned> undone;
  const TempFolder outside;  // the files that links point to
  for (unsigned seed = 1; seed <= kCases; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    TempFolder root;
    // Every eighth tree on a file system that ignores case, acted out where
    // this one does not, so that case changes take their detour here too.
    const test_support::CaseBlindFileSystem caseBlindFileSystem;
    const bool caseBlind = seed % 8 == 0;
    const platform::FileSystem& fileSystem =
        caseBlind ? caseBlindFileSystem : platform::SystemFileSystem();
    std::vector<Row> rows = MakeTree(root, outside, seed, random, fileSystem);
    std::set<fs::path> foldersBefore;
    for (const auto& item : fs::recursive_directory_iterator(root.path())) {
      if (item.is_directory()) foldersBefore.insert(fs::relative(item.path(), root.path()));
    }

    // Half the trees meet one move that fails, finds its name taken or
    // reports success and changes nothing; some meet a file that cannot leave
    // a detour name at all.
    const unsigned failingMove = random() % 2 == 0 ? 1 + static_cast<unsigned>(random() % 12) : 0;
    const auto injected = static_cast<InjectedMove>(1 + random() % 3);
    const bool detourStuck = random() % 8 == 0;
    bool undoing = false;
    const InjectedMoves moves(
        [&](unsigned number, const std::u16string& from, const std::u16string&) {
          if (undoing) return InjectedMove::None;
          if (detourStuck && IsDetourName(FileNamePart(from))) return InjectedMove::Fail;
          return number == failingMove ? injected : InjectedMove::None;
        },
        fileSystem);

    LastRenaming last;
    for (Row& row : rows) {
      const std::u16string oldPath = row.path;
      const RenameOutcome outcome = RenameTrack(row.path, row.newName, moves);
      ++seen[outcome.result];
      last.Record(static_cast<std::size_t>(&row - rows.data()), row.path, outcome.path,
                  outcome.file);
      row.path = outcome.path;
      const std::u16string_view name = FileNamePart(row.path);
      switch (outcome.result) {
        case RenameResult::AlreadyNamed:
          EXPECT_EQ(name, row.newName);
          EXPECT_EQ(row.path, oldPath);
          break;
        case RenameResult::NotRenamed:
          // Or left under a detour name by a case change cut short.
          if (row.path != oldPath) {
            EXPECT_TRUE(IsDetourName(name)) << platform::Utf16ToUtf8(row.path);
            EXPECT_TRUE(outcome.strayed);
            EXPECT_EQ(fs::path(row.path).parent_path(), fs::path(oldPath).parent_path());
          }
          break;
        case RenameResult::Renamed:
          EXPECT_EQ(name, row.newName);
          break;
        case RenameResult::Copied:
          EXPECT_TRUE(IsCopyNameOf(name, row.newName)) << platform::Utf16ToUtf8(row.path);
          break;
      }
      EXPECT_TRUE(IsAcceptableFileName(name) || name == FileNamePart(oldPath))
          << platform::Utf16ToUtf8(row.path);
      // A file already bearing a device's name (POSIX only) is left as it
      // is, and so is a link.
      if (row.link ||
          (!IsAcceptableFileName(row.newName) && FileNamePart(oldPath) != row.newName)) {
        EXPECT_FALSE(outcome.result == RenameResult::Renamed ||
                     outcome.result == RenameResult::Copied);
        EXPECT_EQ(row.path, oldPath);
      }
    }

    ExpectEveryFileOnceWhereItsRowSays(root, rows, foldersBefore);
    if (HasFailure()) return;

    // The undo, last move first, with a name taken meanwhile in some trees:
    // each file goes back unless its old name is taken when its turn comes.
    undoing = true;
    const std::optional<UndoMove> taken = last.Next();
    // Taken under any spelling, where the file system ignores case.
    const auto present = [caseBlind](const std::u16string& path) {
      return caseBlind ? test_support::CaseBlindFileSystem::Holds(path)
                       : fs::exists(fs::path(path));
    };
    const bool takeAName = taken && random() % 4 == 0 && !present(taken->before);
    if (takeAName) {
      root.Write(fs::relative(fs::path(taken->before), root.path()).generic_u16string(), {'n'});
    }
    // Until one file stays, each finds its old name free.
    bool oneStayed = takeAName;
    std::size_t stayed = 0;
    for (std::optional<UndoMove> move = last.Next(); move; move = last.NextAfter(*move)) {
      Row& row = rows[move->row];
      const RenameOutcome back = RenameTrackBack(row.path, move->before, move->file, moves);
      ++undone[back.result];
      row.path = back.path;
      if (back.result == RenameResult::Renamed) {
        last.Undone(*move);
        EXPECT_EQ(row.path, move->before);
      } else {
        ++stayed;
        const bool acceptable = IsAcceptableFileName(FileNamePart(move->before));
        EXPECT_TRUE(oneStayed || !acceptable) << platform::Utf16ToUtf8(move->before);
        EXPECT_TRUE(present(move->before) || !acceptable);
        EXPECT_EQ(row.path, move->after);
        oneStayed = true;
      }
    }
    // What did not go back is offered again, and nothing else.
    EXPECT_EQ(last.Count(), stayed);
    if (takeAName) {
      const fs::path relative = fs::relative(fs::path(taken->before), root.path());
      rows.push_back(Row{relative.parent_path().generic_u16string(), {'n'}, taken->before, {}});
    }
    ExpectEveryFileOnceWhereItsRowSays(root, rows, foldersBefore);
    if (HasFailure()) return;
  }
  // The trees must have led to every outcome, or the run proved little.
  for (const RenameResult result : {RenameResult::AlreadyNamed, RenameResult::Renamed,
                                    RenameResult::Copied, RenameResult::NotRenamed}) {
    EXPECT_GT(seen[result], kCases / 10) << static_cast<int>(result);
  }
  EXPECT_GT(undone[RenameResult::Renamed], kCases);
  EXPECT_GT(undone[RenameResult::NotRenamed], kCases / 100);
}

}  // namespace
