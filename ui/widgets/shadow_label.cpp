#include "ui/widgets/shadow_label.h"

namespace tunesafe::widgets {

ShadowLabel::ShadowLabel(Container& parent, const ShadowLabelArgs& args)
    : GraphicControl(parent, args.bounds), args_(args), font_(MakeFont(args.font)) {
  AdjustSize();
}

void ShadowLabel::AdjustSize() {
  if (!args_.auto_size) return;
  SIZE text = MeasureText(font_.get(), args_.caption);
  SetPlace(AutoSizedBounds(Place(), text, args_.alignment));
}

void ShadowLabel::SetCaption(const std::string& caption) {
  if (caption == args_.caption) return;
  args_.caption = caption;
  Invalidate();
  AdjustSize();
  Invalidate();
}

RECT ShadowLabel::DrawnArea() const {
  RECT area = BoundsRect();
  area.right += args_.shadow_offset;
  area.bottom += args_.shadow_offset;
  return area;
}

void ShadowLabel::Paint(HDC dc, const RECT& where) const {
  SelectGuard select(dc, font_.get());
  const int length = static_cast<int>(args_.caption.size());
  SIZE text{0, 0};
  GetTextExtentPoint32A(dc, args_.caption.c_str(), length, &text);
  const int width = where.right - where.left;
  const int height = where.bottom - where.top;
  int x = where.left;
  if (args_.alignment == Alignment::kRight) x = where.right - text.cx;
  if (args_.alignment == Alignment::kCenter) x = where.left + (width - text.cx) / 2;
  const int y = where.top + (height - text.cy) / 2;

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, args_.shadow_colour);
  TextOutA(dc, x + args_.shadow_offset, y + args_.shadow_offset, args_.caption.c_str(), length);
  SetTextColor(dc, args_.font.colour);
  TextOutA(dc, x, y, args_.caption.c_str(), length);
}

}  // namespace tunesafe::widgets
