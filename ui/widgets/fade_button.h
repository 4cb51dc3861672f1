// A flat button drawn on its parent's surface (TPCVFadeButton): a fill, a border line and a
// centred caption, which switches or fades to other colours under the pointer.
//
// The button keeps a current fill and border colour (at rest `colour` and `border_colour`),
// the caption colour in use before the pointer came over it, a fade step and a fade timer of
// `speed` ms on the parent's window (its own timer id).
//  - Pointer moves over it (enabled only): the caption takes `caption_over_colour` (the colour
//    in use is remembered); with fade_on_over a fade toward `dest_colour` starts unless one
//    runs, else fill and border switch to `dest_colour` / `border_dest_colour` at once.
//  - Pointer leaves: with fade_on_leave the fade turns back toward `colour` (running on if it
//    runs), else the timer stops and fill and border return at once; the remembered caption
//    colour comes back. A leave that follows no move changes no caption.
//  - A tick adds the step to each of red, green and blue of the fill, raises each to at least
//    that of `colour`, then lowers it to at most that of `dest_colour`; the timer stops when
//    the fill, as a colour number, is <= `colour` or >= `dest_colour`. During a fade toward
//    `dest_colour` the border is `border_dest_colour`; a finished fade back restores
//    `border_colour`.
// Every change redraws the button at once, off-screen and in one BitBlt. Enabled does not
// change the drawing; a disabled button ignores the pointer and clicks. A press and release
// over the button calls on_click.
#pragma once

#include <functional>
#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

struct FadeButtonArgs {
  Bounds bounds;
  std::string caption;
  FontStyle font;  // font.colour is the caption colour at rest
  Colour colour = kClRed;
  Colour dest_colour = kClBlue;
  Colour border_colour = kClGray;
  Colour border_dest_colour = kClBlack;
  Colour caption_over_colour = kClYellow;
  bool show_border = true;
  int border_height = 1;
  bool fade_on_over = false;
  bool fade_on_leave = false;
  int step = 2;
  int speed = 12;  // ms per fade tick
  bool enabled = true;
  std::string hint;
  std::function<void()> on_click;
};

class FadeButton : public GraphicControl {
 public:
  FadeButton(Container& parent, const FadeButtonArgs& args);
  ~FadeButton() override;

  // The caption colour in use (the start button's maroon or white); redraws at once.
  Colour CaptionColour() const { return caption_colour_; }
  void SetCaptionColour(Colour colour);
  void SetOnClick(std::function<void()> on_click) { on_click_ = std::move(on_click); }
  const std::string& Caption() const { return args_.caption; }

  Colour FillColour() const { return fill_; }
  Colour BorderColour() const { return border_; }
  bool Fading() const { return fading_; }
  // The id of the fade timer on the parent's window; a test may send WM_TIMER with it.
  UINT_PTR TimerId() const { return timer_id_; }

  // Draws the button with its current colours.
  void Paint(HDC dc, const RECT& where) const override;

  bool Interactive() const override { return true; }
  bool HandCursor() const override { return true; }
  void MouseMove(POINT point) override;
  void MouseLeave() override;
  void Click() override;
  bool Timer(UINT_PTR id) override;

 private:
  void StartTimer();
  void StopTimer();
  void Tick();

  FadeButtonArgs args_;
  Font font_;
  Colour fill_;
  Colour border_;
  Colour caption_colour_;
  Colour remembered_caption_;
  bool caption_remembered_ = false;
  int fade_step_ = 0;
  bool fading_ = false;
  UINT_PTR timer_id_;
  std::function<void()> on_click_;
};

}  // namespace tunesafe::widgets
