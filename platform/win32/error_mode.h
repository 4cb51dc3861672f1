// The process's error mode.
#pragma once

namespace tunesafe {

// Turns off the system's "insert a disk" dialog for the whole process, so probing a drive
// without a medium simply fails. Called once at start-up and never undone.
void SetCriticalErrorMode();

}  // namespace tunesafe
