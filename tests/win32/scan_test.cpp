// The directory listing and the whole scan on real folder trees of the test drives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/handle.h"
#include "tests/win32/scan_rig.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// ソ表: both characters end in the byte of "\" (83 5C 95 5C).
const std::string kSoHyo = "\x83\x5C\x95\x5C";  // ソ表

class ScanTest : public ::testing::Test {
 protected:
  void SetUp() override { EmptyTestDrives(); }
  void TearDown() override { EmptyTestDrives(); }
};

const DirEntry* FindEntry(const std::vector<DirEntry>& entries, const std::string& name) {
  for (const DirEntry& entry : entries) {
    if (entry.long_name == name) return &entry;
  }
  return nullptr;
}

TEST_F(ScanTest, ListFolderReportsNamesAliasesAndKinds) {
  MakeFile("R:\\box\\x.aiff");
  MakeFile("R:\\box\\" + kSoHyo + ".mp3");
  MakeFolder("R:\\box\\sub");
  Win32DirectoryLister lister;
  std::vector<DirEntry> entries;
  ASSERT_TRUE(lister.ListFolder("R:\\box\\", entries));

  ASSERT_EQ(entries.size(), 3u);  // "." and ".." left out
  const DirEntry* aiff = FindEntry(entries, "x.aiff");
  ASSERT_NE(aiff, nullptr);
  EXPECT_FALSE(aiff->is_folder);
  EXPECT_EQ(aiff->short_name.substr(aiff->short_name.size() - 4), ".AIF") << aiff->short_name;
  const DirEntry* so_hyo = FindEntry(entries, kSoHyo + ".mp3");
  ASSERT_NE(so_hyo, nullptr);
  EXPECT_FALSE(so_hyo->long_name_lossy);
  const DirEntry* sub = FindEntry(entries, "sub");
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->is_folder);
  EXPECT_FALSE(sub->is_reparse_point);
  for (const DirEntry& entry : entries) EXPECT_FALSE(entry.long_name_lossy) << entry.long_name;
}

TEST_F(ScanTest, ListFolderTellsAnEmptyFolderFromAMissingOne) {
  MakeFolder("R:\\empty");
  Win32DirectoryLister lister;
  struct Case {
    const char* folder;
    bool listed;
  };
  for (const Case& c : {Case{"R:\\empty\\", true}, Case{"S:\\", true}, Case{"R:\\missing\\", false},
                        Case{"P:\\", false}}) {
    std::vector<DirEntry> entries;
    EXPECT_EQ(lister.ListFolder(c.folder, entries), c.listed) << c.folder;
    EXPECT_THAT(entries, IsEmpty()) << c.folder;
  }
}

TEST_F(ScanTest, FullPathMakesPathsAbsoluteUpToTheSystemsLimit) {
  const std::string folder = "R:\\" + std::string(120, 'd');
  MakeFolder(folder);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  // The folder and its "\\" take 124 bytes: 135 more make 259, the most a path may have.
  const std::string longest(135, 'f');
  const std::string too_long(136, 'f');
  Win32DirectoryLister lister;
  struct Case {
    std::string path;
    std::string full;
  };
  for (const Case& c :
       {Case{"x.mp3", folder + "\\x.mp3"}, Case{longest, folder + "\\" + longest},
        Case{too_long, too_long},  // cannot be made absolute: the path as it was given
        Case{"Q:\\a\\..\\b", "Q:\\b"}, Case{"R:\\" + kSoHyo, "R:\\" + kSoHyo}}) {
    EXPECT_EQ(lister.FullPath(c.path), c.full) << c.path;
  }
  SetCurrentDirectoryA("C:\\");
}

// A device with one folder per level, so the breadth-first order of the folders is fixed, and
// one file per pattern in each folder, so the order within a folder is too.
void MakeSmallDevice() {
  const std::string root = "Q:\\iPod_Control\\";
  const std::string deep = root + "Music\\" + kSoHyo + "\\";
  for (const std::string& file :
       {root + "x.mp3", root + "a.mov", root + "iTunesDB", root + "Music\\y.mp3",
        root + "Music\\b.m4a", root + "Music\\x.aiff", deep + kSoHyo + ".mp3", deep + "c.mp4",
        deep + ".hidden\\X.MP3", deep + ".hidden\\h.m4v", std::string("Q:\\outside.mp3")}) {
    MakeFile(file);
  }
}

struct ScopeCase {
  const char* name;
  Scope scope;
  std::vector<std::string> rows;
};

class ScanScopeTest : public ScanTest, public ::testing::WithParamInterface<ScopeCase> {};

const std::string kDeep = "\"Q:\\iPod_Control\\Music\\" + kSoHyo + "\\";
const std::vector<std::string> kMusicRows = {"\"Q:\\iPod_Control\\x.mp3\"|m",
                                             "\"Q:\\iPod_Control\\Music\\y.mp3\"|m",
                                             kDeep + kSoHyo + ".mp3\"|m",
                                             kDeep + ".hidden\\X.MP3\"|m",
                                             "\"Q:\\iPod_Control\\Music\\b.m4a\"|m",
                                             "\"Q:\\iPod_Control\\Music\\x.aiff\"|m"};
const std::vector<std::string> kMovieRows = {kDeep + ".hidden\\h.m4v\"|v", kDeep + "c.mp4\"|v",
                                             "\"Q:\\iPod_Control\\a.mov\"|v"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_P(ScanScopeTest, ListsPatternByPatternThenFolderByFolder) {
  const ScopeCase& c = GetParam();
  MakeSmallDevice();
  ScanRig rig;
  rig.fields.SetScopeChecked(c.scope, true);
  const int handles_before = LiveHandleCount();
  rig.scanner.ScanMedia();

  EXPECT_THAT(rig.Rows(), ElementsAreArray(c.rows));
  for (std::int32_t row = 1; row <= rig.table.RowCount(); ++row) {
    EXPECT_TRUE(PathExists(rig.PathOf(row))) << rig.PathOf(row);
  }
  ASSERT_TRUE(HandleCountingEnabled());
  EXPECT_EQ(LiveHandleCount(), handles_before) << "a directory enumeration was left open";
}

INSTANTIATE_TEST_SUITE_P(Scopes, ScanScopeTest,
                         ::testing::Values(ScopeCase{"MusicAndMovies", Scope::kMusicAndMovies,
                                                     Joined(kMusicRows, kMovieRows)},
                                           ScopeCase{"MusicOnly", Scope::kMusicOnly, kMusicRows},
                                           ScopeCase{"MoviesOnly", Scope::kMoviesOnly, kMovieRows}),
                         [](const ::testing::TestParamInfo<ScopeCase>& info) {
                           return info.param.name;
                         });

TEST_F(ScanTest, SplitsShiftJisNamesAtTheRealSeparator) {
  MakeSmallDevice();
  ScanRig rig;
  rig.scanner.ScanMedia();
  ASSERT_GE(rig.table.RowCount(), 3);
  EXPECT_EQ(rig.table.Cell(kFolderColumn, 3), kDeep);
  EXPECT_EQ(rig.table.Cell(kFileColumn, 3), kSoHyo + ".mp3\"");
  EXPECT_EQ(rig.progress.music, 6);
  EXPECT_EQ(rig.progress.movie, 3);
}

TEST_F(ScanTest, AnEmptyDeviceListsNothingAndAVanishedRootIsNoError) {
  MakeFolder("S:\\iPod_Control");
  ScanRig rig;
  rig.scanner.ScanMedia();
  EXPECT_EQ(rig.table.RowCount(), 0);
  EXPECT_EQ(rig.fields.scan_root, "S:\\iPod_Control");

  // The root goes between the probe and the walk: the walk finds nothing to list.
  Win32DirectoryLister lister;
  std::vector<DirEntry> entries;
  EmptyTestDrives();
  EXPECT_FALSE(lister.Exists(rig.fields.scan_root));
  EXPECT_FALSE(lister.ListFolder(rig.fields.scan_root + "\\", entries));
}

}  // namespace
}  // namespace tunesafe::testing
