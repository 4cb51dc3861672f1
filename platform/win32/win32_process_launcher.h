// Starts the import tool hidden and waits for it while the window messages are handled.
#pragma once

#include <cstddef>
#include <string>

#include "core/ports.h"

namespace tunesafe {

class Win32ProcessLauncher : public ProcessLauncher {
 public:
  // The command line buffer: at least this many bytes, and grown to what a longer line needs.
  static constexpr std::size_t kMinCommandBuffer = 1024;
  // CreateProcess takes at most this many characters, the closing zero included.
  static constexpr std::size_t kMaxCommandBuffer = 32767;
  // The wait slice: between two slices the waiting window messages are handled.
  static constexpr unsigned kWaitSliceMs = 60;

  // A line that does not fit the system's limit is not started (never cut): started is false.
  ProcessOutcome RunHidden(const std::string& command_line) override;
};

}  // namespace tunesafe
