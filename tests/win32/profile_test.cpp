// The settings file through the real profile calls, on files of the test drive R:.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "core/settings_file.h"
#include "platform/win32/win32_profile_store.h"
#include "tests/core/fakes.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

using ::testing::HasSubstr;

const char kPath[] = "R:\\cfg\\Tunesafe.ini";

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EmptyTestDrives();
    MakeFolder("R:\\cfg");
  }
  void TearDown() override { EmptyTestDrives(); }

  CallLog log_;
  FakeMainFields fields_{log_};
  Win32ProfileStore store_{kPath};
};

TEST_F(ProfileTest, AMissingFileChangesNothingAndCreatesNothing) {
  SettingsFile(store_, fields_, kPath, "").ReadSettings();
  store_.Flush();

  EXPECT_EQ(fields_.left, 20);
  EXPECT_EQ(fields_.top, 20);
  EXPECT_TRUE(fields_.ScopeChecked(Scope::kMusicAndMovies));
  EXPECT_FALSE(PathExists(kPath));
}

TEST_F(ProfileTest, AWrittenFileReadsBack) {
  fields_.left = -8;
  fields_.top = 300;
  fields_.SetScopeChecked(Scope::kMusicOnly, true);
  SettingsFile(store_, fields_, kPath, "").WriteSettings();

  EXPECT_EQ(ReadWholeFile(kPath),
            "[SET]\r\nM_LEFT=-8\r\nM_TOP=300\r\n[SET1]\r\nC0_R1=0\r\nC0_R2=1\r\nC0_R3=0\r\n");
  CallLog log;
  FakeMainFields restored(log);
  int scans = 0;
  restored.on_scope_click = [&scans] { ++scans; };
  SettingsFile(store_, restored, kPath, "").ReadSettings();
  EXPECT_EQ(restored.left, -8);
  EXPECT_EQ(restored.top, 300);
  EXPECT_TRUE(restored.ScopeChecked(Scope::kMusicOnly));
  EXPECT_FALSE(restored.ScopeChecked(Scope::kMusicAndMovies));
  EXPECT_EQ(scans, 1);
}

TEST_F(ProfileTest, OtherLinesOfTheFileSurviveAWrite) {
  MakeFile(kPath, "; kept comment\r\n[Other]\r\nkey=value\r\n[SET]\r\nM_LEFT=1\r\n");
  fields_.left = 55;
  SettingsFile(store_, fields_, kPath, "").WriteSettings();

  const std::string text = ReadWholeFile(kPath);
  EXPECT_THAT(text, HasSubstr("; kept comment\r\n"));
  EXPECT_THAT(text, HasSubstr("[Other]\r\nkey=value\r\n"));
  EXPECT_THAT(text, HasSubstr("M_LEFT=55\r\n"));
  EXPECT_EQ(store_.ReadString("Other", "key"), "value");
}

TEST_F(ProfileTest, ReadsValueTextsAsTheProfileCallsGiveThem) {
  MakeFile(kPath, "[SET]\r\nM_LEFT=0x10\r\nEMPTY=\r\nLONG=" + std::string(3000, '7') + "\r\n");
  struct Case {
    const char* section;
    const char* key;
    std::string value;
  };
  for (const Case& c :
       {Case{"SET", "M_LEFT", "0x10"}, Case{"set", "m_left", "0x10"}, Case{"SET", "EMPTY", ""},
        Case{"SET", "MISSING", ""}, Case{"NOSECTION", "M_LEFT", ""},
        Case{"SET", "LONG", std::string(2047, '7')}}) {
    EXPECT_EQ(store_.ReadString(c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST_F(ProfileTest, TheStopArgumentLeavesTheFileUntouched) {
  SettingsFile(store_, fields_, kPath, "||").WriteSettings();
  EXPECT_FALSE(PathExists(kPath));
}

}  // namespace
}  // namespace tunesafe::testing
