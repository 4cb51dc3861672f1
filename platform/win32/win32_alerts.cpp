#include "platform/win32/win32_alerts.h"

namespace tunesafe {

void Win32Alerts::Beep() { MessageBeep(0); }

void Win32Alerts::Message(const std::string& text) {
  const HWND owner = owner_ ? owner_() : nullptr;
  MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK);
}

}  // namespace tunesafe
