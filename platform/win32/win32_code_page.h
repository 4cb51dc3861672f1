// The lead-byte table of the system's ANSI code page.
#pragma once

#include <array>

#include "core/ports.h"

namespace tunesafe {

class Win32CodePage : public CodePage {
 public:
  // Reads the table once: the ANSI code page does not change while a process runs, and the
  // path splitting asks about every byte of every path a scan lists.
  Win32CodePage();
  bool IsLeadByte(unsigned char byte) const override { return lead_[byte]; }

 private:
  std::array<bool, 256> lead_{};
};

}  // namespace tunesafe
