// The scan as the program runs it: the real drives and directory listing, with the windows
// replaced by the recording fakes of the core tests.
#pragma once

#include <string>
#include <vector>

#include "core/device_locator.h"
#include "core/media_scanner.h"
#include "core/media_table.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_directory_lister.h"
#include "platform/win32/win32_drive_system.h"
#include "tests/core/fakes.h"

namespace tunesafe::testing {

struct ScanRig {
  CallLog log;
  FakeProgressSink progress{log};
  FakeMainFields fields{log};
  FakeAlerts alerts{log};
  Win32CodePage code_page;
  Win32DriveSystem drives;
  Win32DirectoryLister lister;
  MediaTable table{code_page};
  DeviceLocator locator{drives, fields, alerts};
  MediaScanner scanner{locator, table, lister, progress, fields, code_page};

  ScanRig() { table.PrepareTable(); }

  // Each row as "<folder cell><file cell>|<kind>", in table order.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (std::int32_t row = 1; row <= table.RowCount(); ++row) {
      rows.push_back(table.Cell(kFolderColumn, row) + table.Cell(kFileColumn, row) + "|" +
                     table.Cell(kKindColumn, row));
    }
    return rows;
  }

  // The full path of a row, without its double quotes.
  std::string PathOf(std::int32_t row) const {
    const std::string quoted = table.Cell(kFolderColumn, row) + table.Cell(kFileColumn, row);
    return quoted.size() >= 2 ? quoted.substr(1, quoted.size() - 2) : quoted;
  }
};

}  // namespace tunesafe::testing
