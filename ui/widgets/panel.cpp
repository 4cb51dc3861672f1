#include "ui/widgets/panel.h"

#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

Panel::Panel(Container& parent, const PanelArgs& args)
    : Container(args.colour), bevelled_(args.bevelled) {
  Create("TPanel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, args.bounds,
         parent.Handle());
}

namespace {
// A 1-pixel edge: top and left lines in one colour, bottom and right in the other.
void Edge(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
  FillColour(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, top_left);
  FillColour(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
  FillColour(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  FillColour(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}
}  // namespace

void Panel::PaintBevels(HDC dc, const RECT& client) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  Edge(dc, client, light, shadow);  // outer, raised
  RECT inner = client;
  InflateRect(&inner, -1, -1);
  Edge(dc, inner, shadow, light);  // inner, lowered
}

void Panel::PaintDecoration(HDC dc, const RECT& client) const {
  if (bevelled_) PaintBevels(dc, client);
}

}  // namespace tunesafe::widgets
