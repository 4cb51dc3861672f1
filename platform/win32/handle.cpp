#include "platform/win32/handle.h"

#include <atomic>

#if !defined(NDEBUG) || defined(TUNESAFE_COUNT_HANDLES)
#define TUNESAFE_HANDLE_COUNTING 1
#else
#define TUNESAFE_HANDLE_COUNTING 0
#endif

namespace tunesafe {
namespace {
// Atomic so that a test helper thread opening a handle cannot spoil the count.
std::atomic<int> live_handles{0};
}  // namespace

int LiveHandleCount() { return live_handles; }
bool HandleCountingEnabled() { return TUNESAFE_HANDLE_COUNTING != 0; }

namespace handle_internal {
void NoteOpened() {
  if (TUNESAFE_HANDLE_COUNTING) ++live_handles;
}
void NoteClosed() {
  if (TUNESAFE_HANDLE_COUNTING) --live_handles;
}
}  // namespace handle_internal

}  // namespace tunesafe
