#include "core/backup_runner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/media_table.h"
#include "tests/core/fake_launcher.h"
#include "tests/core/fakes.h"
#include "tests/core/sjis_text.h"

namespace tunesafe {
namespace {

using testing::CallLog;
using testing::Sjis;
using testing::ToolRun;

const std::string kBlue = std::to_string(kColourBlue);

std::string Status(const char* utf8) { return "SetStatus " + Sjis(utf8); }
std::string Message(const char* utf8) { return "Message " + Sjis(utf8); }

const std::string kStarting = Status("iTunes 起動中です...");
const std::string kBackingUp = Status("PC(iTunes)へバックアップ中です...");
const std::string kAllDone = Message(
    "すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください"
    "。");
const std::string kNoTool = Message(
    "libinsert.exe を起動できませんでした。Tunesafe.exe と同じフォルダーに置いてください。");
const std::string kNoITunes =
    Message("iTunes に接続できませんでした。iTunes がインストールされているか確認してください。");
const std::string kUnreadable = Message(
    "iPod本体から読み取れないデータが含まれていました。iTunesでバックアップ結果をご確認下さい。");
const std::string kUnknownError =
    Message("原因が特定できないエラーが生じました。処理を中止します。");

// A progress window whose status line fails at a chosen call, counted from 1.
class FailingStatusSink : public testing::FakeProgressSink {
 public:
  using FakeProgressSink::FakeProgressSink;
  void SetStatus(const std::string& text) override {
    FakeProgressSink::SetStatus(text);
    if (++status_calls_ == fail_at) throw std::runtime_error("status line gone");
  }
  int fail_at = 0;

 private:
  int status_calls_ = 0;
};

// A scanned table of 3 music rows then 2 movie rows, and the windows as a scan leaves them.
class BackupRunnerTest : public ::testing::Test {
 protected:
  BackupRunnerTest() {
    table_.PrepareTable();
    Scan({"m", "m", "m", "v", "v"});
  }

  // What a scan does to the table and the counters; the log starts empty after it.
  void Scan(const std::vector<std::string>& kinds) {
    table_.ClearTable();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      table_.AppendFile(PathOf(static_cast<int>(i) + 1), kinds[i]);
    }
    table_.SealTable();
    progress_.music = 0;
    progress_.movie = 0;
    for (const std::string& kind : kinds) {
      if (kind == "m") ++progress_.music;
      if (kind == "v") ++progress_.movie;
    }
    progress_.run_flag = 0;
    log_.clear();
  }

  static std::string PathOf(int row) {
    return "E:\\iPod_Control\\Music\\F0" + std::to_string(row) + "\\T" + std::to_string(row) +
           ".m4a";
  }
  static std::string Tool(int row) { return "RunHidden libinsert.exe \"" + PathOf(row) + "\""; }

  // The calls from the start of a run up to the first tool, with the counters at what remains.
  static CallLog Opening(int music_left, int movies_left) {
    return {kStarting,
            "SetCounterColour music " + kBlue,
            "SetCounterColour movie " + kBlue,
            "SetCounter music " + std::to_string(music_left),
            "SetCounter movie " + std::to_string(movies_left),
            "SetRunFlag 1",
            "Show",
            "SetVisible 0"};
  }
  // One row handed over: its tool, its counter, the status line.
  static void AppendRow(CallLog& log, int row, const char* counter) {
    log.push_back(Tool(row));
    if (counter) log.push_back(std::string("StepCounter ") + counter + " -1");
    log.push_back(kBackingUp);
  }
  static void Append(CallLog& log, const CallLog& more) {
    log.insert(log.end(), more.begin(), more.end());
  }

  CallLog log_;
  testing::Cp932CodePage cp932_;
  MediaTable table_{cp932_};
  FailingStatusSink progress_{log_};
  testing::FakeMainFields fields_{log_};
  testing::FakeLauncher launcher_{log_, progress_};
  testing::FakeAlerts alerts_{log_};
  BackupRunner runner_{table_, progress_, fields_, launcher_, alerts_};
};

TEST_F(BackupRunnerTest, HandsEveryRowOverOnceInOrderAndCountsDown) {
  progress_.music = 7;  // whatever an earlier scan or run left is replaced by what remains
  progress_.movie = -4;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  AppendRow(expected, 2, "music");
  AppendRow(expected, 3, "music");
  AppendRow(expected, 4, "movie");
  AppendRow(expected, 5, "movie");
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(progress_.music, 0);
  EXPECT_EQ(progress_.movie, 0);
  EXPECT_EQ(progress_.music_colour, kColourBlue);
  EXPECT_EQ(progress_.movie_colour, kColourBlue);
  EXPECT_EQ(progress_.run_flag, 1);
  EXPECT_EQ(table_.HandedOver(), 5);
}

TEST_F(BackupRunnerTest, ASecondRunAfterACompleteOneImportsNothingAgain) {
  runner_.RunBackup();
  log_.clear();
  runner_.RunBackup();
  // A notice rather than a failure, but like every message box of the run it comes after a
  // beep, so that it is heard when the window is behind others.
  EXPECT_EQ(log_, (CallLog{"Beep", kAllDone}));
  EXPECT_EQ(launcher_.calls(), 5);
  EXPECT_EQ(progress_.music, 0);
  EXPECT_EQ(progress_.movie, 0);

  Scan({"v"});  // a new scan starts the count again
  runner_.RunBackup();
  CallLog expected = Opening(0, 1);
  AppendRow(expected, 1, "movie");
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
}

TEST_F(BackupRunnerTest, AnEmptyTableDoesNothing) {
  Scan({});
  runner_.RunBackup();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(launcher_.calls(), 0);
}

TEST_F(BackupRunnerTest, CancelDuringTheFirstRowStopsAfterItsTool) {
  launcher_.runs[1].user_closes_window = true;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  // The tool ran to its end, so the file is in iTunes: its counter goes down too.
  Append(expected,
         {Tool(1), "SetRunFlag 0", "Close", "StepCounter music -1", "Beep", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 1);
  EXPECT_EQ(progress_.music, 2);
  EXPECT_EQ(progress_.status, Sjis("iTunes 起動中です..."));
}

TEST_F(BackupRunnerTest, ARunAfterACancelResumesAtTheNextRow) {
  launcher_.runs[3].user_closes_window = true;
  runner_.RunBackup();
  EXPECT_EQ(table_.HandedOver(), 3);
  EXPECT_EQ(progress_.music, 0);
  EXPECT_EQ(progress_.movie, 2);

  log_.clear();
  runner_.RunBackup();
  CallLog expected = Opening(0, 2);
  AppendRow(expected, 4, "movie");
  AppendRow(expected, 5, "movie");
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(launcher_.calls(), 5);  // every file handed over exactly once
}

TEST_F(BackupRunnerTest, CancelShowsNoMessageEvenAfterAnError) {
  launcher_.runs[1].exit_code = 1;
  launcher_.runs[2].user_closes_window = true;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  Append(expected,
         {Tool(2), "SetRunFlag 0", "Close", "StepCounter music -1", "Beep", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
}

TEST_F(BackupRunnerTest, CancelIsHonouredAlsoWhenTheWaitFails) {
  // The user pressed the close button and then the wait failed: no further tool is started.
  launcher_.runs[2] = ToolRun{true, 0, true, true};
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  Append(expected,
         {Tool(2), "SetRunFlag 0", "Close", "StepCounter music -1", "Beep", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 2);
}

TEST_F(BackupRunnerTest, OnlyTheExactKindsStepACounter) {
  Scan({"m", "x", "M", "", "v", "mv"});
  runner_.RunBackup();
  CallLog expected = Opening(1, 1);
  AppendRow(expected, 1, "music");
  AppendRow(expected, 2, nullptr);
  AppendRow(expected, 3, nullptr);
  AppendRow(expected, 4, nullptr);
  AppendRow(expected, 5, "movie");
  AppendRow(expected, 6, nullptr);
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 6);
}

struct EndCase {
  const char* name;
  ToolRun second_row;
  bool error_message;
};

class ToolEndTest : public BackupRunnerTest, public ::testing::WithParamInterface<EndCase> {};

// A tool that ends, however it ends (apart from exit code 3), has taken its file: the row
// counts as done and the run goes on; any sign of trouble is reported once at the end.
TEST_P(ToolEndTest, EveryRowGoesAndTroubleIsReportedBeforeTheFinalBeep) {
  launcher_.runs[2] = GetParam().second_row;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  AppendRow(expected, 2, "music");
  AppendRow(expected, 3, "music");
  AppendRow(expected, 4, "movie");
  AppendRow(expected, 5, "movie");
  if (GetParam().error_message) Append(expected, {"Beep", kUnreadable});
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 5);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolEndTest,
                         ::testing::Values(EndCase{"ExitZero", ToolRun{true, 0}, false},
                                           EndCase{"ExitOne", ToolRun{true, 1}, true},
                                           EndCase{"ExitTwo", ToolRun{true, 2}, true},
                                           EndCase{"ExitFour", ToolRun{true, 4}, true},
                                           EndCase{"Crashed", ToolRun{true, 0xC0000005u}, true},
                                           EndCase{"WaitFailed", ToolRun{true, 0, true}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupRunnerTest, AMissingToolEndsTheRunAndKeepsTheRowForLater) {
  launcher_.runs[2].started = false;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  Append(expected, {Tool(2), "Beep", kNoTool, "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 1);
  EXPECT_EQ(progress_.music, 2);

  log_.clear();  // the tool is put in place and the user presses start again
  runner_.RunBackup();
  EXPECT_EQ(log_.at(3), "SetCounter music 2");
  EXPECT_EQ(log_.at(8), Tool(2));
  EXPECT_EQ(launcher_.calls(), 2 + 4);
  EXPECT_EQ(table_.HandedOver(), 5);
}

TEST_F(BackupRunnerTest, NoITunesEndsTheRunAndTheNextRunRetriesTheRow) {
  launcher_.runs[2].exit_code = kToolExitNoITunes;
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  Append(expected, {Tool(2), "Beep", kNoITunes, "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 1);

  log_.clear();
  runner_.RunBackup();
  expected = Opening(2, 2);
  AppendRow(expected, 2, "music");
  AppendRow(expected, 3, "music");
  AppendRow(expected, 4, "movie");
  AppendRow(expected, 5, "movie");
  Append(expected, {"Beep", "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
}

TEST_F(BackupRunnerTest, AnErrorOutsideTheToolStepsEndsTheRun) {
  progress_.fail_at = 3;  // the status line after the second row
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  AppendRow(expected, 2, "music");
  Append(expected, {"Beep", kUnknownError, "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
  EXPECT_EQ(table_.HandedOver(), 2);  // its tool had ended: the file is in iTunes
}

TEST_F(BackupRunnerTest, AnErrorBeforeTheFirstToolStartsNone) {
  progress_.fail_at = 1;
  runner_.RunBackup();
  EXPECT_EQ(log_, (CallLog{kStarting, "Beep", kUnknownError, "Close", "SetVisible 1"}));
  EXPECT_EQ(launcher_.calls(), 0);
  EXPECT_EQ(table_.HandedOver(), 0);
}

TEST_F(BackupRunnerTest, AnErrorFromACounterEndsTheRun) {
  int steps = 0;
  progress_.on_step = [&] {
    if (++steps == 4) throw std::runtime_error("counter gone");
  };
  runner_.RunBackup();
  CallLog expected = Opening(3, 2);
  AppendRow(expected, 1, "music");
  AppendRow(expected, 2, "music");
  AppendRow(expected, 3, "music");
  Append(expected,
         {Tool(4), "StepCounter movie -1", "Beep", kUnknownError, "Close", "SetVisible 1"});
  EXPECT_EQ(log_, expected);
}

TEST_F(BackupRunnerTest, ALongPathIsHandedOverWhole) {
  const std::string folder = "E:\\iPod_Control\\" + std::string(1100, 'a') + "\\";
  table_.ClearTable();
  table_.AppendFile(folder + "\x83\x5C.mp3", "m");  // ソ: a trail byte of 5C in the name
  table_.SealTable();
  runner_.RunBackup();
  const std::string command_line = "libinsert.exe \"" + folder + "\x83\x5C.mp3\"";
  ASSERT_GT(command_line.size(), 1023u);
  EXPECT_EQ(log_.at(8), "RunHidden " + command_line);
  EXPECT_EQ(table_.HandedOver(), 1);
}

TEST(BuildToolCommandLineTest, JoinsTheToolNameAndBothCellsWhole) {
  EXPECT_EQ(BuildToolCommandLine("\"E:\\iPod_Control\\", "a b.mp3\""),
            "libinsert.exe \"E:\\iPod_Control\\a b.mp3\"");
  const std::string folder = "\"E:\\" + std::string(4000, 'x') + "\\";
  EXPECT_EQ(BuildToolCommandLine(folder, "y.mp3\""), "libinsert.exe " + folder + "y.mp3\"");
}

}  // namespace
}  // namespace tunesafe
