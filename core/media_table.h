// The ordered table of the media files that the last scan found: row 0 is the header row,
// rows 1 to RowCount() hold one file each (folder cell, file cell, kind cell).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ports.h"

namespace tunesafe {

// Header cells of row 0: a half-width blank and half-width katakana.
inline const char kHeaderFolder[] = " \xCC\xAB\xD9\xC0\xDE";  // " ﾌｫﾙﾀﾞ"
inline const char kHeaderFile[] = " \xCC\xA7\xB2\xD9";        // " ﾌｧｲﾙ"

// MediaKind: the kind cell.
inline const char kKindMusic[] = "m";
inline const char kKindMovie[] = "v";

enum Column { kFolderColumn = 0, kFileColumn = 1, kKindColumn = 2 };

class MediaTable {
 public:
  explicit MediaTable(const CodePage& code_page);

  // The grid's primitives.
  std::string Cell(int column, std::int32_t row) const;  // "" for a cell never written
  void SetCell(int column, std::int32_t row, const std::string& text);
  std::int32_t GridRowCount() const { return grid_row_count_; }
  void SetGridRowCount(std::int32_t n);
  std::int32_t FixedRows() const { return fixed_rows_; }
  void SetFixedRows(std::int32_t n);

  // The row count: the number of valid file rows.
  std::int32_t RowCount() const { return row_count_; }

  void PrepareTable();
  void ClearTable();
  void AppendFile(const std::string& path, const std::string& kind);
  void SealTable();

  // Rows 1 to HandedOver() have been handed to the import tool since the table was last
  // cleared; a backup run resumes after them. ClearTable sets it back to 0.
  std::int32_t HandedOver() const { return handed_over_; }
  void SetHandedOver(std::int32_t rows) { handed_over_ = rows; }

 private:
  const CodePage& code_page_;
  std::vector<std::array<std::string, 3>> rows_;  // index = row number
  std::int32_t grid_row_count_ = 2;
  std::int32_t fixed_rows_ = 1;
  std::int32_t row_count_ = 0;
  std::int32_t handed_over_ = 0;
};

}  // namespace tunesafe
