// Times BackupRunner::RunBackup over 200 rows with the real launcher and the stand-in tool
// (copied beside this program; it ends at once) against a bare CreateProcessA +
// WaitForSingleObject(INFINITE) loop over the same 200 command lines, in the same run. The
// two alternate, best of 2 each (the machine may be busy with other work; the best run of
// each is the one least disturbed). Prints "name value" lines:
//   run_ms_per_file   run_ratio
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/null_ports.h"
#include "core/backup_runner.h"
#include "core/media_table.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_process_launcher.h"

namespace tunesafe::bench {
namespace {

constexpr int kRows = 200;

void BareLoop(const std::vector<std::string>& command_lines) {
  for (const std::string& line : command_lines) {
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
      std::fprintf(stderr, "run_bench: cannot start %s\n", line.c_str());
      std::exit(1);
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
}

int Run() {
  Win32CodePage code_page;
  MediaTable table(code_page);
  table.PrepareTable();
  for (int i = 0; i < kRows; ++i) {
    table.AppendFile("Q:\\iPod_Control\\Music\\F" + std::to_string(i % 40) + "\\Track " +
                         std::to_string(i) + ".mp3",
                     kKindMusic);
  }
  table.SealTable();
  std::vector<std::string> command_lines;
  for (int row = 1; row <= kRows; ++row) {
    command_lines.push_back(
        BuildToolCommandLine(table.Cell(kFolderColumn, row), table.Cell(kFileColumn, row)));
  }

  NullProgressSink progress;
  NullMainFields fields;
  NullAlerts alerts;
  Win32ProcessLauncher launcher;
  BackupRunner runner(table, progress, fields, launcher, alerts);

  BareLoop({command_lines.front()});  // the first start loads the tool into the caches
  double bare = 1e9;
  double run = 1e9;
  for (int round = 0; round < 2; ++round) {
    bare = std::min(bare, BestOf(1, [&] { BareLoop(command_lines); }));
    run = std::min(run, BestOf(1, [&] {
                     table.SetHandedOver(0);  // hand every row over again
                     runner.RunBackup();
                   }));
  }
  if (table.HandedOver() != kRows) {
    std::fprintf(stderr, "run_bench: the run handed over %d rows\n",
                 static_cast<int>(table.HandedOver()));
    return 1;
  }
  std::fprintf(stderr, "run_bench: bare loop %.3f s, run %.3f s for %d rows\n", bare, run, kRows);
  std::printf("run_ms_per_file %.1f\n", run * 1000.0 / kRows);
  std::printf("run_ratio %.3f\n", run / bare);
  return 0;
}

}  // namespace
}  // namespace tunesafe::bench

int main() { return tunesafe::bench::Run(); }
