// A console helper of the fault scenarios, run in the same Wine prefix as Tunesafe.exe, for
// what the end-to-end probe does not do: it puts the hidden progress window on the screen
// without activating it, so that a screenshot can read the counters a run has left, and
// hides it again.
//   faults_probe show-progress   shows and repaints it; prints shown=1 and its rectangle
//   faults_probe hide-progress   hides it again; prints hidden=1
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND ProgressWindow() { return FindWindowExA(nullptr, nullptr, "TProgressForm1", nullptr); }

// A message sent to the window's thread returns once everything sent before it is handled.
bool WaitUntilHandled(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

int ShowProgress() {
  HWND window = ProgressWindow();
  if (!window) {
    std::printf("shown=0\n");
    return 0;
  }
  ShowWindow(window, SW_SHOWNOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const bool handled = WaitUntilHandled(window);
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("shown=%d\nleft=%ld\ntop=%ld\n", handled && IsWindowVisible(window) ? 1 : 0,
              rect.left, rect.top);
  return 0;
}

int HideProgress() {
  HWND window = ProgressWindow();
  if (window) ShowWindow(window, SW_HIDE);
  std::printf("hidden=%d\n", window && WaitUntilHandled(window) && !IsWindowVisible(window));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "show-progress") return ShowProgress();
  if (command == "hide-progress") return HideProgress();
  std::fprintf(stderr, "usage: faults_probe show-progress|hide-progress\n");
  return 2;
}
