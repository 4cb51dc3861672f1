#include "platform/win32/win32_code_page.h"

#include <windows.h>

namespace tunesafe {

Win32CodePage::Win32CodePage() {
  for (int byte = 0; byte < 256; ++byte) {
    lead_[static_cast<std::size_t>(byte)] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0;
  }
}

}  // namespace tunesafe
