// How the stand-in iTunes behaves, read once from the environment of the process that loads it:
//   ITUNES_STANDIN_LIBRARY      folder that receives a copy of each added file
//                               (default: "library" beside the DLL)
//   ITUNES_STANDIN_LOG          UTF-8 event log, appended to (default: itunes_standin.log beside
//                               the DLL)
//   ITUNES_STANDIN_DELAY_MS     an add stays in progress this long after AddFile (default 0)
//   ITUNES_STANDIN_BUSY_POLLS   ...and for at least this many InProgress reads (default 0)
//   ITUNES_STANDIN_REJECT_CALLS the first n calls are rejected as by a busy iTunes (default 0)
//   ITUNES_STANDIN_FAIL         create: the class refuses to start; stopping: the first start
//                               is refused as by an iTunes still closing; hang: starting never
//                               ends; addfile: AddFile raises an error; nostatus: AddFile
//                               returns nothing; notracks: the add finishes without a track;
//                               quit: iTunes is gone when the add is asked about
#pragma once

#include <windows.h>

#include <string>

namespace itunes_standin {

enum class Failure { kNone, kCreate, kStopping, kHang, kAddFile, kNoStatus, kNoTracks, kQuit };

struct StandInConfig {
  std::wstring library_dir;
  std::wstring log_path;
  DWORD delay_ms = 0;
  long busy_polls = 0;
  long reject_calls = 0;
  Failure failure = Failure::kNone;
};

const StandInConfig& Config();

}  // namespace itunes_standin
