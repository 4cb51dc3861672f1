// The beep and the modal message box captioned with the application title.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/ports.h"

namespace tunesafe {

// "音★箱": the application title, the caption of every message box.
inline const char kApplicationTitle[] = "\x89\xb9\x81\x9a\x94\xa0";  // 音★箱

class Win32Alerts : public Alerts {
 public:
  // `owner` names the window the box belongs to at the moment it is shown (the active form);
  // without one the box has no owner.
  explicit Win32Alerts(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}
  void SetOwner(HWND owner) {
    owner_ = [owner] { return owner; };
  }

  void Beep() override;
  void Message(const std::string& text) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace tunesafe
