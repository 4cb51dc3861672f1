#include "core/media_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "core/error.h"
#include "tests/core/fake_filesystem.h"
#include "tests/core/fakes.h"

namespace tunesafe {
namespace {

using testing::CallLog;
using testing::Cp932CodePage;
using testing::FakeAlerts;
using testing::FakeDirectoryLister;
using testing::FakeDriveSystem;
using testing::FakeMainFields;
using testing::FakeProgressSink;
using testing::File;
using testing::Folder;
using testing::Link;
using testing::Lossy;

const std::string kRoot = "E:\\iPod_Control\\";
// "iPod本体解析中です..." and "<n> ファイル", byte for byte.
const char kStatusBytes[] = "iPod\x96\x7b\x91\xcc\x89\xf0\x90\xcd\x92\x86\x82\xc5\x82\xb7...";
std::string FilesText(int n) { return std::to_string(n) + " \x83\x74\x83\x40\x83\x43\x83\x8b"; }

class MediaScannerTest : public ::testing::Test {
 protected:
  MediaScannerTest() {
    drives_.items = {"C: [SYSTEM]", "E:"};
    drives_.paths["E:\\iPod_Control"] = FakeDriveSystem::PathKind::kFolder;
  }

  void SetScope(bool music_and_movies, bool music_only, bool movies_only) {
    fields_.checked[0] = music_and_movies;
    fields_.checked[1] = music_only;
    fields_.checked[2] = movies_only;
  }

  // Entries of a folder below the scan root ("" for the root itself, "A\\B" for a subfolder).
  void Put(const std::string& folder, std::vector<DirEntry> entries) {
    lister_.tree[folder.empty() ? kRoot : kRoot + folder + "\\"] = std::move(entries);
  }

  // The table as "<path below the scan root> <kind>", one text per row; each row's folder
  // and file cells must enclose the full path in quotes.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (std::int32_t row = 1; row <= table_.RowCount(); ++row) {
      const std::string quoted = table_.Cell(kFolderColumn, row) + table_.Cell(kFileColumn, row);
      const std::string prefix = "\"" + kRoot;
      const bool well_formed = quoted.size() > prefix.size() + 1 &&
                               quoted.compare(0, prefix.size(), prefix) == 0 &&
                               quoted.back() == '"';
      rows.push_back(well_formed ? quoted.substr(prefix.size(), quoted.size() - prefix.size() - 1)
                                 : "malformed: " + quoted);
      rows.back() += " " + table_.Cell(kKindColumn, row);
    }
    return rows;
  }

  // The calls of one kind, in order ("StepCounter", "ListFolder", ...).
  std::vector<std::string> Calls(const std::string& prefix) const {
    std::vector<std::string> calls;
    for (const std::string& call : log_) {
      if (call.compare(0, prefix.size(), prefix) == 0) calls.push_back(call);
    }
    return calls;
  }

  void ExpectCompletedScan(int rows) {
    EXPECT_EQ(table_.RowCount(), rows);
    EXPECT_EQ(table_.GridRowCount(), std::max(rows + 1, 2));
    EXPECT_EQ(fields_.count_text, FilesText(rows));
    EXPECT_FALSE(progress_.shown);
    EXPECT_EQ(fields_.start_colour, kColourWhite);
    EXPECT_TRUE(fields_.start_enabled);
  }

  CallLog log_;
  Cp932CodePage code_page_;
  FakeDriveSystem drives_{log_};
  FakeDirectoryLister lister_{log_};
  FakeProgressSink progress_{log_};
  FakeMainFields fields_{log_};
  FakeAlerts alerts_{log_};
  MediaTable table_{code_page_};
  DeviceLocator locator_{drives_, fields_, alerts_};
  MediaScanner scanner_{locator_, table_, lister_, progress_, fields_, code_page_};
};

TEST_F(MediaScannerTest, ScopeChoosesThePasses) {
  struct Case {
    bool music_and_movies, music_only, movies_only;
    std::vector<std::string> rows;
    int music, movie;
  };
  const Case cases[] = {
      {true,
       false,
       false,
       {"a.mp3 m", "Sub\\c.mp3 m", "Sub\\d.m4a m", "b.mov v", "Sub\\f.mov v", "Sub\\e.mov v"},
       3,
       3},
      {false, true, false, {"a.mp3 m", "Sub\\c.mp3 m", "Sub\\d.m4a m"}, 3, 0},
      {false, false, true, {"b.mov v", "Sub\\f.mov v", "Sub\\e.mov v"}, 0, 3},
      {false, false, false, {}, 0, 0},
  };
  Put("", {File("b.mov"), Folder("Sub"), File("a.mp3")});
  Put("Sub", {File("f.mov"), File("d.m4a"), File("c.mp3"), File("e.mov")});
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.music_and_movies << c.music_only << c.movies_only);
    SetScope(c.music_and_movies, c.music_only, c.movies_only);
    log_.clear();
    scanner_.ScanMedia();
    // Sub's files are sorted by pattern but keep their enumeration order within one.
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(progress_.music, c.music);
    EXPECT_EQ(progress_.movie, c.movie);
    ExpectCompletedScan(static_cast<int>(c.rows.size()));
    // Nothing to look for: the device is not walked at all.
    EXPECT_EQ(Calls("ListFolder").empty(), c.rows.empty());
  }
}

TEST_F(MediaScannerTest, RowsComePassByPassPatternByPatternFolderByFolderBreadthFirst) {
  Put("", {Folder("A"), File("r2.mp3"), Folder("B"), File("r1.mp3"), File("r.mov"), File("r.m4a")});
  Put("A", {Folder("A1"), File("a.mp3"), File("a.mov")});
  Put("B", {File("b.mp3")});
  Put("A\\A1", {File("deep.m4a"), File("deep.mp3")});
  scanner_.ScanMedia();
  const std::vector<std::string> expected = {
      "r2.mp3 m", "r1.mp3 m",          "A\\a.mp3 m", "B\\b.mp3 m", "A\\A1\\deep.mp3 m",
      "r.m4a m",  "A\\A1\\deep.m4a m", "r.mov v",    "A\\a.mov v",
  };
  EXPECT_EQ(Rows(), expected);
  ExpectCompletedScan(9);
  // Breadth first, and each folder listed exactly once for all twelve patterns.
  const std::vector<std::string> listings = {"ListFolder " + kRoot, "ListFolder " + kRoot + "A\\",
                                             "ListFolder " + kRoot + "B\\",
                                             "ListFolder " + kRoot + "A\\A1\\"};
  EXPECT_EQ(Calls("ListFolder"), listings);
  for (const auto& [folder, count] : lister_.listings) EXPECT_EQ(count, 1) << folder;
}

TEST_F(MediaScannerTest, PatternsRunInTheirFixedOrder) {
  Put("", {File("l.mov"), File("k.mpg"), File("j.mp4"), File("i.m4v"), File("h.m4b"), File("g.m4p"),
           File("f.aiff"), File("e.aif"), File("d.wav"), File("c.aac"), File("b.m4a"),
           File("a.mp3"), File("notes.txt"), File("mp3")});
  scanner_.ScanMedia();
  const std::vector<std::string> expected = {"a.mp3 m", "b.m4a m",  "c.aac m", "d.wav m",
                                             "e.aif m", "f.aiff m", "g.m4p m", "h.m4b m",
                                             "i.m4v v", "j.mp4 v",  "k.mpg v", "l.mov v"};
  EXPECT_EQ(Rows(), expected);
  EXPECT_EQ(progress_.music, 8);
  EXPECT_EQ(progress_.movie, 4);
}

TEST_F(MediaScannerTest, NamesMatchLikeTheWildcardSearch) {
  struct Case {
    DirEntry entry;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {File("X.MP3"), {"X.MP3 m"}},
      {File("clip.Mp4"), {"clip.Mp4 v"}},
      {File("x.mp3.txt"), {}},
      {File("x.mp"), {}},
      // The 8.3 alias matches too: an alias keeps three characters of the extension.
      {File("song.mp3x", "SONG~1.MP3"), {"song.mp3x m"}},
      {File("movie.mpeg", "MOVIE~1.MPE"), {}},
      // Found by "*.aif" through its alias and by "*.aiff": listed once, at the first.
      {File("x.aiff", "X~1.AIF"), {"x.aiff m"}},
      // Mac resource-fork companions are not media.
      {File("._x.mp3"), {}},
      {File("._X.MOV", "_X~1.MOV"), {}},
      // A folder is never a row, whatever its name.
      {Folder("z.mp3"), {}},
      {Link("y.mov"), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.long_name);
    lister_.tree.clear();
    Put("", {c.entry});
    scanner_.ScanMedia();
    EXPECT_EQ(Rows(), c.rows);
    ExpectCompletedScan(static_cast<int>(c.rows.size()));
  }
}

TEST_F(MediaScannerTest, FileMatchedTwiceIsListedOnceAtItsFirstPlace) {
  Put("", {File("y.aiff"), File("x.aiff", "X~1.AIF"), File("w.aif")});
  scanner_.ScanMedia();
  // "*.aif" finds x.aiff (by its alias) and w.aif; "*.aiff" then finds y.aiff alone.
  EXPECT_EQ(Rows(), (std::vector<std::string>{"x.aiff m", "w.aif m", "y.aiff m"}));
  EXPECT_EQ(progress_.music, 3);
}

TEST_F(MediaScannerTest, FolderNamedLikeMediaIsSearchedButNotListed) {
  Put("", {Folder("z.mp3"), File("a.mp3")});
  Put("z.mp3", {File("in.mp3")});
  scanner_.ScanMedia();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a.mp3 m", "z.mp3\\in.mp3 m"}));
  EXPECT_EQ(progress_.music, 2);
}

TEST_F(MediaScannerTest, ReparsePointsAreNotDescended) {
  // Loop points back at the root: following it would never end.
  Put("", {Link("Loop"), Folder("Real"), File("a.mp3")});
  Put("Loop", {Link("Loop"), Folder("Real"), File("a.mp3")});
  Put("Real", {File("b.mp3")});
  scanner_.ScanMedia();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a.mp3 m", "Real\\b.mp3 m"}));
  EXPECT_EQ(lister_.listings.count(kRoot + "Loop\\"), 0u);
  EXPECT_EQ(Calls("ListFolder").size(), 2u);
}

TEST_F(MediaScannerTest, NamesOutsideTheCodePageAreListedByTheirAlias) {
  Put("", {Lossy(File("?.mp3", "A~1.MP3")), Lossy(Folder("??", "FOLDER~1")), Lossy(File("??.mov")),
           Lossy(File("?.dat", "B~1.M4A"))});
  Put("FOLDER~1", {Lossy(File("?x.m4a", "X~1.M4A"))});
  scanner_.ScanMedia();
  const std::vector<std::string> expected = {
      "A~1.MP3 m", "B~1.M4A m", "FOLDER~1\\X~1.M4A m",
      "??.mov v",  // no alias kept: the long name is all there is
  };
  EXPECT_EQ(Rows(), expected);
  EXPECT_EQ(lister_.listings.count(kRoot + "?\?\\"), 0u);
}

TEST_F(MediaScannerTest, HiddenAndUnreadableFoldersBehaveAsOnTheDevice) {
  // DirEntry carries no hidden or system flag: such folders are walked like any other.
  Put("", {Folder("Hidden"), Folder("Locked")});
  Put("Hidden", {File("h.mp3")});
  // "Locked" is not in the tree: its listing fails and it gives nothing.
  scanner_.ScanMedia();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Hidden\\h.mp3 m"}));
  ExpectCompletedScan(1);
  EXPECT_EQ(lister_.listings[kRoot + "Locked\\"], 1);
}

TEST_F(MediaScannerTest, CountersAreRepaintedEveryTenthFileDuringTheWalk) {
  std::vector<DirEntry> root;
  std::vector<DirEntry> sub;
  for (int i = 1; i <= 15; ++i) root.push_back(File(std::to_string(i) + ".mp3"));
  for (int i = 16; i <= 25; ++i) sub.push_back(File(std::to_string(i) + ".m4a"));
  root.push_back(Folder("Sub"));
  Put("", root);
  Put("Sub", sub);
  scanner_.ScanMedia();

  // Stepped as each file is found, repainted after the 10th and the 20th but not the 25th.
  std::vector<std::string> expected = {"ListFolder " + kRoot};
  for (int i = 1; i <= 25; ++i) {
    if (i == 16) expected.push_back("ListFolder " + kRoot + "Sub\\");
    expected.push_back("StepCounter music 1");
    if (i % 10 == 0) expected.push_back("RefreshCounters");
  }
  std::vector<std::string> walk;
  for (const std::string& call : log_) {
    if (call.rfind("ListFolder", 0) == 0 || call.rfind("StepCounter", 0) == 0 ||
        call == "RefreshCounters") {
      walk.push_back(call);
    }
  }
  EXPECT_EQ(walk, expected);
  EXPECT_EQ(progress_.music, 25);
  ExpectCompletedScan(25);
}

TEST_F(MediaScannerTest, SmallScanMakesTheseCallsInThisOrder) {
  SetScope(true, false, false);
  Put("", {File("a.mp3"), Folder("S")});
  Put("S", {File("b.mov")});
  scanner_.ScanMedia();
  const CallLog expected = {
      "SetDriveText ",
      "DriveItems",
      "DirectoryExists C:\\iPod_Control",
      "DirectoryExists E:\\iPod_Control",
      "SetDriveText \x83h\x83\x89\x83"
      "C\x83u E:",
      "SetScanRoot E:\\iPod_Control",
      "RepaintNow",
      std::string("SetStatus ") + kStatusBytes,
      "ResetCounter music",
      "SetCounterColour music 255",
      "ResetCounter movie",
      "SetCounterColour movie 255",
      "Show",
      "Refresh",
      "FullPath E:\\iPod_Control",
      "Exists E:\\iPod_Control",
      "ListFolder E:\\iPod_Control\\",
      "StepCounter music 1",
      "ListFolder E:\\iPod_Control\\S\\",
      "StepCounter movie 1",
      "SetCountText " + FilesText(2),
      "Close",
      "SetStartButton 16777215 enabled",
  };
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"a.mp3 m", "S\\b.mov v"}));
}

TEST_F(MediaScannerTest, ScanRootIsMadeAbsoluteAndGetsOneClosingBackslash) {
  struct Case {
    const char* full_path;
    const char* listed;
  };
  const Case cases[] = {
      {"E:\\iPod_Control", "E:\\iPod_Control\\"},
      {"E:\\", "E:\\"},
      // ソ ends in the "\" byte but is no separator: the root still needs its "\".
      {"E:\\\x83\x5C", "E:\\\x83\x5C\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.full_path);
    lister_.tree.clear();
    lister_.listings.clear();
    lister_.full_paths["E:\\iPod_Control"] = c.full_path;
    lister_.tree[c.listed] = {File("a.mp3")};
    scanner_.ScanMedia();
    EXPECT_EQ(lister_.listings, (std::map<std::string, int>{{c.listed, 1}}));
    EXPECT_EQ(table_.Cell(kFolderColumn, 1), std::string("\"") + c.listed);
    EXPECT_EQ(table_.Cell(kFileColumn, 1), "a.mp3\"");
  }
}

TEST_F(MediaScannerTest, VanishedScanRootGivesAnEmptyCompletedScan) {
  // The probe saw iPod_Control, but the device is gone before the walk.
  Put("", {File("a.mp3")});
  scanner_.ScanMedia();
  lister_.tree.clear();
  scanner_.ScanMedia();
  EXPECT_TRUE(Rows().empty());
  ExpectCompletedScan(0);
  EXPECT_EQ(fields_.count_text,
            "0 \x83t\x83@\x83"
            "C\x83\x8b");
  EXPECT_EQ(lister_.listings[kRoot], 1);  // from the first scan only
}

TEST_F(MediaScannerTest, NoDeviceLeavesTheLastTableUntouched) {
  std::vector<DirEntry> files;
  for (int i = 1; i <= 12; ++i) files.push_back(File(std::to_string(i) + ".mp3"));
  Put("", files);
  scanner_.ScanMedia();
  ASSERT_EQ(table_.RowCount(), 12);
  const std::vector<std::string> rows = Rows();

  drives_.items = {"C: [SYSTEM]"};
  log_.clear();
  scanner_.ScanMedia();
  EXPECT_EQ(table_.RowCount(), 12);
  EXPECT_EQ(table_.GridRowCount(), 13);
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(progress_.music, 12);
  EXPECT_FALSE(fields_.start_enabled);
  EXPECT_EQ(fields_.count_text, "");
  // The locator's report only: no progress window, no walk.
  EXPECT_TRUE(Calls("Show").empty());
  EXPECT_TRUE(Calls("SetStatus").empty());
  EXPECT_TRUE(Calls("FullPath").empty());
  EXPECT_EQ(Calls("Beep").size(), 1u);
}

TEST_F(MediaScannerTest, ErrorDuringTheWalkKeepsTheRowsClosesTheWindowAndIsThrownOn) {
  struct Case {
    const char* name;
    void (*arrange)(FakeDirectoryLister& lister, FakeProgressSink& progress);
    bool bad_alloc;
  };
  const Case cases[] = {
      {"the listing of a folder throws",
       [](FakeDirectoryLister& lister, FakeProgressSink&) {
         lister.on_list = [](const std::string& folder) {
           if (folder == kRoot + "Sub\\") throw Error("The device was removed");
         };
       },
       false},
      {"memory runs out at the fourth file",
       [](FakeDirectoryLister&, FakeProgressSink& progress) {
         progress.on_step = [&progress] {
           if (progress.music + progress.movie == 4) throw std::bad_alloc();
         };
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CallLog log;
    FakeDriveSystem drives(log);
    FakeDirectoryLister lister(log);
    FakeProgressSink progress(log);
    FakeMainFields fields(log);
    FakeAlerts alerts(log);
    MediaTable table(code_page_);
    DeviceLocator locator(drives, fields, alerts);
    MediaScanner scanner(locator, table, lister, progress, fields, code_page_);
    drives.items = {"E:"};
    drives.paths["E:\\iPod_Control"] = FakeDriveSystem::PathKind::kFolder;
    lister.tree[kRoot] = {File("r.mov"), File("b.mp3"), File("a.m4a"), Folder("Sub"),
                          File("c.mp3")};
    lister.tree[kRoot + "Sub\\"] = {File("s.mp3")};
    fields.count_text = "9 files";  // the previous scan's
    c.arrange(lister, progress);

    if (c.bad_alloc) {
      EXPECT_THROW(scanner.ScanMedia(), std::bad_alloc);
    } else {
      EXPECT_THROW(scanner.ScanMedia(), Error);
    }
    // The four files of the root were found before the error, and keep the table's order.
    const std::vector<std::string> expected_files = {"b.mp3\"", "c.mp3\"", "a.m4a\"", "r.mov\""};
    ASSERT_EQ(table.RowCount(), 4);
    for (std::int32_t row = 1; row <= 4; ++row) {
      EXPECT_EQ(table.Cell(kFileColumn, row), expected_files[row - 1]);
    }
    EXPECT_EQ(table.Cell(kKindColumn, 4), "v");
    EXPECT_EQ(table.GridRowCount(), 2);  // not sealed
    EXPECT_FALSE(progress.shown);
    EXPECT_EQ(log.back(), "Close");
    EXPECT_EQ(fields.count_text, "9 files");
    EXPECT_FALSE(fields.start_enabled);
  }
}

}  // namespace
}  // namespace tunesafe
