// The scan: locates the device, walks iPod_Control and fills the media table.
#pragma once

#include "core/device_locator.h"
#include "core/media_table.h"
#include "core/ports.h"

namespace tunesafe {

class MediaScanner {
 public:
  MediaScanner(DeviceLocator& locator, MediaTable& table, DirectoryLister& lister,
               ProgressSink& progress, MainFields& fields, const CodePage& code_page);
  // Button12Click: the whole scan. An error raised while walking closes the progress
  // window, keeps the rows found so far and is thrown on to the caller.
  void ScanMedia();

 private:
  DeviceLocator& locator_;
  MediaTable& table_;
  DirectoryLister& lister_;
  ProgressSink& progress_;
  MainFields& fields_;
  const CodePage& code_page_;
};

}  // namespace tunesafe
