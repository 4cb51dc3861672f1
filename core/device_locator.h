// Finds the drive that carries iPod_Control and shows it in the main window.
#pragma once

#include "core/ports.h"

namespace tunesafe {

// "ドライブ " and "接続されていません".
inline const char kDriveTextPrefix[] = "\x83h\x83\x89\x83""C\x83u ";
inline const char kNotConnected[] = "\x90\xda\x91\xb1\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";

class DeviceLocator {
 public:
  DeviceLocator(DriveSystem& drives, MainFields& fields, Alerts& alerts);
  // True when a drive was found: C0_01 then holds its text and the scan root.
  bool LocateDevice();

 private:
  DriveSystem& drives_;
  MainFields& fields_;
  Alerts& alerts_;
};

}  // namespace tunesafe
