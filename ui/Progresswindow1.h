// The progress window: a small borderless window above all others with a status line and
// the music and movie counters. It is the ProgressSink of the scan and the backup run; its
// close button "×" hides it and sets the run flag (Tag) to 0, which cancels a backup run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/ports.h"
#include "ui/widgets/counter_bar.h"
#include "ui/widgets/fade_button.h"
#include "ui/widgets/form.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shadow_label.h"
#include "ui/widgets/shape.h"

class TProgressForm1 : public tunesafe::widgets::Form, public tunesafe::ProgressSink {
 public:
  static constexpr int kWidth = 401;
  static constexpr int kHeight = 73;

  // `main_window_rect` gives the main window's screen rectangle; the first showing centres
  // the window over it.
  explicit TProgressForm1(std::function<RECT()> main_window_rect);
  // The same, with the main window's rectangle read from its handle.
  explicit TProgressForm1(HWND main_window);
  ~TProgressForm1() override;

  // The place of the first showing over a main window at `main`: its left plus
  // (width - 401) div 2, its top plus (height - 73) div 2; a negative value becomes 0.
  static POINT FirstPlace(const RECT& main);

  // ProgressSink
  void SetStatus(const std::string& text) override;
  void ResetCounter(tunesafe::CounterKind kind) override;
  void SetCounter(tunesafe::CounterKind kind, std::int32_t value) override;
  std::int32_t Counter(tunesafe::CounterKind kind) const override;
  void SetCounterColour(tunesafe::CounterKind kind, tunesafe::Colour colour) override;
  void StepCounter(tunesafe::CounterKind kind, std::int32_t delta) override;
  void RefreshCounters() override;
  // Visible, active and frontmost; the first showing also places the window.
  void Show() override;
  // Repaints the window and its controls now, without the message loop.
  void Refresh() override;
  // Hides the window; counters, status and colours keep their values.
  void Close() override;
  std::int32_t RunFlag() const override { return Tag(); }
  void SetRunFlag(std::int32_t value) override { SetTag(value); }

  // The close button's click: run flag 0, then Close.
  void Button1Click();

  // The controls, in declaration order. Memo1, an empty read-only memo below the visible
  // area that nothing uses, is left out.
  tunesafe::widgets::Shape* Shape0 = nullptr;
  tunesafe::widgets::CounterBar* ProgressBar1 = nullptr;  // music
  tunesafe::widgets::Panel* Panel1 = nullptr;
  tunesafe::widgets::FadeButton* Button1 = nullptr;  // "×"
  tunesafe::widgets::ShadowLabel* Label1 = nullptr;
  tunesafe::widgets::CounterBar* ProgressBar2 = nullptr;  // movies
  tunesafe::widgets::ShadowLabel* Label2 = nullptr;
  tunesafe::widgets::ShadowLabel* Label0 = nullptr;  // status line

 protected:
  LRESULT OnNcHitTest(POINT screen) override { return WMNCHitTest(screen); }

 private:
  // Every point of the window's own surface drags the window.
  LRESULT WMNCHitTest(POINT screen);
  tunesafe::widgets::CounterBar& Bar(tunesafe::CounterKind kind) const;

  std::function<RECT()> main_window_rect_;
  bool placed_ = false;
};

// The one progress window; null before it is created and after it is destroyed.
extern TProgressForm1* ProgressForm1;
