#include "core/media_table.h"

#include "core/ansi_text.h"
#include "core/error.h"

namespace tunesafe {

namespace {

bool IsColumn(int column) { return column >= kFolderColumn && column <= kKindColumn; }

}  // namespace

MediaTable::MediaTable(const CodePage& code_page) : code_page_(code_page) {
  // The table comes into being with its header row written.
  SetCell(kFolderColumn, 0, kHeaderFolder);
  SetCell(kFileColumn, 0, kHeaderFile);
}

std::string MediaTable::Cell(int column, std::int32_t row) const {
  if (!IsColumn(column) || row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return "";
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void MediaTable::SetCell(int column, std::int32_t row, const std::string& text) {
  if (!IsColumn(column) || row < 0) throw Error("Grid index out of range");
  const auto index = static_cast<std::size_t>(row);
  if (index >= rows_.size()) {
    if (text.empty()) return;  // an unwritten cell already reads ""
    rows_.resize(index + 1);
  }
  rows_[index][static_cast<std::size_t>(column)] = text;
}

void MediaTable::SetGridRowCount(std::int32_t n) {
  if (n == grid_row_count_) return;
  if (n < 1) n = 1;
  if (n <= fixed_rows_) fixed_rows_ = n - 1;
  grid_row_count_ = n;
}

void MediaTable::SetFixedRows(std::int32_t n) {
  if (n == fixed_rows_) return;
  if (n < 0 || n >= grid_row_count_) throw Error("Fixed row count must be less than row count");
  fixed_rows_ = n;
}

void MediaTable::PrepareTable() {
  if (grid_row_count_ <= 1) SetGridRowCount(2);
  SetFixedRows(1);
}

void MediaTable::ClearTable() {
  row_count_ = 0;
  handed_over_ = 0;
  // Every file row goes, not only those below the grid's row count: rows that a scan ended
  // by an error left behind must not show up beyond the row count of the next scan.
  if (rows_.size() > 1) rows_.resize(1);
  SetGridRowCount(2);
  SetFixedRows(1);
}

void MediaTable::AppendFile(const std::string& path, const std::string& kind) {
  ++row_count_;
  const PathParts parts = SplitPath(path, code_page_);
  SetCell(kFolderColumn, row_count_, "\"" + parts.folder);
  SetCell(kFileColumn, row_count_, parts.name + "\"");
  SetCell(kKindColumn, row_count_, kind);
}

void MediaTable::SealTable() {
  SetGridRowCount(row_count_ + 1);
  if (grid_row_count_ <= 1) SetGridRowCount(2);
  SetFixedRows(1);
}

}  // namespace tunesafe
