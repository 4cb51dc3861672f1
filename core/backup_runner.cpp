#include "core/backup_runner.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tunesafe {

namespace {

const char kToolName[] = "libinsert.exe ";

// iTunes 起動中です...
const char kStatusStarting[] =
    "iTunes \x8B"
    "N\x93\xAE\x92\x86\x82\xC5\x82\xB7...";

// PC(iTunes)へバックアップ中です...
const char kStatusBackingUp[] =
    "PC(iTunes)\x82\xD6\x83o\x83"
    "b\x83N\x83"
    "A\x83"
    "b\x83v\x92\x86\x82\xC5\x82\xB7...";

// すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください。
const char kMessageAllDone[] =
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xF0\x83o\x83"
    "b\x83N\x83"
    "A\x83"
    "b\x83v\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81"
    "B\x82\xE0\x82\xA4\x88\xEA\x93x\x83o\x83"
    "b\x83N\x83"
    "A\x83"
    "b\x83v\x82\xB7\x82\xE9\x82\xC9\x82\xCD\x81u\x8D"
    "X\x90V\x81v\x82\xF0"
    "\x89\x9F\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81"
    "B";

// libinsert.exe を起動できませんでした。Tunesafe.exe と同じフォルダーに置いてください。
const char kMessageNoTool[] =
    "libinsert.exe \x82\xF0\x8B"
    "N\x93\xAE\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82"
    "\xB5\x82\xBD\x81"
    "BTunesafe.exe \x82\xC6\x93\xAF\x82\xB6\x83t\x83H\x83\x8B\x83_\x81[\x82"
    "\xC9\x92u\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81"
    "B";

// iTunes に接続できませんでした。iTunes がインストールされているか確認してください。
const char kMessageNoITunes[] =
    "iTunes \x82\xC9\x90\xDA\x91\xB1\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82"
    "\xBD\x81"
    "BiTunes \x82\xAA\x83"
    "C\x83\x93\x83X\x83g\x81[\x83\x8B\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xE9\x82\xA9\x8A"
    "m\x94"
    "F\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81"
    "B";

// iPod本体から読み取れないデータが含まれていました。iTunesでバックアップ結果をご確認下さい。
const char kMessageUnreadable[] =
    "iPod\x96{\x91\xCC\x82\xA9\x82\xE7\x93\xC7\x82\xDD\x8E\xE6\x82\xEA\x82\xC8\x82\xA2\x83"
    "f\x81["
    "\x83^\x82\xAA\x8A\xDC\x82\xDC\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB5\x82\xBD\x81"
    "BiTunes\x82\xC5\x83o\x83"
    "b\x83N\x83"
    "A\x83"
    "b\x83v\x8C\x8B\x89\xCA\x82\xF0\x82\xB2\x8A"
    "m\x94"
    "F\x89\xBA\x82\xB3\x82\xA2\x81"
    "B";

// 原因が特定できないエラーが生じました。処理を中止します。
const char kMessageUnknownError[] =
    "\x8C\xB4\x88\xF6\x82\xAA\x93\xC1\x92\xE8\x82\xC5\x82\xAB\x82\xC8\x82\xA2\x83G\x83\x89\x81[\x82"
    "\xAA\x90\xB6\x82\xB6\x82\xDC\x82\xB5\x82\xBD\x81"
    "B\x8F\x88\x97\x9D\x82\xF0\x92\x86\x8E~\x82"
    "\xB5\x82\xDC\x82\xB7\x81"
    "B";

}  // namespace

std::string BuildToolCommandLine(const std::string& folder_cell, const std::string& file_cell) {
  return kToolName + folder_cell + file_cell;
}

BackupRunner::BackupRunner(MediaTable& table, ProgressSink& progress, MainFields& fields,
                           ProcessLauncher& launcher, Alerts& alerts)
    : table_(table), progress_(progress), fields_(fields), launcher_(launcher), alerts_(alerts) {}

void BackupRunner::RunBackup() {
  const std::int32_t row_count = table_.RowCount();
  if (row_count <= 0) return;
  // iTunes copies every file it is given, so a row handed over once is never handed over
  // again until a new scan has cleared the table.
  const std::int32_t first_row = std::max<std::int32_t>(table_.HandedOver(), 0) + 1;
  if (first_row > row_count) {
    alerts_.Beep();
    alerts_.Message(kMessageAllDone);
    return;
  }

  try {
    progress_.SetStatus(kStatusStarting);
    progress_.SetCounterColour(CounterKind::kMusic, kColourBlue);
    progress_.SetCounterColour(CounterKind::kMovie, kColourBlue);
    // The counters show what remains, whatever an earlier run or scan left in them.
    std::int32_t music_left = 0;
    std::int32_t movies_left = 0;
    for (std::int32_t row = first_row; row <= row_count; ++row) {
      const std::string kind = table_.Cell(kKindColumn, row);
      if (kind == kKindMusic) ++music_left;
      if (kind == kKindMovie) ++movies_left;
    }
    progress_.SetCounter(CounterKind::kMusic, music_left);
    progress_.SetCounter(CounterKind::kMovie, movies_left);
    progress_.SetRunFlag(1);
    progress_.Show();
    fields_.SetVisible(false);

    bool error_mark = false;
    for (std::int32_t row = first_row; row <= row_count; ++row) {
      const std::string command_line =
          BuildToolCommandLine(table_.Cell(kFolderColumn, row), table_.Cell(kFileColumn, row));
      ProcessOutcome outcome;
      try {
        outcome = launcher_.RunHidden(command_line);
      } catch (...) {
        // The wait failed: the tool may have taken the file, so the row counts as done.
        error_mark = true;
        outcome.started = true;
        outcome.exit_code = 0;
      }
      if (!outcome.started || outcome.exit_code == kToolExitNoITunes) {
        // Nothing was imported; the row stays for the next run.
        alerts_.Beep();
        alerts_.Message(outcome.started ? kMessageNoITunes : kMessageNoTool);
        progress_.Close();
        fields_.SetVisible(true);
        return;
      }
      if (outcome.exit_code != 0) error_mark = true;

      table_.SetHandedOver(row);
      const std::string kind = table_.Cell(kKindColumn, row);
      if (kind == kKindMusic) {
        progress_.StepCounter(CounterKind::kMusic, -1);
      } else if (kind == kKindMovie) {
        progress_.StepCounter(CounterKind::kMovie, -1);
      }
      // The close button of the progress window has already closed it.
      if (progress_.RunFlag() == 0) {
        alerts_.Beep();
        fields_.SetVisible(true);
        return;
      }
      progress_.SetStatus(kStatusBackingUp);
    }

    if (error_mark) {
      alerts_.Beep();
      alerts_.Message(kMessageUnreadable);
    }
    alerts_.Beep();
    progress_.Close();
    fields_.SetVisible(true);
  } catch (...) {
    alerts_.Beep();
    alerts_.Message(kMessageUnknownError);
    progress_.Close();
    fields_.SetVisible(true);
  }
}

}  // namespace tunesafe
