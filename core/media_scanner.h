// The scan: locates the device, walks iPod_Control and fills the media table.
#pragma once

#include "core/device_locator.h"
#include "core/media_table.h"
#include "core/ports.h"

namespace tunesafe {

// "iPod本体解析中です..." and " ファイル" (the count field's unit after the number).
inline const char kScanningStatus[] =
    "iPod\x96\x7b\x91\xcc\x89\xf0\x90\xcd\x92\x86\x82\xc5\x82\xb7...";
inline const char kFilesUnit[] =
    " \x83t\x83@\x83"
    "C\x83\x8b";

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
