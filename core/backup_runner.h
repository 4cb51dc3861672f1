// The backup run: every listed file not yet handed over goes to the import tool, in order.
#pragma once

#include <string>

#include "core/media_table.h"
#include "core/ports.h"

namespace tunesafe {

// The import tool's exit code that means iTunes cannot be reached.
constexpr std::uint32_t kToolExitNoITunes = 3;

// "libinsert.exe " + folder cell + file cell, whole, however long.
std::string BuildToolCommandLine(const std::string& folder_cell, const std::string& file_cell);

class BackupRunner {
 public:
  BackupRunner(MediaTable& table, ProgressSink& progress, MainFields& fields,
               ProcessLauncher& launcher, Alerts& alerts);
  // Button10Click.
  void RunBackup();

 private:
  MediaTable& table_;
  ProgressSink& progress_;
  MainFields& fields_;
  ProcessLauncher& launcher_;
  Alerts& alerts_;
};

}  // namespace tunesafe
