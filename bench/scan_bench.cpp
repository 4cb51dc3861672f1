// Times the whole scan of the device on Q: (made by bench/run.sh) against one bare
// breadth-first FindFirstFileA walk of the same tree, in the same run, best of N rounds each
// after a warm-up walk. Arguments: the figures' suffix (e.g. 40k) and N (default 5). Prints
// "name value" lines:
//   scan_seconds_<suffix>   lister_ratio_<suffix>   scan_ratio_<suffix>
//   scan_ratio_paired_<suffix>: the same comparison paired folder by folder, for a machine
//     busy with other work: each round also runs one scan whose listing enumerates each folder
//     once bare (timed apart) next to the real listing, so both see the same moment's load;
//     the scan's time is its whole time less the bare enumerations (median of the rounds)
//   core_peak_private_mb_<suffix>: this process's peak private commit after its scans
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/null_ports.h"
#include "core/device_locator.h"
#include "core/media_scanner.h"
#include "core/media_table.h"
#include "platform/win32/error_mode.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_directory_lister.h"
#include "platform/win32/win32_drive_system.h"

namespace tunesafe::bench {
namespace {

const char kRoot[] = "Q:\\iPod_Control\\";

// The plainest walk there is: one "*.*" enumeration per folder, folders queued.
std::size_t BareWalk() {
  std::deque<std::string> queue{kRoot};
  std::size_t files = 0;
  WIN32_FIND_DATAA data;
  while (!queue.empty()) {
    const std::string folder = std::move(queue.front());
    queue.pop_front();
    const HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ++files;
      } else if (data.cFileName[0] != '.' ||
                 (data.cFileName[1] != '\0' &&
                  (data.cFileName[1] != '.' || data.cFileName[2] != '\0'))) {
        queue.push_back(folder + data.cFileName + "\\");
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  return files;
}

// The same walk through the adapter the scan uses.
std::size_t ListerWalk(Win32DirectoryLister& lister) {
  std::deque<std::string> queue{kRoot};
  std::size_t files = 0;
  std::vector<DirEntry> entries;
  while (!queue.empty()) {
    const std::string folder = std::move(queue.front());
    queue.pop_front();
    entries.clear();
    lister.ListFolder(folder, entries);
    for (const DirEntry& entry : entries) {
      if (!entry.is_folder) {
        ++files;
      } else if (!entry.is_reparse_point) {
        queue.push_back(folder + entry.long_name + "\\");
      }
    }
  }
  return files;
}

// One bare "*.*" enumeration of one folder.
void BareList(const std::string& folder) {
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  while (FindNextFileA(find, &data)) {
  }
  FindClose(find);
}

// The real listing, with a bare enumeration of the same folder next to each real one (before
// it on even calls, after it on odd ones), timed apart.
class PairedLister : public DirectoryLister {
 public:
  std::string FullPath(const std::string& path) override { return real_.FullPath(path); }
  bool Exists(const std::string& path) override { return real_.Exists(path); }
  bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries) override {
    const bool bare_first = calls_++ % 2 == 0;
    if (bare_first) bare_seconds += BestOf(1, [&] { BareList(folder); });
    const bool listed = real_.ListFolder(folder, entries);
    if (!bare_first) bare_seconds += BestOf(1, [&] { BareList(folder); });
    return listed;
  }
  double bare_seconds = 0;

 private:
  Win32DirectoryLister real_;
  int calls_ = 0;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double PeakPrivateMegabytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof(counters));
  return static_cast<double>(counters.PeakPagefileUsage) / (1024.0 * 1024.0);
}

int Run(const std::string& suffix, int rounds) {
  SetCriticalErrorMode();
  Win32CodePage code_page;
  Win32DriveSystem drives;
  Win32DirectoryLister lister;
  NullProgressSink progress;
  NullMainFields fields;
  NullAlerts alerts;
  MediaTable table(code_page);
  table.PrepareTable();
  DeviceLocator locator(drives, fields, alerts);
  MediaScanner scanner(locator, table, lister, progress, fields, code_page);

  const std::size_t files = BareWalk();  // warms the caches
  if (files == 0) {
    std::fprintf(stderr, "scan_bench: no files below %s\n", kRoot);
    return 1;
  }
  // The three alternate, so a burst of other work on the machine disturbs one round of each
  // rather than all rounds of one; the best round of each counts.
  std::size_t lister_files = 0;
  double walk = 1e9;
  double listed = 1e9;
  double scan = 1e9;
  std::vector<double> paired_ratios;
  for (int round = 0; round < rounds; ++round) {
    walk = std::min(walk, BestOf(1, [] { BareWalk(); }));
    listed = std::min(listed, BestOf(1, [&] { lister_files = ListerWalk(lister); }));
    scan = std::min(scan, BestOf(1, [&] { scanner.ScanMedia(); }));

    PairedLister paired;
    MediaScanner paired_scanner(locator, table, paired, progress, fields, code_page);
    const double total = BestOf(1, [&] { paired_scanner.ScanMedia(); });
    paired_ratios.push_back((total - paired.bare_seconds) / paired.bare_seconds);
  }
  if (lister_files != files || fields.ScanRoot() != "Q:\\iPod_Control" || table.RowCount() <= 0) {
    std::fprintf(stderr, "scan_bench: the runs disagree (%zu files walked, %zu listed, %d rows)\n",
                 files, lister_files, static_cast<int>(table.RowCount()));
    return 1;
  }
  std::fprintf(stderr, "scan_bench: %zu files, %d rows, walk %.3f s, lister %.3f s\n", files,
               static_cast<int>(table.RowCount()), walk, listed);
  std::printf("scan_seconds_%s %.3f\n", suffix.c_str(), scan);
  std::printf("lister_ratio_%s %.3f\n", suffix.c_str(), listed / walk);
  std::printf("scan_ratio_%s %.3f\n", suffix.c_str(), scan / walk);
  std::printf("scan_ratio_paired_%s %.3f\n", suffix.c_str(), Median(paired_ratios));
  std::printf("core_peak_private_mb_%s %.1f\n", suffix.c_str(), PeakPrivateMegabytes());
  return 0;
}

}  // namespace
}  // namespace tunesafe::bench

int main(int argc, char** argv) {
  return tunesafe::bench::Run(argc > 1 ? argv[1] : "tree", argc > 2 ? std::atoi(argv[2]) : 5);
}
