// Windows that take every call and show nothing, so a benchmark times the work alone.
#pragma once

#include <string>

#include "core/ports.h"

namespace tunesafe::bench {

class NullProgressSink : public ProgressSink {
 public:
  void SetStatus(const std::string&) override {}
  void ResetCounter(CounterKind) override {}
  void SetCounter(CounterKind, std::int32_t) override {}
  std::int32_t Counter(CounterKind) const override { return 0; }
  void SetCounterColour(CounterKind, Colour) override {}
  void StepCounter(CounterKind, std::int32_t) override {}
  void RefreshCounters() override {}
  void Show() override {}
  void Refresh() override {}
  void Close() override {}
  std::int32_t RunFlag() const override { return run_flag_; }
  void SetRunFlag(std::int32_t value) override { run_flag_ = value; }

 private:
  std::int32_t run_flag_ = 0;
};

// Keeps only what the scan reads back: the scan root and the scope (music and movies).
class NullMainFields : public MainFields {
 public:
  std::string DriveText() const override { return drive_text_; }
  void SetDriveText(const std::string& text) override { drive_text_ = text; }
  std::string ScanRoot() const override { return scan_root_; }
  void SetScanRoot(const std::string& root) override { scan_root_ = root; }
  void SetCountText(const std::string&) override {}
  void SetStartButton(Colour, bool) override {}
  bool ScopeChecked(Scope scope) const override { return scope == Scope::kMusicAndMovies; }
  void SetScopeChecked(Scope, bool) override {}
  int Left() const override { return 0; }
  int Top() const override { return 0; }
  void SetLeft(int) override {}
  void SetTop(int) override {}
  bool IsReachable(int, int) const override { return true; }
  void SetVisible(bool) override {}
  void RepaintNow() override {}

 private:
  std::string drive_text_;
  std::string scan_root_;
};

class NullAlerts : public Alerts {
 public:
  void Beep() override {}
  void Message(const std::string&) override {}
};

}  // namespace tunesafe::bench
