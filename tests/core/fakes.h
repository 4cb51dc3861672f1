// Fakes of the core's ports for the native tests. Each records its calls, in order, into one
// shared log so a test can compare the sequence of calls across ports.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/ports.h"

namespace tunesafe::testing {

using CallLog = std::vector<std::string>;

inline const char* KindName(CounterKind kind) {
  return kind == CounterKind::kMusic ? "music" : "movie";
}

// Shift-JIS (code page 932) lead bytes.
class Cp932CodePage : public CodePage {
 public:
  bool IsLeadByte(unsigned char b) const override {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  }
};

class FakeProgressSink : public ProgressSink {
 public:
  explicit FakeProgressSink(CallLog& log) : log_(log) {}

  void SetStatus(const std::string& text) override {
    status = text;
    log_.push_back("SetStatus " + text);
  }
  void ResetCounter(CounterKind kind) override {
    Value(kind) = 0;
    log_.push_back(std::string("ResetCounter ") + KindName(kind));
  }
  void SetCounter(CounterKind kind, std::int32_t value) override {
    Value(kind) = value;
    log_.push_back(std::string("SetCounter ") + KindName(kind) + " " + std::to_string(value));
  }
  std::int32_t Counter(CounterKind kind) const override {
    return kind == CounterKind::kMusic ? music : movie;
  }
  void SetCounterColour(CounterKind kind, Colour colour) override {
    (kind == CounterKind::kMusic ? music_colour : movie_colour) = colour;
    log_.push_back(std::string("SetCounterColour ") + KindName(kind) + " " +
                   std::to_string(colour));
  }
  void StepCounter(CounterKind kind, std::int32_t delta) override {
    Value(kind) += delta;
    log_.push_back(std::string("StepCounter ") + KindName(kind) + " " + std::to_string(delta));
    if (on_step) on_step();
  }
  void RefreshCounters() override { log_.push_back("RefreshCounters"); }
  void Show() override {
    shown = true;
    log_.push_back("Show");
  }
  void Refresh() override { log_.push_back("Refresh"); }
  void Close() override {
    shown = false;
    log_.push_back("Close");
  }
  std::int32_t RunFlag() const override { return run_flag; }
  void SetRunFlag(std::int32_t value) override {
    run_flag = value;
    log_.push_back("SetRunFlag " + std::to_string(value));
  }

  std::string status;
  std::int32_t music = 0;
  std::int32_t movie = 0;
  Colour music_colour = kColourRed;
  Colour movie_colour = kColourRed;
  bool shown = false;
  std::int32_t run_flag = 0;
  std::function<void()> on_step;  // lets a test raise an error in the middle of a scan

 private:
  std::int32_t& Value(CounterKind kind) { return kind == CounterKind::kMusic ? music : movie; }
  CallLog& log_;
};

// The main window's fields, with the radio buttons' platform rule: a choice that turns from
// unselected to selected unselects the other two and then runs the click handler at once.
class FakeMainFields : public MainFields {
 public:
  explicit FakeMainFields(CallLog& log) : log_(log) {}

  std::string DriveText() const override { return drive_text; }
  void SetDriveText(const std::string& text) override {
    drive_text = text;
    log_.push_back("SetDriveText " + text);
  }
  std::string ScanRoot() const override { return scan_root; }
  void SetScanRoot(const std::string& root) override {
    scan_root = root;
    log_.push_back("SetScanRoot " + root);
  }
  void SetCountText(const std::string& text) override {
    count_text = text;
    log_.push_back("SetCountText " + text);
  }
  void SetStartButton(Colour caption_colour, bool enabled) override {
    start_colour = caption_colour;
    start_enabled = enabled;
    log_.push_back("SetStartButton " + std::to_string(caption_colour) + " " +
                   (enabled ? "enabled" : "disabled"));
  }
  bool ScopeChecked(Scope scope) const override { return checked[Index(scope)]; }
  void SetScopeChecked(Scope scope, bool value) override {
    const int i = Index(scope);
    if (checked[i] == value) return;
    log_.push_back("SetScopeChecked " + std::to_string(i + 1) + " " + (value ? "1" : "0"));
    if (!value) {
      checked[i] = false;
      return;
    }
    for (bool& other : checked) other = false;
    checked[i] = true;
    if (on_scope_click) on_scope_click();
  }
  int Left() const override { return left; }
  int Top() const override { return top; }
  void SetLeft(int value) override {
    left = value;
    log_.push_back("SetLeft " + std::to_string(value));
  }
  void SetTop(int value) override {
    top = value;
    log_.push_back("SetTop " + std::to_string(value));
  }
  bool IsReachable(int l, int t) const override {
    // One 1024 x 768 monitor at the origin; the window is 326 x 313.
    return l + 326 > 0 && l < 1024 && t + 313 > 0 && t < 768;
  }
  void SetVisible(bool value) override {
    visible = value;
    log_.push_back(std::string("SetVisible ") + (value ? "1" : "0"));
  }
  void RepaintNow() override { log_.push_back("RepaintNow"); }

  std::string drive_text;
  std::string scan_root;
  std::string count_text;
  Colour start_colour = kColourMaroon;
  bool start_enabled = false;
  bool checked[3] = {true, false, false};
  int left = 20;
  int top = 20;
  bool visible = true;
  std::function<void()> on_scope_click;  // RadioButton1Click: the tests wire it to a scan

 private:
  static int Index(Scope scope) { return static_cast<int>(scope) - 1; }
  CallLog& log_;
};

class FakeAlerts : public Alerts {
 public:
  explicit FakeAlerts(CallLog& log) : log_(log) {}
  void Beep() override { log_.push_back("Beep"); }
  void Message(const std::string& text) override { log_.push_back("Message " + text); }

 private:
  CallLog& log_;
};

}  // namespace tunesafe::testing
