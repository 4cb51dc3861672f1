#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ansi_text.h"
#include "core/error.h"
#include "tests/core/fake_profile.h"
#include "tests/core/fakes.h"
#include "tests/core/sjis_text.h"

namespace tunesafe {
namespace {

using testing::CallLog;

const char kPath[] = "C:\\Apps\\Tunesafe.ini";

// A window at (20, 20) with music and movies chosen, a settings file and its reader; each scope
// click records the choice as it stands then ("010" = music only).
class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() {
    fields_.on_scope_click = [this] { scans_.push_back(Choice()); };
  }

  std::string Choice() const {
    std::string choice;
    for (const Scope scope : {Scope::kMusicAndMovies, Scope::kMusicOnly, Scope::kMoviesOnly}) {
      choice += fields_.ScopeChecked(scope) ? '1' : '0';
    }
    return choice;
  }

  void Save(const std::string& section, const std::string& key, const std::string& value) {
    store_.values[{section, key}] = value;
  }

  CallLog log_;
  testing::FakeProfileStore store_{log_};
  testing::FakeMainFields fields_{log_};
  SettingsFile settings_{store_, fields_, kPath, ""};
  std::vector<std::string> scans_;
};

TEST_F(SettingsFileTest, ReadsKeyByKeyAndAppliesThePositionBeforeTheScope) {
  Save("SET", "M_LEFT", "-8");
  Save("SET", "M_TOP", "100");
  Save("SET1", "C0_R1", "0");
  Save("SET1", "C0_R2", "1");
  Save("SET1", "C0_R3", "0");
  settings_.ReadSettings();
  const CallLog expected = {
      "Read SET M_LEFT", "Read SET M_TOP",      "SetLeft -8",
      "SetTop 100",      "Read SET1 C0_R1",     "SetScopeChecked 1 0",
      "Read SET1 C0_R2", "SetScopeChecked 2 1", "Read SET1 C0_R3",
  };
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(scans_, std::vector<std::string>{"010"});
}

struct ScopeCase {
  std::string initial;                       // the choice before the read
  std::map<std::string, std::string> saved;  // key -> value in section SET1
  std::vector<std::string> scans;            // the choice each started scan sees
  std::string after;
};

class ScopeReadTest : public SettingsFileTest, public ::testing::WithParamInterface<ScopeCase> {};

TEST_P(ScopeReadTest, EveryChoiceThatTurnsOnStartsItsScan) {
  const ScopeCase& c = GetParam();
  for (int i = 0; i < 3; ++i) fields_.checked[i] = c.initial[static_cast<std::size_t>(i)] == '1';
  for (const auto& [key, value] : c.saved) Save("SET1", key, value);
  settings_.ReadSettings();
  EXPECT_EQ(scans_, c.scans);
  EXPECT_EQ(Choice(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScopeReadTest,
    ::testing::Values(
        ScopeCase{"100", {{"C0_R1", "1"}, {"C0_R2", "0"}, {"C0_R3", "0"}}, {}, "100"},
        ScopeCase{"100", {{"C0_R1", "0"}, {"C0_R2", "1"}, {"C0_R3", "0"}}, {"010"}, "010"},
        ScopeCase{"100", {{"C0_R1", "0"}, {"C0_R2", "0"}, {"C0_R3", "1"}}, {"001"}, "001"},
        ScopeCase{"100", {{"C0_R1", "0"}, {"C0_R2", "0"}, {"C0_R3", "0"}}, {}, "000"},
        // Two or three marked: each one that turns on scans, the last one stays chosen.
        ScopeCase{"100", {{"C0_R1", "1"}, {"C0_R2", "1"}, {"C0_R3", "0"}}, {"010"}, "010"},
        ScopeCase{"100", {{"C0_R1", "0"}, {"C0_R2", "1"}, {"C0_R3", "1"}}, {"010", "001"}, "001"},
        ScopeCase{"100", {{"C0_R1", "1"}, {"C0_R2", "1"}, {"C0_R3", "1"}}, {"010", "001"}, "001"},
        // Not a 0: any integer other than 0 selects; an unreadable value keeps the default.
        ScopeCase{"100", {{"C0_R1", "0"}, {"C0_R2", "-1"}, {"C0_R3", "yes"}}, {"010"}, "010"},
        ScopeCase{"100", {{"C0_R1", "0x0"}, {"C0_R2", "$10"}}, {"010"}, "010"},
        // No file: nothing changes.
        ScopeCase{"100", {}, {}, "100"},
        // Each default is the button's state at the moment of its read: movies only was
        // chosen before, but choosing music and movies has unselected it by then.
        ScopeCase{"001", {{"C0_R1", "1"}}, {"100"}, "100"},
        ScopeCase{"000", {{"C0_R2", "1"}}, {"010"}, "010"}));

struct PositionCase {
  std::optional<std::string> left;  // nullopt: no such key
  std::optional<std::string> top;
  int expected_left;
  int expected_top;
};

class PositionReadTest : public SettingsFileTest,
                         public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PositionReadTest, AppliesAReadablePositionThatShowsOnAMonitor) {
  const PositionCase& c = GetParam();
  if (c.left) Save("SET", "M_LEFT", *c.left);
  if (c.top) Save("SET", "M_TOP", *c.top);
  settings_.ReadSettings();
  EXPECT_EQ(fields_.left, c.expected_left);
  EXPECT_EQ(fields_.top, c.expected_top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionReadTest,
    ::testing::Values(PositionCase{"0x10", "$10", 16, 16}, PositionCase{"-8", "-8", -8, -8},
                      PositionCase{"300", std::nullopt, 300, 20},
                      // Unreadable or out of range: the current edge stays.
                      PositionCase{"12abc", "40", 20, 40}, PositionCase{"", "40", 20, 40},
                      PositionCase{"2147483648", "40", 20, 40},
                      PositionCase{std::nullopt, std::nullopt, 20, 20},
                      // The profile calls cut a value at 2047 bytes: ...037 reads as ...03.
                      PositionCase{std::string(2045, '0') + "037", "40", 3, 40},
                      // Entirely off every monitor (the fake has one of 1024 x 768 and a
                      // window of 326 x 313): neither edge is applied.
                      PositionCase{"5000", "40", 20, 20}, PositionCase{"40", "-313", 20, 20},
                      PositionCase{"-326", "40", 20, 20}, PositionCase{"-325", "-312", -325, -312},
                      PositionCase{"1023", "767", 1023, 767}));

TEST_F(SettingsFileTest, AnUnreachablePositionIsReadButNotApplied) {
  Save("SET", "M_LEFT", "-2000");
  Save("SET", "M_TOP", "10");
  settings_.ReadSettings();
  const CallLog expected = {"Read SET M_LEFT", "Read SET M_TOP", "Read SET1 C0_R1",
                            "Read SET1 C0_R2", "Read SET1 C0_R3"};
  EXPECT_EQ(log_, expected);
}

TEST_F(SettingsFileTest, WritesEveryKeyInOrderAsPlainDecimalThenFlushes) {
  fields_.left = -8;
  fields_.top = 300;
  fields_.checked[0] = false;
  fields_.checked[2] = true;
  settings_.WriteSettings();
  const CallLog expected = {"Write SET M_LEFT -8", "Write SET M_TOP 300", "Write SET1 C0_R1 0",
                            "Write SET1 C0_R2 0",  "Write SET1 C0_R3 1",  "Flush"};
  EXPECT_EQ(log_, expected);
}

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackIntoAFreshWindow) {
  fields_.left = -1;
  fields_.top = 700;
  fields_.SetScopeChecked(Scope::kMusicOnly, true);
  settings_.WriteSettings();
  scans_.clear();

  CallLog other_log;
  testing::FakeMainFields fresh(other_log);
  fresh.on_scope_click = [&] { scans_.push_back("scan"); };
  SettingsFile(store_, fresh, kPath, "").ReadSettings();
  EXPECT_EQ(fresh.left, -1);
  EXPECT_EQ(fresh.top, 700);
  EXPECT_FALSE(fresh.checked[0]);
  EXPECT_TRUE(fresh.checked[1]);
  EXPECT_FALSE(fresh.checked[2]);
  EXPECT_EQ(scans_.size(), 1u);
}

TEST(SettingsWriteGuardTest, OnlyAFirstArgumentOfTwoBarsStopsTheWrite) {
  const struct {
    const char* command_line;
    bool written;
  } cases[] = {
      {"Tunesafe.exe ||", false},
      {"Tunesafe.exe \"||\"", false},
      {"Tunesafe.exe x ||", true},
      {"Tunesafe.exe", true},
      {"Tunesafe.exe |||", true},
      {"Tunesafe.exe |", true},
      {"\"C:\\A B\\Tunesafe.exe\" || x", false},
  };
  for (const auto& c : cases) {
    CallLog log;
    testing::FakeProfileStore store(log);
    testing::FakeMainFields fields(log);
    SettingsFile(store, fields, kPath, FirstArgument(c.command_line)).WriteSettings();
    EXPECT_EQ(!log.empty(), c.written) << c.command_line;
    EXPECT_EQ(store.values.size(), c.written ? 5u : 0u) << c.command_line;
  }
}

TEST_F(SettingsFileTest, AFailedWriteStopsAtItsKeyAndNamesTheFile) {
  Save("SET1", "C0_R2", "1");
  store_.unwritable_key = "C0_R1";
  try {
    settings_.WriteSettings();
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), std::string(kPath) + testing::Sjis(" に書き込めません"));
  }
  const CallLog expected = {"Write SET M_LEFT 20", "Write SET M_TOP 20", "Write SET1 C0_R1 1",
                            "Flush"};
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(store_.values.at({"SET1", "C0_R2"}), "1");  // not yet written: keeps its value
}

TEST(SettingsPathForTest, PutsTheFileBesideTheProgram) {
  testing::Cp932CodePage cp932;
  const struct {
    const char* program;
    const char* settings;
  } cases[] = {
      {"C:\\Apps\\Tunesafe.exe", "C:\\Apps\\Tunesafe.ini"},
      {"C:\\Tunesafe.exe", "C:\\Tunesafe.ini"},
      {"C:Tunesafe.exe", "C:Tunesafe.ini"},
      {"Tunesafe.exe", "Tunesafe.ini"},
      // The program's name holds ソ (83 5C), whose trail byte is the byte of "\".
      {"C:\\Apps\\\x83\x5C\x83t\x83g.exe", "C:\\Apps\\Tunesafe.ini"},
      {"C:\\\x95\x5C\\x.exe", "C:\\\x95\x5C\\Tunesafe.ini"},  // 表 in the folder's name
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SettingsPathFor(c.program, cp932), c.settings) << c.program;
  }
}

}  // namespace
}  // namespace tunesafe
