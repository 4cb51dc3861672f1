// Text drawn on its parent's surface (TLabel): one font and colour, on its own background or
// transparent, sized to its text or of a fixed size with lines broken within its width.
#pragma once

#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

enum class Alignment { kLeft, kCenter, kRight };

struct LabelArgs {
  Bounds bounds;
  std::string caption;
  FontStyle font;
  Colour colour = kClWhite;  // the background, unless transparent
  bool transparent = false;
  // Sized to the text at creation and at every caption change; a right-aligned label keeps
  // its right edge. With word_wrap, only the height follows the text.
  bool auto_size = true;
  bool word_wrap = false;
  Alignment alignment = Alignment::kLeft;
};

class Label : public GraphicControl {
 public:
  Label(Container& parent, const LabelArgs& args);

  const std::string& Caption() const { return args_.caption; }
  void SetCaption(const std::string& caption);

  void Paint(HDC dc, const RECT& where) const override;

 private:
  void AdjustSize();
  UINT TextFlags() const;

  LabelArgs args_;
  Font font_;
};

// Moves a box to a new width and height the way an auto-sized label does: a right-aligned one
// keeps its right edge, a centred one its centre, others their left edge.
Bounds AutoSizedBounds(const Bounds& bounds, SIZE text, Alignment alignment);

}  // namespace tunesafe::widgets
