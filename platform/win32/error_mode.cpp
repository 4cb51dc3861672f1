#include "platform/win32/error_mode.h"

#include <windows.h>

namespace tunesafe {

void SetCriticalErrorMode() { SetErrorMode(SEM_FAILCRITICALERRORS); }

}  // namespace tunesafe
