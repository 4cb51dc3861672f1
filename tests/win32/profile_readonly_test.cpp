// A settings file that cannot be written. profile_readonly_test.sh makes
// R:\locked\Tunesafe.ini with the text below, marks it immutable on the Linux side
// (chattr +i: as root, a plain read-only mode would not stop a write), runs this program and
// lifts the mark again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "core/error.h"
#include "core/settings_file.h"
#include "platform/win32/win32_profile_store.h"
#include "tests/core/fakes.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

const char kPath[] = "R:\\locked\\Tunesafe.ini";
const char kText[] = "[SET]\r\nM_LEFT=5\r\n";
// " に書き込めません"
const char kCannotWrite[] = " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

class ReadOnlyProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("TUNESAFE_LOCKED_PROFILE"), nullptr)
        << "run through tests/win32/profile_readonly_test.sh, which locks the file";
    ASSERT_EQ(ReadWholeFile(kPath), kText);
  }
  CallLog log_;
  FakeMainFields fields_{log_};
  Win32ProfileStore store_{kPath};
};

TEST_F(ReadOnlyProfileTest, AWriteFailsAndTheFileKeepsItsText) {
  EXPECT_FALSE(store_.WriteString("SET", "M_LEFT", "9"));
  store_.Flush();
  EXPECT_EQ(ReadWholeFile(kPath), kText);
  EXPECT_EQ(store_.ReadString("SET", "M_LEFT"), "5");  // reading still works
}

TEST_F(ReadOnlyProfileTest, WriteSettingsThrowsTheMessageWithThePath) {
  SettingsFile settings(store_, fields_, kPath, "");
  try {
    settings.WriteSettings();
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), std::string(kPath) + kCannotWrite);
  }
  EXPECT_EQ(ReadWholeFile(kPath), kText);
}

}  // namespace
}  // namespace tunesafe::testing
