#include "platform/win32/win32_code_page.h"

#include <windows.h>

namespace tunesafe {

bool Win32CodePage::IsLeadByte(unsigned char byte) const { return IsDBCSLeadByte(byte) != 0; }

}  // namespace tunesafe
