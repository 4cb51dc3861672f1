#include "core/device_locator.h"

#include <exception>
#include <string>

namespace tunesafe {

namespace {

// The drive of a drive item ("e: [LABEL]" -> "E:"): its first two characters, letter upper case.
std::string DriveOf(const std::string& item) {
  std::string drive = item.substr(0, 2);
  if (!drive.empty() && drive[0] >= 'a' && drive[0] <= 'z') {
    drive[0] = static_cast<char>(drive[0] - 'a' + 'A');
  }
  return drive;
}

}  // namespace

DeviceLocator::DeviceLocator(DriveSystem& drives, MainFields& fields, Alerts& alerts)
    : drives_(drives), fields_(fields), alerts_(alerts) {}

bool DeviceLocator::LocateDevice() {
  fields_.SetDriveText("");
  bool found = false;
  for (const std::string& item : drives_.DriveItems()) {
    if (item.size() < 2) continue;  // not a drive item
    const std::string drive = DriveOf(item);
    const std::string marker = drive + "\\iPod_Control";
    try {
      if (!drives_.DirectoryExists(marker)) continue;
    } catch (const std::exception&) {
      continue;  // a drive that misbehaves is simply not the device
    }
    fields_.SetDriveText(kDriveTextPrefix + drive);
    fields_.SetScanRoot(marker);
    found = true;
    break;  // the first drive in letter order wins
  }
  // The scan that follows lets no window messages through, so the main window is painted now.
  fields_.RepaintNow();
  if (found) return true;

  alerts_.Beep();
  fields_.SetDriveText(kNotConnected);
  fields_.SetCountText("");
  fields_.SetStartButton(kColourMaroon, false);
  return false;
}

}  // namespace tunesafe
