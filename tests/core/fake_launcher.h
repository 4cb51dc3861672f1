// A ProcessLauncher that runs nothing: it logs each command line and plays, per call, how
// that tool process went.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "core/ports.h"
#include "tests/core/fakes.h"

namespace tunesafe::testing {

// How one tool process goes; by default it starts and ends with exit code 0.
struct ToolRun {
  bool started = true;
  std::uint32_t exit_code = 0;
  bool wait_fails = false;          // RunHidden throws, as when waiting for the process fails
  bool user_closes_window = false;  // the progress window's "×" is pressed during the wait
};

class FakeLauncher : public ProcessLauncher {
 public:
  FakeLauncher(CallLog& log, ProgressSink& progress) : log_(log), progress_(progress) {}

  ProcessOutcome RunHidden(const std::string& command_line) override {
    log_.push_back("RunHidden " + command_line);
    const ToolRun run = runs[++calls_];
    if (run.user_closes_window) {
      // What the close button does while the run handles the waiting messages.
      progress_.SetRunFlag(0);
      progress_.Close();
    }
    if (run.wait_fails) throw std::runtime_error("wait failed");
    return {run.started, run.exit_code};
  }

  int calls() const { return calls_; }

  std::map<int, ToolRun> runs;  // by call number, counted from 1 over the launcher's life

 private:
  CallLog& log_;
  ProgressSink& progress_;
  int calls_ = 0;
};

}  // namespace tunesafe::testing
