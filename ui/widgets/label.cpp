#include "ui/widgets/label.h"

namespace tunesafe::widgets {

Bounds AutoSizedBounds(const Bounds& bounds, SIZE text, Alignment alignment) {
  Bounds sized = bounds;
  sized.width = text.cx;
  sized.height = text.cy;
  if (alignment == Alignment::kRight) sized.left = bounds.left + bounds.width - text.cx;
  if (alignment == Alignment::kCenter) sized.left = bounds.left + (bounds.width - text.cx) / 2;
  return sized;
}

Label::Label(Container& parent, const LabelArgs& args)
    : GraphicControl(parent, args.bounds), args_(args), font_(MakeFont(args.font)) {
  AdjustSize();
}

UINT Label::TextFlags() const {
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (args_.word_wrap) flags |= DT_WORDBREAK;
  if (args_.alignment == Alignment::kRight) flags |= DT_RIGHT;
  if (args_.alignment == Alignment::kCenter) flags |= DT_CENTER;
  return flags;
}

void Label::AdjustSize() {
  if (!args_.auto_size) return;
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font_.get());
  RECT measured{0, 0, args_.word_wrap ? Place().width : 0, 0};
  const std::string& text = args_.caption.empty() ? std::string(" ") : args_.caption;
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &measured,
            TextFlags() | DT_CALCRECT);
  SIZE size{measured.right - measured.left, measured.bottom - measured.top};
  if (args_.caption.empty()) size.cx = 0;
  if (args_.word_wrap) {
    Bounds sized = Place();
    sized.height = size.cy;
    SetPlace(sized);
  } else {
    SetPlace(AutoSizedBounds(Place(), size, args_.alignment));
  }
}

void Label::SetCaption(const std::string& caption) {
  if (caption == args_.caption) return;
  args_.caption = caption;
  Invalidate();
  AdjustSize();
  Invalidate();
}

void Label::Paint(HDC dc, const RECT& where) const {
  if (!args_.transparent) FillColour(dc, where, args_.colour);
  SelectGuard select(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, args_.font.colour);
  RECT text_rect = where;
  DrawTextA(dc, args_.caption.c_str(), static_cast<int>(args_.caption.size()), &text_rect,
            TextFlags());
}

}  // namespace tunesafe::widgets
