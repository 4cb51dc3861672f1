#include "ui/widgets/shape.h"

#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

Shape::Shape(Container& parent, const ShapeArgs& args)
    : GraphicControl(parent, args.bounds), args_(args) {}

void Shape::Paint(HDC dc, const RECT& where) const {
  FillColour(dc, where, args_.fill);
  FrameColour(dc, where, args_.pen, args_.pen_width);
}

}  // namespace tunesafe::widgets
