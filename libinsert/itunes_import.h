// Adding one media file to the iTunes library through iTunes' automation interface.
#pragma once

#include <chrono>
#include <string>

namespace libinsert {

struct ImportTimings {
  // How long iTunes may take to start and answer the first call.
  std::chrono::milliseconds connect_limit = std::chrono::seconds(60);
  // How often the running add is asked whether it has finished.
  std::chrono::milliseconds poll_interval = std::chrono::milliseconds(50);
};

// Adds the file named by `path` (ANSI code page) and returns once iTunes has finished adding
// it. The result is one of the exit codes of exit_codes.h.
int ImportFile(const std::string& path, const ImportTimings& timings = {});

}  // namespace libinsert
