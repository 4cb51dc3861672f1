// The lead-byte table of the system's ANSI code page.
#pragma once

#include "core/ports.h"

namespace tunesafe {

class Win32CodePage : public CodePage {
 public:
  bool IsLeadByte(unsigned char byte) const override;
};

}  // namespace tunesafe
