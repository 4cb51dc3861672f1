// The drive adapters and the device search against the test prefix's real drives:
// P: (no medium), Q: (removable), R: (fixed), S: (network).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "core/device_locator.h"
#include "platform/win32/error_mode.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_drive_system.h"
#include "tests/core/fakes.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSubsetOf;

class DriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCriticalErrorMode();
    EmptyTestDrives();
  }
  void TearDown() override { EmptyTestDrives(); }
};

TEST(Win32CodePageTest, AnswersFromTheShiftJisLeadByteTable) {
  ASSERT_EQ(GetACP(), 932u) << "the test prefix must run with the Japanese locale";
  const Win32CodePage code_page;
  struct Case {
    unsigned char byte;
    bool lead;
  };
  for (const Case& c :
       {Case{0x81, true}, Case{0x83, true}, Case{0x9F, true}, Case{0xE0, true}, Case{0xFC, true},
        Case{0x5C, false}, Case{0x41, false}, Case{0x80, false}, Case{0xA0, false},
        Case{0xB1, false}, Case{0xFD, false}, Case{0x00, false}}) {
    EXPECT_EQ(code_page.IsLeadByte(c.byte), c.lead) << std::hex << int{c.byte};
  }
}

TEST(ErrorModeTest, FailsCriticalErrorsWithoutADialog) {
  SetCriticalErrorMode();
  EXPECT_NE(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u);
}

TEST_F(DriveTest, ListsTheTestDrivesAsUpperCaseLettersInLetterOrder) {
  Win32DriveSystem drives;
  const std::vector<std::string> items = drives.DriveItems();
  // P: has no medium but a drive type (floppy): it is listed, like the empty slot it stands for.
  EXPECT_THAT((std::vector<std::string>{"P:", "Q:", "R:", "S:"}), IsSubsetOf(items));
  for (std::size_t i = 0; i < items.size(); ++i) {
    ASSERT_EQ(items[i].size(), 2u) << items[i];
    EXPECT_TRUE(items[i][0] >= 'A' && items[i][0] <= 'Z') << items[i];
    EXPECT_EQ(items[i][1], ':');
    if (i > 0) {
      EXPECT_LT(items[i - 1], items[i]);
    }
  }
}

TEST_F(DriveTest, DirectoryExistsOnlyForReadableFolders) {
  MakeFolder("Q:\\iPod_Control");
  MakeFile("R:\\iPod_Control");
  MakeFolder("S:\\.hidden");  // a Unix dot folder: the system reports it hidden
  MakeFolder("S:\\locked");
  SetFileAttributesA("S:\\locked", FILE_ATTRIBUTE_READONLY);
  ASSERT_NE(GetFileAttributesA("S:\\.hidden") & FILE_ATTRIBUTE_HIDDEN, 0u);

  Win32DriveSystem drives;
  struct Case {
    const char* path;
    bool exists;
  };
  for (const Case& c : {Case{"Q:\\iPod_Control", true}, Case{"q:\\ipod_control", true},
                        Case{"R:\\iPod_Control", false}, Case{"R:\\missing", false},
                        Case{"P:\\iPod_Control", false}, Case{"P:\\", false},
                        Case{"S:\\.hidden", true}, Case{"S:\\locked", true}, Case{"S:\\", true}}) {
    EXPECT_EQ(drives.DirectoryExists(c.path), c.exists) << c.path;
  }
}

// What the device search shows for one layout of the drives.
struct LocateCase {
  const char* name;
  std::vector<std::string> folders;  // made as folders
  std::vector<std::string> files;    // made as files
  const char* found;                 // the drive, or nullptr for none
};

class LocateTest : public DriveTest, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateTest, ShowsTheFirstDriveWithTheMarkerFolder) {
  const LocateCase& c = GetParam();
  for (const std::string& folder : c.folders) MakeFolder(folder);
  for (const std::string& file : c.files) MakeFile(file);

  CallLog log;
  FakeMainFields fields(log);
  FakeAlerts alerts(log);
  Win32DriveSystem drives;
  DeviceLocator locator(drives, fields, alerts);
  const bool found = locator.LocateDevice();

  if (c.found == nullptr) {
    EXPECT_FALSE(found);
    EXPECT_EQ(fields.drive_text, kNotConnected);
    EXPECT_THAT(log, ::testing::Contains("Beep"));
  } else {
    EXPECT_TRUE(found);
    EXPECT_EQ(fields.drive_text, std::string(kDriveTextPrefix) + c.found);
    EXPECT_EQ(fields.scan_root, std::string(c.found) + "\\iPod_Control");
    EXPECT_THAT(log, ::testing::Not(::testing::Contains("Beep")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Drives, LocateTest,
    ::testing::Values(
        // P: (no medium) comes first and is probed silently on the way to Q:.
        LocateCase{"RemovableAfterTheEmptySlot", {"Q:\\iPod_Control"}, {}, "Q:"},
        LocateCase{"FirstLetterWins", {"S:\\iPod_Control", "R:\\iPod_Control"}, {}, "R:"},
        LocateCase{
            "FileNamedLikeTheMarkerIsNoHit", {"S:\\iPod_Control"}, {"R:\\iPod_Control"}, "S:"},
        LocateCase{"NetworkDriveQualifies", {"S:\\iPod_Control"}, {}, "S:"},
        LocateCase{"MarkerBelowTheRootIsNoHit", {"Q:\\sub\\iPod_Control"}, {}, nullptr},
        LocateCase{"OnlyAFile", {}, {"Q:\\iPod_Control"}, nullptr},
        LocateCase{"NothingConnected", {}, {}, nullptr}),
    [](const ::testing::TestParamInfo<LocateCase>& info) { return info.param.name; });

TEST_F(DriveTest, SeesADeviceConnectedAfterAnEarlierSearch) {
  CallLog log;
  FakeMainFields fields(log);
  FakeAlerts alerts(log);
  Win32DriveSystem drives;
  DeviceLocator locator(drives, fields, alerts);
  ASSERT_FALSE(locator.LocateDevice());

  MakeFolder("R:\\iPod_Control");
  EXPECT_TRUE(locator.LocateDevice());
  EXPECT_EQ(fields.scan_root, "R:\\iPod_Control");

  EmptyTestDrives();  // pulled out again
  EXPECT_FALSE(locator.LocateDevice());
  EXPECT_EQ(fields.drive_text, kNotConnected);
}

}  // namespace
}  // namespace tunesafe::testing
