#include "platform/win32/win32_drive_system.h"

#include <windows.h>

namespace tunesafe {

std::vector<std::string> Win32DriveSystem::DriveItems() {
  std::vector<std::string> items;
  const DWORD present = GetLogicalDrives();
  for (int index = 0; index < 26; ++index) {
    if ((present & (DWORD{1} << index)) == 0) continue;
    const char letter = static_cast<char>('A' + index);
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK) items.push_back({letter, ':'});
  }
  return items;
}

bool Win32DriveSystem::DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace tunesafe
