#include "core/media_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "core/error.h"
#include "tests/core/fakes.h"

namespace tunesafe {
namespace {

using testing::Cp932CodePage;

class MediaTableTest : public ::testing::Test {
 protected:
  // One completed scan that finds `paths`, as the scanner drives the table.
  void Scan(const std::vector<std::string>& paths, const char* kind = kKindMusic) {
    table_.ClearTable();
    for (const std::string& path : paths) table_.AppendFile(path, kind);
    table_.SealTable();
  }

  void ExpectRowEmpty(std::int32_t row) {
    for (int column : {kFolderColumn, kFileColumn, kKindColumn}) {
      EXPECT_EQ(table_.Cell(column, row), "") << "column " << column << " row " << row;
    }
  }

  Cp932CodePage code_page_;
  MediaTable table_{code_page_};
};

TEST_F(MediaTableTest, BeforeAnyScanOnlyTheHeaderRowIsWritten) {
  EXPECT_EQ(table_.RowCount(), 0);
  EXPECT_EQ(table_.GridRowCount(), 2);
  EXPECT_EQ(table_.FixedRows(), 1);
  EXPECT_EQ(table_.Cell(kFolderColumn, 0), " \xCC\xAB\xD9\xC0\xDE");  //  ﾌｫﾙﾀﾞ
  EXPECT_EQ(table_.Cell(kFileColumn, 0), " \xCC\xA7\xB2\xD9");        //  ﾌｧｲﾙ
  EXPECT_EQ(table_.Cell(kKindColumn, 0), "");
  ExpectRowEmpty(1);
  ExpectRowEmpty(1000);
  EXPECT_EQ(table_.Cell(3, 0), "");
  EXPECT_EQ(table_.Cell(kFolderColumn, -1), "");
}

TEST_F(MediaTableTest, ScanWithoutFilesLeavesTwoGridRowsAndAnEmptyFirstRow) {
  Scan({});
  EXPECT_EQ(table_.RowCount(), 0);
  EXPECT_EQ(table_.GridRowCount(), 2);
  EXPECT_EQ(table_.FixedRows(), 1);
  ExpectRowEmpty(1);
  EXPECT_EQ(table_.Cell(kFileColumn, 0), " \xCC\xA7\xB2\xD9");  // the header stays
}

TEST_F(MediaTableTest, SmallerScanAfterLargerOneEmptiesTheRowsBeyondIt) {
  Scan({"E:\\iPod_Control\\1.mp3", "E:\\iPod_Control\\2.mp3", "E:\\iPod_Control\\3.mp3",
        "E:\\iPod_Control\\4.mp3", "E:\\iPod_Control\\5.mp3"});
  EXPECT_EQ(table_.RowCount(), 5);
  EXPECT_EQ(table_.GridRowCount(), 6);

  Scan({"E:\\iPod_Control\\a.mov", "E:\\iPod_Control\\b.mov", "E:\\iPod_Control\\c.mov"},
       kKindMovie);
  EXPECT_EQ(table_.RowCount(), 3);
  EXPECT_EQ(table_.GridRowCount(), 4);
  EXPECT_EQ(table_.FixedRows(), 1);
  const char* names[] = {"a.mov\"", "b.mov\"", "c.mov\""};
  for (std::int32_t row = 1; row <= 3; ++row) {
    EXPECT_EQ(table_.Cell(kFolderColumn, row), "\"E:\\iPod_Control\\");
    EXPECT_EQ(table_.Cell(kFileColumn, row), names[row - 1]);
    EXPECT_EQ(table_.Cell(kKindColumn, row), "v");
  }
  ExpectRowEmpty(4);
  ExpectRowEmpty(5);
}

TEST_F(MediaTableTest, AppendFileSplitsAtTheLastRealSeparator) {
  struct Case {
    const char* path;
    const char* folder_cell;
    const char* file_cell;
  };
  const Case cases[] = {
      {"E:\\iPod_Control\\x.mp3", "\"E:\\iPod_Control\\", "x.mp3\""},
      {"E:\\iPod_Control\\A\\B\\x.mp3", "\"E:\\iPod_Control\\A\\B\\", "x.mp3\""},
      // ソ (83 5C) and 表 (95 5C) end in the "\" byte and belong whole to their names.
      {"E:\\iPod_Control\\\x83\x5C.mp3", "\"E:\\iPod_Control\\", "\x83\x5C.mp3\""},
      {"E:\\iPod_Control\\a\x83\x5C", "\"E:\\iPod_Control\\", "a\x83\x5C\""},
      {"E:\\iPod_Control\\\x95\x5C\\x.m4a", "\"E:\\iPod_Control\\\x95\x5C\\", "x.m4a\""},
      {"E:\\iPod_Control\\\x95\x5C\\\x95\x5C.m4a", "\"E:\\iPod_Control\\\x95\x5C\\",
       "\x95\x5C.m4a\""},
  };
  std::vector<std::string> paths;
  for (const Case& c : cases) paths.push_back(c.path);
  Scan(paths);
  ASSERT_EQ(table_.RowCount(), static_cast<std::int32_t>(std::size(cases)));
  for (std::int32_t row = 1; row <= table_.RowCount(); ++row) {
    const Case& c = cases[row - 1];
    SCOPED_TRACE(c.path);
    EXPECT_EQ(table_.Cell(kFolderColumn, row), c.folder_cell);
    EXPECT_EQ(table_.Cell(kFileColumn, row), c.file_cell);
    EXPECT_EQ(table_.Cell(kFolderColumn, row) + table_.Cell(kFileColumn, row),
              std::string("\"") + c.path + "\"");
    EXPECT_EQ(table_.Cell(kKindColumn, row), "m");
  }
}

TEST_F(MediaTableTest, RowsLeftByAScanEndedByAnErrorDoNotOutliveTheNextScan) {
  table_.ClearTable();
  for (const char* name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3"}) {
    table_.AppendFile(std::string("E:\\iPod_Control\\") + name, kKindMusic);
  }
  // No SealTable: the scan was ended by an error. The rows stay, the grid keeps 2 rows.
  EXPECT_EQ(table_.RowCount(), 4);
  EXPECT_EQ(table_.GridRowCount(), 2);
  EXPECT_EQ(table_.Cell(kFileColumn, 4), "4.mp3\"");

  Scan({"E:\\iPod_Control\\only.mp3"});
  EXPECT_EQ(table_.RowCount(), 1);
  EXPECT_EQ(table_.Cell(kFileColumn, 1), "only.mp3\"");
  for (std::int32_t row = 2; row <= 4; ++row) ExpectRowEmpty(row);
}

TEST_F(MediaTableTest, ClearTableStartsTheHandOverAgainAndKeepsTheHeader) {
  Scan({"E:\\iPod_Control\\a.mp3", "E:\\iPod_Control\\b.mp3"});
  table_.SetHandedOver(1);
  table_.ClearTable();
  EXPECT_EQ(table_.HandedOver(), 0);
  EXPECT_EQ(table_.RowCount(), 0);
  EXPECT_EQ(table_.GridRowCount(), 2);
  ExpectRowEmpty(1);
  ExpectRowEmpty(2);
  EXPECT_EQ(table_.Cell(kFolderColumn, 0), " \xCC\xAB\xD9\xC0\xDE");
}

TEST_F(MediaTableTest, GridRowCountFollowsTheGridRules) {
  struct Case {
    std::int32_t n;
    std::int32_t grid_rows;
    std::int32_t fixed_rows;
  };
  // From the created state: 2 grid rows, 1 fixed.
  const Case cases[] = {
      {2, 2, 1},  // the same value changes nothing
      {7, 7, 1},  // growing keeps the header row
      {1, 1, 0},  // not above FixedRows: FixedRows drops to n - 1 first
      {0, 1, 0},  // below 1 becomes 1
      {-5, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    MediaTable table(code_page_);
    table.SetGridRowCount(c.n);
    EXPECT_EQ(table.GridRowCount(), c.grid_rows);
    EXPECT_EQ(table.FixedRows(), c.fixed_rows);
  }
}

TEST_F(MediaTableTest, FixedRowsMustStayBelowTheGridRowCount) {
  EXPECT_THROW(table_.SetFixedRows(2), Error);
  EXPECT_THROW(table_.SetFixedRows(-1), Error);
  table_.SetFixedRows(0);
  EXPECT_EQ(table_.FixedRows(), 0);
  table_.SetGridRowCount(1);
  table_.SetFixedRows(0);  // the same value: nothing happens, nothing is refused
  EXPECT_THROW(table_.SetFixedRows(1), Error);
  EXPECT_EQ(table_.FixedRows(), 0);
}

TEST_F(MediaTableTest, PrepareTableRestoresTheHeaderLayoutOnly) {
  table_.SetGridRowCount(1);  // FixedRows falls to 0 with it
  table_.PrepareTable();
  EXPECT_EQ(table_.GridRowCount(), 2);
  EXPECT_EQ(table_.FixedRows(), 1);

  Scan({"E:\\iPod_Control\\a.mp3", "E:\\iPod_Control\\b.mp3", "E:\\iPod_Control\\c.mp3"});
  table_.PrepareTable();
  EXPECT_EQ(table_.GridRowCount(), 4);
  EXPECT_EQ(table_.FixedRows(), 1);
  EXPECT_EQ(table_.RowCount(), 3);
  EXPECT_EQ(table_.Cell(kFileColumn, 3), "c.mp3\"");
}

TEST_F(MediaTableTest, CellsAreKeptWhenTheGridShrinks) {
  table_.SetCell(kKindColumn, 9, "v");
  table_.SetGridRowCount(20);
  table_.SetGridRowCount(3);
  EXPECT_EQ(table_.Cell(kKindColumn, 9), "v");
  EXPECT_EQ(table_.Cell(kFolderColumn, 9), "");
  EXPECT_THROW(table_.SetCell(3, 1, "x"), Error);
  EXPECT_THROW(table_.SetCell(kFolderColumn, -1, "x"), Error);
}

TEST_F(MediaTableTest, HoldsOneHundredThousandRows) {
  constexpr std::int32_t kRows = 100000;
  table_.ClearTable();
  for (std::int32_t i = 1; i <= kRows; ++i) {
    table_.AppendFile(
        "E:\\iPod_Control\\Music\\F" + std::to_string(i % 50) + "\\" + std::to_string(i) + ".mp3",
        kKindMusic);
  }
  table_.SealTable();
  EXPECT_EQ(table_.RowCount(), kRows);
  EXPECT_EQ(table_.GridRowCount(), kRows + 1);
  EXPECT_EQ(table_.Cell(kFolderColumn, kRows), "\"E:\\iPod_Control\\Music\\F0\\");
  EXPECT_EQ(table_.Cell(kFileColumn, kRows), "100000.mp3\"");
  ExpectRowEmpty(kRows + 1);
}

}  // namespace
}  // namespace tunesafe
