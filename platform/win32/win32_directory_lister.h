// Directory listing with the system's directory enumeration.
#pragma once

#include <string>
#include <vector>

#include "core/ports.h"

namespace tunesafe {

class Win32DirectoryLister : public DirectoryLister {
 public:
  std::string FullPath(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries) override;
};

}  // namespace tunesafe
