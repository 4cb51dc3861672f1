// Times BackupRunner::RunBackup over 200 rows with the real launcher and the stand-in tool
// (copied beside this program; it ends at once) against a bare CreateProcessA +
// WaitForSingleObject(INFINITE) loop over the same 200 command lines, in the same run. The
// two alternate, best of 2 each. Prints "name value" lines:
//   run_ms_per_file   run_ratio
//   run_ratio_paired: the same comparison paired row by row, for a machine busy with other
//     work: one more run whose launcher starts each row's line once bare (timed apart) and
//     once for real, so both see the same moment's load; the run's time is its whole time
//     less the bare starts.
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

void BareStart(const std::string& line) {
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

void BareLoop(const std::vector<std::string>& command_lines) {
  for (const std::string& line : command_lines) BareStart(line);
}

// The real launcher, with a bare start of the same line next to each real one (before it on
// even rows, after it on odd ones), timed apart.
class PairedLauncher : public ProcessLauncher {
 public:
  ProcessOutcome RunHidden(const std::string& command_line) override {
    const bool bare_first = calls_++ % 2 == 0;
    if (bare_first) bare_seconds += BestOf(1, [&] { BareStart(command_line); });
    const ProcessOutcome outcome = real_.RunHidden(command_line);
    if (!bare_first) bare_seconds += BestOf(1, [&] { BareStart(command_line); });
    return outcome;
  }
  double bare_seconds = 0;

 private:
  Win32ProcessLauncher real_;
  int calls_ = 0;
};

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

  PairedLauncher paired;
  BackupRunner paired_runner(table, progress, fields, paired, alerts);
  table.SetHandedOver(0);
  const double paired_total = BestOf(1, [&] { paired_runner.RunBackup(); });
  const double paired_run = paired_total - paired.bare_seconds;

  std::fprintf(stderr, "run_bench: bare loop %.3f s, run %.3f s for %d rows\n", bare, run, kRows);
  std::fprintf(stderr, "run_bench: paired: bare %.3f s, run %.3f s\n", paired.bare_seconds,
               paired_run);
  std::printf("run_ms_per_file %.1f\n", run * 1000.0 / kRows);
  std::printf("run_ratio %.3f\n", run / bare);
  std::printf("run_ratio_paired %.3f\n", paired_run / paired.bare_seconds);
  return 0;
}

}  // namespace
}  // namespace tunesafe::bench

int main() { return tunesafe::bench::Run(); }
