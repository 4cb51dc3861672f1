// ImportFile called in this process, where the wait for iTunes can be given a short bound.
#include "libinsert/itunes_import.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "libinsert/exit_codes.h"
#include "tests/itunes/standin_registry.h"
#include "tests/itunes/test_support.h"

namespace itunes_test {
namespace {

bool LogHasLine(const std::wstring& log, const std::string& line) {
  const std::vector<std::string> lines = ReadLines(log);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The stand-in hangs in starting for ever. The thread left waiting in it stays behind in this
// process, loaded DLL and all, so this is the only test that loads the stand-in in-process.
TEST(ImportFileTest, GivesUpOnAnITunesThatNeverAnswers) {
  const std::wstring work = L"R:\\itunes_test_hang";
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  WriteFileBytes("R:\\itunes_test_hang\\song.mp3", "ID3");
  const std::wstring log = work + L"\\standin.log";
  const ScopedEnvironment environment(
      {{L"ITUNES_STANDIN_LOG", log}, {L"ITUNES_STANDIN_FAIL", L"hang"}});
  const StandInRegistration registration(StandInDll());

  libinsert::ImportTimings timings;
  timings.connect_limit = std::chrono::milliseconds(300);
  EXPECT_EQ(libinsert::ImportFile("R:\\itunes_test_hang\\song.mp3", timings),
            libinsert::kExitNoITunes);

  // The bound, not a failure to find the server, ended the import: the stand-in was reached
  // and is still starting.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!LogHasLine(log, "create-hang") && std::chrono::steady_clock::now() < deadline) {
    Sleep(20);
  }
  EXPECT_TRUE(LogHasLine(log, "create-hang"));
  EXPECT_FALSE(LogHasLine(log, "create"));
  std::filesystem::remove_all(work);
}

}  // namespace
}  // namespace itunes_test
