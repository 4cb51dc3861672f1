// The drives of the system: the letters present, and the folder test used to probe them.
#pragma once

#include <string>
#include <vector>

#include "core/ports.h"

namespace tunesafe {

class Win32DriveSystem : public DriveSystem {
 public:
  // "X:" for every present letter whose type is removable, fixed, remote, CD-ROM or RAM disk.
  // Labels and remote names are left out: only the first two characters are ever read, and
  // asking for a label can wake a slow or sleeping drive.
  std::vector<std::string> DriveItems() override;
  bool DirectoryExists(const std::string& path) override;
};

}  // namespace tunesafe
