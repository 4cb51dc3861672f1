// The application's one hint window (TAppHint): a red rounded rectangle with bold white text
// over a grey shadow, shown when the pointer rests on a control that has a hint.
//
// Timing: the hint shows 500 ms after the pointer came to rest on a hinted control and goes
// after 2500 ms; while one shows, moving to another hinted control shows that one at once.
// Disabled controls show theirs too. The containers report the pointer through
// AppHint::Current(); the main window creates the one instance.
#pragma once

#include <windows.h>

#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"
#include "ui/widgets/window.h"

namespace tunesafe::widgets {

class AppHint : public Window {
 public:
  static constexpr UINT kHintPause = 500;
  static constexpr UINT kHintHidePause = 2500;
  // Timer ids on the hint window; a test may send WM_TIMER with them itself.
  static constexpr UINT_PTR kShowTimer = 1;
  static constexpr UINT_PTR kHideTimer = 2;

  // Creates the hidden hint window and makes this the application's hint.
  AppHint();
  ~AppHint() override;

  // The application's hint, or null when none was created.
  static AppHint* Current();

  // The pointer is over `owner` (any identity, a control) whose hint is `text`, at `screen`.
  void PointerOver(const void* owner, const std::string& text, POINT screen);
  // The pointer has left `owner` for a place without hint.
  void PointerGone(const void* owner);
  // A press: the hint goes and does not come back until the pointer reaches another control.
  void Cancel();

  bool Showing() const;
  const std::string& Text() const { return text_; }

  // The hint font: "ＭＳ Ｐゴシック" -16 bold, white.
  static FontStyle HintFont();
  // The hint window's size for a text: the text broken into lines within the screen's
  // width, plus 6 across and 2 down.
  static SIZE HintSize(HFONT font, const std::string& text);
  // How far the drawn part of `cursor` reaches below its hot spot: the last row of its
  // mask that shows a pixel, plus one, less the hot spot's y. The platform puts hints that
  // far below the pointer. The cursor cell's height (SM_CYCURSOR) when `cursor` is null or
  // unreadable.
  static int CursorHeightMargin(HCURSOR cursor);
  // Where the hint window goes: just below the pointer (its y plus the margin of the cursor),
  // then 8 pixels higher.
  static POINT HintPosition(POINT cursor, int cursor_margin);
  // Draws a hint of the size of `where`: red fill, the text in grey at +2,+2 and in white at
  // +1,+1 without background, then a black 8x8 rounded outline over the whole rectangle.
  static void PaintHint(HDC dc, const RECT& where, HFONT font, const std::string& text);

 protected:
  void OnPaint(HDC dc, const RECT& dirty) override;
  void OnTimer(UINT_PTR id) override;
  LRESULT OnNcHitTest(POINT screen) override;

 private:
  void ShowNow();
  void HideNow();

  Font font_;
  const void* owner_ = nullptr;
  std::string text_;
  POINT pointer_{0, 0};
  bool waiting_ = false;  // the show timer runs
};

}  // namespace tunesafe::widgets
