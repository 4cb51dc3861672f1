#include "platform/win32/win32_process_launcher.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/error.h"
#include "platform/win32/handle.h"

namespace tunesafe {
namespace {

// Handles every message waiting in the thread's queue. A WM_QUIT taken here is not lost: its
// exit code is kept so the caller can post it again once the wait is over.
void HandleWaitingMessages(bool& quit_seen, WPARAM& quit_code) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit_seen = true;
      quit_code = message.wParam;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Posts a WM_QUIT taken during the wait again when the wait ends, however it ends, so the
// program still ends after the run.
class QuitRepost {
 public:
  ~QuitRepost() {
    if (seen) PostQuitMessage(static_cast<int>(code));
  }
  bool seen = false;
  WPARAM code = 0;
};

}  // namespace

ProcessOutcome Win32ProcessLauncher::RunHidden(const std::string& command_line) {
  ProcessOutcome outcome;
  if (command_line.size() + 1 > kMaxCommandBuffer) return outcome;

  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> buffer(std::max(kMinCommandBuffer, command_line.size() + 1), '\0');
  std::copy(command_line.begin(), command_line.end(), buffer.begin());

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  startup.cb = sizeof(startup);
  startup.dwFlags |= STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;

  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return outcome;
  }
  outcome.started = true;
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);

  QuitRepost quit;
  const HANDLE waited = process.Get();
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &waited, FALSE, kWaitSliceMs, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) break;
    if (result == WAIT_FAILED) throw Error("waiting for the import tool failed");
    HandleWaitingMessages(quit.seen, quit.code);  // a slice ended, or messages arrived
  }

  DWORD exit_code = 0;
  if (!GetExitCodeProcess(process.Get(), &exit_code)) {
    throw Error("the import tool's exit code cannot be read");
  }
  outcome.exit_code = exit_code;
  return outcome;
}

}  // namespace tunesafe
