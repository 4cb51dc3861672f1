// The hidden tool processes, with the stand-in tool (copied beside this program, where the
// bare name "libinsert.exe" is found) logging every command line it is started with.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "core/backup_runner.h"
#include "core/media_table.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_process_launcher.h"
#include "tests/core/fakes.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

const char kLog[] = "R:\\run\\libinsert.log";
const char kDoneLog[] = "R:\\run\\done.log";
const std::string kSoHyo = "\x83\x5C\x95\x5C";  // ソ表

// Sets environment variables for the tools started in one test and restores them after.
class ScopedEnvironment {
 public:
  ~ScopedEnvironment() {
    for (const std::string& name : names_) SetEnvironmentVariableA(name.c_str(), nullptr);
  }
  void Set(const std::string& name, const std::string& value) {
    names_.push_back(name);
    SetEnvironmentVariableA(name.c_str(), value.c_str());
  }

 private:
  std::vector<std::string> names_;
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PathExists(ProgramFolder() + "libinsert.exe"));
    ASSERT_TRUE(HandleCountingEnabled());
    EmptyTestDrives();
    MakeFolder("R:\\run");
    environment_.Set("LIBINSERT_LOG", kLog);
    environment_.Set("LIBINSERT_DONE_LOG", kDoneLog);
    handles_before_ = LiveHandleCount();
  }
  void TearDown() override {
    EXPECT_EQ(LiveHandleCount(), handles_before_) << "a process or thread handle was left open";
    EmptyTestDrives();
  }

  ScopedEnvironment environment_;
  int handles_before_ = 0;
};

TEST_F(LauncherTest, HandsEveryRowOverHiddenWithItsWholeCommandLineInOrder) {
  const Win32CodePage code_page;
  MediaTable table(code_page);
  table.PrepareTable();
  const std::string deep = "Q:\\iPod_Control\\Music\\" + kSoHyo + "\\";
  const std::string long_name = std::string(1100, 'x') + ".mov";  // over 1023 bytes in all
  table.AppendFile(deep + kSoHyo + ".mp3", kKindMusic);
  table.AppendFile("Q:\\iPod_Control\\a b.m4a", kKindMusic);
  table.AppendFile("Q:\\iPod_Control\\" + long_name, kKindMovie);
  table.SealTable();

  CallLog log;
  FakeProgressSink progress(log);
  FakeMainFields fields(log);
  FakeAlerts alerts(log);
  Win32ProcessLauncher launcher;
  BackupRunner(table, progress, fields, launcher, alerts).RunBackup();

  EXPECT_THAT(ReadLines(kLog),
              ElementsAre("show=0|libinsert.exe \"" + deep + kSoHyo + ".mp3\"",
                          "show=0|libinsert.exe \"Q:\\iPod_Control\\a b.m4a\"",
                          "show=0|libinsert.exe \"Q:\\iPod_Control\\" + long_name + "\""));
  EXPECT_EQ(ReadLines(kDoneLog).size(), 3u);  // each tool ended before the next began
  EXPECT_EQ(progress.music, 0);
  EXPECT_EQ(progress.movie, 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Beep"), 1);
}

// How one start of a tool ends.
struct OutcomeCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> environment;
  std::string command_line;
  bool started;
  std::uint32_t exit_code;
  bool logged;
};

class LauncherOutcomeTest : public LauncherTest,
                            public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(LauncherOutcomeTest, ReportsTheStartAndTheExitCode) {
  const OutcomeCase& c = GetParam();
  for (const auto& [name, value] : c.environment) environment_.Set(name, value);
  Win32ProcessLauncher launcher;
  const ProcessOutcome outcome = launcher.RunHidden(c.command_line);
  EXPECT_EQ(outcome.started, c.started);
  EXPECT_EQ(outcome.exit_code, c.exit_code);
  if (c.logged) {
    EXPECT_THAT(ReadLines(kLog), ElementsAre("show=0|" + c.command_line));
  } else {
    EXPECT_THAT(ReadLines(kLog), IsEmpty());
  }
}

// The longest command line the system takes: 32767 characters with the closing zero.
std::string ToolLineOfLength(std::size_t length) {
  const std::string head = "libinsert.exe \"Q:\\";
  return head + std::string(length - head.size() - 1, 'n') + "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, LauncherOutcomeTest,
    ::testing::Values(
        OutcomeCase{"Success", {}, "libinsert.exe \"Q:\\a.mp3\"", true, 0, true},
        OutcomeCase{"ExitCode",
                    {{"LIBINSERT_EXIT_CODE", "42"}},
                    "libinsert.exe \"Q:\\a.mp3\"",
                    true,
                    42,
                    true},
        OutcomeCase{"FailingFile",
                    {{"LIBINSERT_FAIL_MATCH", "bad"}, {"LIBINSERT_FAIL_CODE", "7"}},
                    "libinsert.exe \"Q:\\bad.mp3\"",
                    true,
                    7,
                    true},
        OutcomeCase{"Crash",
                    {{"LIBINSERT_CRASH", "1"}},
                    "libinsert.exe \"Q:\\a.mp3\"",
                    true,
                    0xC0000005u,
                    true},
        OutcomeCase{"MissingTool", {}, "no_such_tool.exe \"Q:\\a.mp3\"", false, 0, false},
        OutcomeCase{"LongestLine", {}, ToolLineOfLength(32766), true, 0, true},
        // Never cut to fit: not started at all.
        OutcomeCase{"LineOverTheLimit", {}, ToolLineOfLength(32767), false, 0, false}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return info.param.name; });

// A hidden window whose WM_APP handler is the progress window's close button: it clears the
// run flag. A message posted to it before the run is handled during the first tool's wait.
class CancelWindow {
 public:
  explicit CancelWindow(ProgressSink& progress) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &CancelWindow::Procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "TunesafeCancelTestWindow";
    RegisterClassA(&window_class);
    window_ = CreateWindowA(window_class.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            window_class.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&progress));
  }
  ~CancelWindow() { DestroyWindow(window_); }
  void PostCancel() { PostMessageA(window_, WM_APP, 0, 0); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_APP) {
      reinterpret_cast<ProgressSink*>(GetWindowLongPtrA(window, GWLP_USERDATA))->SetRunFlag(0);
      return 0;
    }
    return DefWindowProcA(window, message, w, l);
  }
  HWND window_ = nullptr;
};

TEST_F(LauncherTest, ACancelDuringTheWaitLetsTheToolEndAndStartsNoOther) {
  const Win32CodePage code_page;
  MediaTable table(code_page);
  table.PrepareTable();
  for (const char* path : {"Q:\\1.mp3", "Q:\\2.mp3", "Q:\\3.mp3"}) table.AppendFile(path, "m");
  table.SealTable();
  CallLog log;
  FakeProgressSink progress(log);
  FakeMainFields fields(log);
  FakeAlerts alerts(log);
  Win32ProcessLauncher launcher;
  // Slow enough that the tool is still running when the posted message is handled.
  environment_.Set("LIBINSERT_DELAY_MS", "1500");
  CancelWindow window(progress);
  window.PostCancel();

  BackupRunner(table, progress, fields, launcher, alerts).RunBackup();

  EXPECT_EQ(progress.run_flag, 0);
  EXPECT_THAT(ReadLines(kLog), ElementsAre("show=0|libinsert.exe \"Q:\\1.mp3\""));
  EXPECT_EQ(ReadLines(kDoneLog).size(), 1u) << "the run returned before the tool had ended";
  EXPECT_TRUE(fields.visible);
}

TEST_F(LauncherTest, AQuitTakenDuringTheWaitIsPostedAgain) {
  environment_.Set("LIBINSERT_DELAY_MS", "200");
  PostQuitMessage(5);
  Win32ProcessLauncher launcher;
  const ProcessOutcome outcome = launcher.RunHidden("libinsert.exe \"Q:\\a.mp3\"");

  EXPECT_TRUE(outcome.started);
  EXPECT_EQ(ReadLines(kDoneLog).size(), 1u) << "the quit ended the wait early";
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 5u);
}

}  // namespace
}  // namespace tunesafe::testing
