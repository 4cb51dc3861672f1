#include "core/media_scanner.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/ansi_text.h"
#include "core/folder_walk.h"

namespace tunesafe {

namespace {

struct Pattern {
  const char* extension;
  CounterKind kind;
};

// The music patterns, then the movie patterns: the order of the rows in the table.
constexpr std::array<Pattern, 12> kPatterns = {{
    {"mp3", CounterKind::kMusic},
    {"m4a", CounterKind::kMusic},
    {"aac", CounterKind::kMusic},
    {"wav", CounterKind::kMusic},
    {"aif", CounterKind::kMusic},
    {"aiff", CounterKind::kMusic},
    {"m4p", CounterKind::kMusic},
    {"m4b", CounterKind::kMusic},
    {"m4v", CounterKind::kMovie},
    {"mp4", CounterKind::kMovie},
    {"mpg", CounterKind::kMovie},
    {"mov", CounterKind::kMovie},
}};

// One file found by the walk: the index of its folder in the walk's folder list, and the
// name under which it is listed.
struct FoundFile {
  std::size_t folder;
  std::string name;
};

// The files found, one bucket per pattern, each in walk order.
using Buckets = std::array<std::vector<FoundFile>, kPatterns.size()>;

struct ScanScope {
  bool music = false;
  bool movies = false;

  bool Includes(CounterKind kind) const { return kind == CounterKind::kMusic ? music : movies; }
};

ScanScope ReadScope(const MainFields& fields) {
  ScanScope scope;
  scope.music =
      fields.ScopeChecked(Scope::kMusicAndMovies) || fields.ScopeChecked(Scope::kMusicOnly);
  scope.movies =
      fields.ScopeChecked(Scope::kMusicAndMovies) || fields.ScopeChecked(Scope::kMoviesOnly);
  return scope;
}

// The platform's wildcard match of "*.<extension>": the long name or, where the volume keeps
// one, the 8.3 alias (so "*.aif" also finds x.aiff through its alias X~1.AIF).
bool Matches(const DirEntry& entry, const char* extension) {
  return HasExtension(entry.long_name, extension) ||
         (!entry.short_name.empty() && HasExtension(entry.short_name, extension));
}

// "._x.mp3" is the Mac resource-fork companion of x.mp3, not music.
bool IsResourceFork(const DirEntry& entry) { return entry.long_name.compare(0, 2, "._") == 0; }

}  // namespace

MediaScanner::MediaScanner(DeviceLocator& locator, MediaTable& table, DirectoryLister& lister,
                           ProgressSink& progress, MainFields& fields, const CodePage& code_page)
    : locator_(locator),
      table_(table),
      lister_(lister),
      progress_(progress),
      fields_(fields),
      code_page_(code_page) {}

void MediaScanner::ScanMedia() {
  if (!locator_.LocateDevice()) return;
  const ScanScope scope = ReadScope(fields_);

  progress_.SetStatus(kScanningStatus);
  progress_.ResetCounter(CounterKind::kMusic);
  progress_.SetCounterColour(CounterKind::kMusic, kColourRed);
  progress_.ResetCounter(CounterKind::kMovie);
  progress_.SetCounterColour(CounterKind::kMovie, kColourRed);
  progress_.Show();
  progress_.Refresh();
  table_.ClearTable();

  std::vector<std::string> folders;
  Buckets buckets;
  const auto append_found = [&] {
    for (std::size_t p = 0; p < buckets.size(); ++p) {
      const char* kind = kPatterns[p].kind == CounterKind::kMusic ? kKindMusic : kKindMovie;
      for (const FoundFile& file : buckets[p])
        table_.AppendFile(folders[file.folder] + file.name, kind);
    }
  };

  try {
    if (scope.music || scope.movies) {
      std::int32_t found = 0;
      WalkFolders(lister_, code_page_, fields_.ScanRoot(), folders,
                  [&](std::size_t folder, const DirEntry& entry) {
                    if (entry.is_folder || IsResourceFork(entry)) return;
                    for (std::size_t p = 0; p < kPatterns.size(); ++p) {
                      const Pattern& pattern = kPatterns[p];
                      if (!scope.Includes(pattern.kind) || !Matches(entry, pattern.extension)) {
                        continue;
                      }
                      // The first matching pattern takes the file, so it is listed once.
                      buckets[p].push_back({folder, ReachableName(entry)});
                      progress_.StepCounter(pattern.kind, 1);
                      if (++found % 10 == 0) progress_.RefreshCounters();
                      return;
                    }
                  });
    }
  } catch (...) {
    // The rows found so far are kept and the error goes on to the exception display, but
    // the progress window must not stay up, whatever happens while the rows are kept.
    struct CloseProgress {
      ProgressSink& progress;
      ~CloseProgress() { progress.Close(); }
    } close_progress{progress_};
    append_found();
    throw;
  }

  append_found();
  table_.SealTable();
  fields_.SetCountText(std::to_string(table_.RowCount()) + kFilesUnit);
  progress_.Close();
  fields_.SetStartButton(kColourWhite, true);
}

}  // namespace tunesafe
