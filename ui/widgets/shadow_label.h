// A transparent label whose text lies over a copy of itself in a shadow colour, 1 pixel right
// and 1 down (TShadowLabel).
//
// The text is laid out in the label's rectangle with its alignment, on one line, shifted down
// by (label height - text height) div 2, and drawn twice without background: the shadow
// (clSilver at +1,+1), then the text in the font's colour.
#pragma once

#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"
#include "ui/widgets/label.h"

namespace tunesafe::widgets {

struct ShadowLabelArgs {
  Bounds bounds;
  std::string caption;
  FontStyle font;
  Alignment alignment = Alignment::kLeft;
  // Sized to the text at creation and at every caption change; a right-aligned label keeps
  // its right edge.
  bool auto_size = true;
  Colour shadow_colour = kClSilver;
  int shadow_offset = 1;
};

class ShadowLabel : public GraphicControl {
 public:
  ShadowLabel(Container& parent, const ShadowLabelArgs& args);

  const std::string& Caption() const { return args_.caption; }
  void SetCaption(const std::string& caption);

  void Paint(HDC dc, const RECT& where) const override;
  RECT DrawnArea() const override;

 private:
  void AdjustSize();

  ShadowLabelArgs args_;
  Font font_;
};

}  // namespace tunesafe::widgets
