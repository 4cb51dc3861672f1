// The stand-in import tool itself: what it logs, how it reads its argument, the copy of the
// demo mode, and that lines of tools running side by side never mix.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/handle.h"
#include "tests/win32/test_tree.h"

namespace tunesafe::testing {
namespace {

using ::testing::ElementsAre;

const char kLog[] = "R:\\tool\\libinsert.log";
const std::string kSoHyo = "\x83\x5C\x95\x5C";  // ソ表

// Starts the stand-in with a command line and the given start-up show state (or none).
UniqueHandle StartTool(const std::string& command_line, const WORD* show) {
  std::vector<char> buffer(command_line.begin(), command_line.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (show != nullptr) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = *show;
  }
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    ADD_FAILURE() << "cannot start " << command_line;
    return UniqueHandle();
  }
  CloseHandle(info.hThread);
  return UniqueHandle(info.hProcess);
}

DWORD RunTool(const std::string& command_line, const WORD* show = nullptr) {
  const UniqueHandle process = StartTool(command_line, show);
  WaitForSingleObject(process.Get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.Get(), &code);
  return code;
}

class StandInTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PathExists(ProgramFolder() + "libinsert.exe"));
    EmptyTestDrives();
    MakeFolder("R:\\tool");
    SetEnvironmentVariableA("LIBINSERT_LOG", kLog);
  }
  void TearDown() override {
    for (const char* name : {"LIBINSERT_LOG", "LIBINSERT_COPY_TO", "LIBINSERT_HANG"}) {
      SetEnvironmentVariableA(name, nullptr);
    }
    EmptyTestDrives();
  }
};

TEST_F(StandInTest, LogsTheShowStateAndTheCommandLineByteForByte) {
  const WORD hidden = SW_HIDE;
  const WORD shown = SW_SHOWNORMAL;
  const std::string line = "libinsert.exe  \"Q:\\" + kSoHyo + "\\" + kSoHyo + ".mp3\"";
  RunTool(line, &hidden);
  RunTool(line, &shown);
  RunTool(line, nullptr);
  EXPECT_THAT(ReadLines(kLog),
              ElementsAre("show=0|" + line, "show=1|" + line, "show=none|" + line));
}

TEST_F(StandInTest, LogsBesideItselfWithoutALogSetting) {
  const std::string beside = ProgramFolder() + "libinsert.log";
  DeleteFileA(beside.c_str());
  SetEnvironmentVariableA("LIBINSERT_LOG", nullptr);
  RunTool("libinsert.exe \"Q:\\a.mp3\"");
  EXPECT_THAT(ReadLines(beside), ElementsAre("show=none|libinsert.exe \"Q:\\a.mp3\""));
  DeleteFileA(beside.c_str());
}

TEST_F(StandInTest, CopiesTheFileItIsGivenKeepingItsName) {
  SetEnvironmentVariableA("LIBINSERT_COPY_TO", "R:\\library");
  MakeFolder("R:\\library");
  struct Case {
    std::string name;
    std::string command_line;
  };
  const std::string quoted_program = "\"" + ProgramFolder() + "libinsert.exe\"";
  for (const Case& c : {Case{"a b.mp3", "libinsert.exe \"R:\\src\\a b.mp3\""},
                        Case{kSoHyo + ".mp3", "libinsert.exe   \"R:\\src\\" + kSoHyo + ".mp3\"  "},
                        Case{"quoted.m4a", quoted_program + " \"R:\\src\\quoted.m4a\""},
                        Case{"plain.mov", "libinsert.exe R:\\src\\plain.mov"}}) {
    MakeFile("R:\\src\\" + c.name, "content of " + c.name);
    EXPECT_EQ(RunTool(c.command_line), 0u) << c.command_line;
    EXPECT_EQ(ReadWholeFile("R:\\library\\" + c.name), "content of " + c.name) << c.command_line;
  }
}

TEST_F(StandInTest, LinesOfToolsRunningSideBySideNeverMix) {
  constexpr int kTools = 12;
  std::vector<std::string> expected;
  std::vector<UniqueHandle> processes;
  for (int i = 0; i < kTools; ++i) {
    // Long lines, so a torn write would show.
    const std::string line = "libinsert.exe \"Q:\\" + std::string(3000, 'a' + i) + ".mp3\"";
    expected.push_back("show=none|" + line);
    processes.push_back(StartTool(line, nullptr));
  }
  for (const UniqueHandle& process : processes) WaitForSingleObject(process.Get(), INFINITE);
  EXPECT_THAT(ReadLines(kLog), ::testing::UnorderedElementsAreArray(expected));
}

TEST_F(StandInTest, AHangingToolIsStillRunningAfterItHasLogged) {
  SetEnvironmentVariableA("LIBINSERT_HANG", "1");
  const UniqueHandle process = StartTool("libinsert.exe \"Q:\\a.mp3\"", nullptr);
  // Wait for the log line with a deadline rather than for a fixed time.
  const DWORD deadline = GetTickCount() + 20000;
  while (ReadLines(kLog).empty() && GetTickCount() < deadline) Sleep(10);
  ASSERT_EQ(ReadLines(kLog).size(), 1u);
  EXPECT_EQ(WaitForSingleObject(process.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  TerminateProcess(process.Get(), 1);
  WaitForSingleObject(process.Get(), INFINITE);
}

}  // namespace
}  // namespace tunesafe::testing
