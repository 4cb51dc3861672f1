#include "platform/win32/win32_profile_store.h"

#include <windows.h>

namespace tunesafe {

std::string Win32ProfileStore::ReadString(const std::string& section, const std::string& key) {
  std::string buffer(kValueBuffer, '\0');
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                kValueBuffer, path_.c_str());
  buffer.resize(length);
  return buffer;
}

bool Win32ProfileStore::WriteString(const std::string& section, const std::string& key,
                                    const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) !=
         0;
}

// The system keeps profile files in a cache; a call without section, key and value writes
// the cached file out.
void Win32ProfileStore::Flush() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

}  // namespace tunesafe
