// A filled rectangle with an outline, drawn on its parent's surface (TShape).
#pragma once

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"

namespace tunesafe::widgets {

struct ShapeArgs {
  Bounds bounds;
  Colour fill = kClWhite;
  Colour pen = kClBlack;
  int pen_width = 1;  // the outline lies inside the bounds, this many pixels wide
};

class Shape : public GraphicControl {
 public:
  Shape(Container& parent, const ShapeArgs& args);
  void Paint(HDC dc, const RECT& where) const override;

 private:
  ShapeArgs args_;
};

}  // namespace tunesafe::widgets
