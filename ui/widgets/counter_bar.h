// A counter bar with a sunken edge, a fill whose colour runs from a begin to an end colour,
// and its value as a centred number, not limited to its range (TdxfProgressBar).
//
// Drawing: the whole bar goes off-screen first and to the screen in one copy. White (the
// bar's colour) background; a 1-pixel sunken edge (top and left COLOR_BTNSHADOW, bottom and
// right COLOR_BTNHIGHLIGHT); the inner area is the bar shrunk by 2 on each side (W = width-4).
// Filled length L = (Position - Min) * W / (Max - Min), a 32-bit product cut toward zero,
// capped at W; nothing filled when Position == Min or L <= 0. Column x of the fill has, per
// channel, (E - B) * x / W + B: the run of colours spans the whole inner width. The number
// is centred in the bar's font on a transparent background.
//
// A change of value is stored as it is, and the strip between the old and the new end of
// the fill, widened by 2 pixels each side, is drawn on the screen before the call returns,
// with no window message handled (a scan handles none); so is the number, and its area is
// also marked for the next repaint. A new begin colour marks the whole bar for repainting.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

struct CounterBarArgs {
  Bounds bounds;
  std::int32_t min = 0;
  std::int32_t max = 100;
  std::int32_t position = 0;
  std::int32_t step = 1;
  Colour begin_colour = kClRed;
  Colour end_colour = kClWhite;
  Colour colour = kClWhite;  // the background
  FontStyle font{kFaceMsPGothic, -11, false, false, kDarkText};
};

class CounterBar : public Window {
 public:
  CounterBar(Container& parent, const CounterBarArgs& args);

  std::int32_t Position() const { return position_; }
  void SetPosition(std::int32_t position);
  // Adds the step (1).
  void StepIt() { SetPosition(position_ + args_.step); }
  void StepBy(std::int32_t delta) { SetPosition(position_ + delta); }
  std::int32_t Min() const { return args_.min; }
  std::int32_t Max() const { return args_.max; }

  Colour BeginColour() const { return args_.begin_colour; }
  void SetBeginColour(Colour colour);
  Colour EndColour() const { return args_.end_colour; }

  // Redraws the whole bar on the screen at once.
  void Refresh();

  // The filled length in pixels for the current value and a bar `width` wide.
  std::int32_t FillLength(int width) const;
  // Draws the whole bar into `dc` at `where` (the bar's size).
  void Paint(HDC dc, const RECT& where) const { PaintPart(dc, where, where); }

 protected:
  void OnPaint(HDC dc, const RECT& dirty) override;

 private:
  // Draws the bar at `where`, but of its fill only the columns that cross `part`.
  void PaintPart(HDC dc, const RECT& where, const RECT& part) const;
  // The number's rectangle in client coordinates for a value, measured on `dc`.
  RECT NumberRect(HDC dc, std::int32_t value) const;
  // Draws `parts` of the client area on the screen now, through the off-screen picture.
  void DrawNow(HDC screen, const RECT* parts, int count);
  // The bar's off-screen picture, made at the first use and kept: making one per step costs
  // more than drawing the step.
  HDC Buffer(HDC screen);
  RECT ClientRect() const;

  CounterBarArgs args_;
  std::int32_t position_;
  Font font_;
  std::unique_ptr<Offscreen> buffer_;
};

}  // namespace tunesafe::widgets
