#include "core/device_locator.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/fake_filesystem.h"
#include "tests/core/fakes.h"

namespace tunesafe {
namespace {

using testing::CallLog;
using testing::FakeAlerts;
using testing::FakeDriveSystem;
using testing::FakeMainFields;
using PathKind = FakeDriveSystem::PathKind;

// Byte for byte: "ドライブ E:" and "接続されていません".
const char kDriveE[] = "\x83\x68\x83\x89\x83\x43\x83\x75\x20\x45\x3a";
const char kNotConnectedBytes[] =
    "\x90\xda\x91\xb1\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";

class DeviceLocatorTest : public ::testing::Test {
 protected:
  void AddDrive(const std::string& item, PathKind marker = PathKind::kFolder) {
    drives_.items.push_back(item);
    drives_.paths[item.substr(0, 2) + "\\iPod_Control"] = marker;
  }

  CallLog log_;
  FakeDriveSystem drives_{log_};
  FakeMainFields fields_{log_};
  FakeAlerts alerts_{log_};
  DeviceLocator locator_{drives_, fields_, alerts_};
};

TEST_F(DeviceLocatorTest, FirstDriveWithTheMarkerFolderWinsAndTheNextIsNotProbed) {
  AddDrive("E:");
  AddDrive("G: [IPOD]");
  fields_.count_text = "7 files";

  EXPECT_TRUE(locator_.LocateDevice());
  EXPECT_EQ(fields_.drive_text, kDriveE);
  EXPECT_EQ(fields_.scan_root, "E:\\iPod_Control");
  const CallLog expected = {
      "SetDriveText ",
      "DriveItems",
      "DirectoryExists E:\\iPod_Control",
      std::string("SetDriveText ") + kDriveE,
      "SetScanRoot E:\\iPod_Control",
      "RepaintNow",
  };
  EXPECT_EQ(log_, expected);  // no beep; the count text and the start button are left alone
  EXPECT_EQ(fields_.count_text, "7 files");
}

TEST_F(DeviceLocatorTest, DrivesThatAreNotTheDeviceAreSkipped) {
  struct Case {
    const char* name;
    void (*arrange)(FakeDriveSystem& drives);
  };
  const Case cases[] = {
      {"a probe that throws (an empty card-reader slot)",
       [](FakeDriveSystem& d) { d.failing.insert("D:\\iPod_Control"); }},
      {"a file named iPod_Control",
       [](FakeDriveSystem& d) { d.paths["D:\\iPod_Control"] = PathKind::kFile; }},
      {"no marker at all", [](FakeDriveSystem&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CallLog log;
    FakeDriveSystem drives(log);
    FakeMainFields fields(log);
    FakeAlerts alerts(log);
    drives.items = {"D:", "F: [DATA]"};
    drives.paths["F:\\iPod_Control"] = PathKind::kFolder;
    c.arrange(drives);

    EXPECT_TRUE(DeviceLocator(drives, fields, alerts).LocateDevice());
    EXPECT_EQ(fields.drive_text,
              "\x83h\x83\x89\x83"
              "C\x83u F:");
    EXPECT_EQ(fields.scan_root, "F:\\iPod_Control");
  }
}

TEST_F(DeviceLocatorTest, DriveIsTakenFromTheItemsFirstTwoCharactersInUpperCase) {
  drives_.items = {"e: [my ipod]"};
  drives_.paths["E:\\iPod_Control"] = PathKind::kFolder;
  EXPECT_TRUE(locator_.LocateDevice());
  EXPECT_EQ(fields_.drive_text, kDriveE);
  EXPECT_EQ(fields_.scan_root, "E:\\iPod_Control");
}

TEST_F(DeviceLocatorTest, NoDeviceBeepsSaysNotConnectedAndDisablesTheStartButton) {
  AddDrive("C: [SYSTEM]", PathKind::kFile);
  fields_.scan_root = "G:\\iPod_Control";  // left by an earlier scan
  fields_.count_text = "12 files";
  fields_.start_colour = kColourWhite;
  fields_.start_enabled = true;

  EXPECT_FALSE(locator_.LocateDevice());
  const CallLog expected = {
      "SetDriveText ",
      "DriveItems",
      "DirectoryExists C:\\iPod_Control",
      "RepaintNow",
      "Beep",
      std::string("SetDriveText ") + kNotConnectedBytes,
      "SetCountText ",
      "SetStartButton 128 disabled",
  };
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(fields_.drive_text, kNotConnectedBytes);
  EXPECT_EQ(fields_.count_text, "");
  EXPECT_EQ(fields_.start_colour, 128u);
  EXPECT_FALSE(fields_.start_enabled);
  EXPECT_EQ(fields_.scan_root, "G:\\iPod_Control");
}

TEST_F(DeviceLocatorTest, DeviceConnectedLaterIsFoundByTheNextRun) {
  EXPECT_FALSE(locator_.LocateDevice());
  AddDrive("H:");
  EXPECT_TRUE(locator_.LocateDevice());
  EXPECT_EQ(fields_.scan_root, "H:\\iPod_Control");
}

}  // namespace
}  // namespace tunesafe
