// The scan on a device tree that only the Linux side can make: a folder link that loops back
// to its parent, and a file name outside code page 932. linux_tree_test.sh makes the tree
// below Q:\iPod_Control, runs this program and removes the tree again:
//   iPod_Control\café.mp3
//   iPod_Control\Music\a.mp3
//   iPod_Control\Music\loop -> ..   (a symbolic link to iPod_Control)
//   R:\odd\a"b.mp3, what?.mp3, back\slash.mp3, pi|pe.mp3, trail.mp3. and plain.mp3
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "tests/win32/scan_rig.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

class LinuxTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("TUNESAFE_LINUX_TREE"), nullptr)
        << "run through tests/win32/linux_tree_test.sh, which makes the tree";
  }
};

TEST_F(LinuxTreeTest, TheLinkIsListedAsAReparsePointAndTheNameAsLossy) {
  Win32DirectoryLister lister;
  std::vector<DirEntry> music;
  ASSERT_TRUE(lister.ListFolder("Q:\\iPod_Control\\Music\\", music));
  ASSERT_EQ(music.size(), 2u);
  for (const DirEntry& entry : music) {
    const bool is_link = entry.long_name == "loop";
    EXPECT_EQ(entry.is_folder, is_link) << entry.long_name;
    EXPECT_EQ(entry.is_reparse_point, is_link) << entry.long_name;
    EXPECT_FALSE(entry.long_name_lossy) << entry.long_name;
  }

  std::vector<DirEntry> root;
  ASSERT_TRUE(lister.ListFolder("Q:\\iPod_Control\\", root));
  const auto cafe = std::find_if(root.begin(), root.end(),
                                 [](const DirEntry& e) { return e.long_name != "Music"; });
  ASSERT_NE(cafe, root.end());
  EXPECT_EQ(cafe->long_name, "cafe.mp3");  // the best fit of the "A" calls
  EXPECT_TRUE(cafe->long_name_lossy);
  EXPECT_FALSE(PathExists("Q:\\iPod_Control\\" + cafe->long_name));
  ASSERT_FALSE(cafe->short_name.empty());
  EXPECT_TRUE(PathExists("Q:\\iPod_Control\\" + cafe->short_name));
}

TEST_F(LinuxTreeTest, NamesThatNoPathHoldsAreMarkedAndOpenByTheirAlias) {
  Win32DirectoryLister lister;
  std::vector<DirEntry> odd;
  ASSERT_TRUE(lister.ListFolder("R:\\odd\\", odd));
  ASSERT_EQ(odd.size(), 6u);
  for (const DirEntry& entry : odd) {
    const bool plain = entry.long_name == "plain.mp3";
    EXPECT_EQ(entry.long_name_lossy, !plain) << entry.long_name;
    if (plain) continue;
    ASSERT_FALSE(entry.short_name.empty()) << entry.long_name;
    EXPECT_TRUE(PathExists("R:\\odd\\" + entry.short_name)) << entry.long_name;
  }
}

TEST_F(LinuxTreeTest, ScanEndsAndListsEveryFileOnceByANameThatOpens) {
  ScanRig rig;
  rig.scanner.ScanMedia();  // a walk that followed the link would list a.mp3 again and again

  ASSERT_EQ(rig.table.RowCount(), 2) << ::testing::PrintToString(rig.Rows());
  EXPECT_EQ(rig.PathOf(2), "Q:\\iPod_Control\\Music\\a.mp3");
  const std::string cafe = rig.PathOf(1);
  EXPECT_NE(cafe, "Q:\\iPod_Control\\cafe.mp3");
  EXPECT_TRUE(PathExists(cafe)) << cafe;
  EXPECT_EQ(rig.progress.music, 2);
}

}  // namespace
}  // namespace tunesafe::testing
