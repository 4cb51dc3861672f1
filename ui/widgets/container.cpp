#include "ui/widgets/container.h"

#include <algorithm>

#include "ui/widgets/app_hint.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

GraphicControl::GraphicControl(Container& parent, const Bounds& bounds)
    : parent_(parent), bounds_(bounds) {
  parent_.graphics_.push_back(this);
}

GraphicControl::~GraphicControl() { parent_.Forget(this); }

void GraphicControl::SetPlace(const Bounds& bounds) {
  Invalidate();
  bounds_ = bounds;
  Invalidate();
}

void GraphicControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void GraphicControl::Invalidate() const {
  if (!parent_.Handle()) return;
  RECT area = DrawnArea();
  InvalidateRect(parent_.Handle(), &area, FALSE);
}

void GraphicControl::RedrawNow() const { parent_.PaintNow(DrawnArea()); }

Container::~Container() {
  // Controls go before the window; their destructors still find graphics_ alive.
  children_.clear();
}

void Container::SetColor(Colour colour) {
  colour_ = colour;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void Container::PaintSurface(HDC dc, const RECT& area) const {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillColour(dc, area, colour_);
  PaintDecoration(dc, client);
  for (const GraphicControl* control : graphics_) {
    RECT drawn = control->DrawnArea();
    RECT overlap{};
    if (control->Visible() && IntersectRect(&overlap, &drawn, &area)) {
      control->Paint(dc, control->BoundsRect());
    }
  }
}

HDC Container::Buffer(HDC screen) {
  RECT client{};
  GetClientRect(Handle(), &client);
  if (!buffer_ || !EqualRect(&buffer_->area(), &client)) {
    buffer_ = std::make_unique<Offscreen>(screen, client);
  }
  return buffer_->get();
}

void Container::PaintNow(const RECT& area) {
  if (!Handle() || IsRectEmpty(&area)) return;
  WindowDc screen(Handle());
  OnPaint(screen.get(), area);
}

void Container::OnPaint(HDC dc, const RECT& dirty) {
  if (IsRectEmpty(&dirty)) return;
  HDC buffer = Buffer(dc);
  const int saved = SaveDC(buffer);
  IntersectClipRect(buffer, dirty.left, dirty.top, dirty.right, dirty.bottom);
  PaintSurface(buffer, dirty);
  RestoreDC(buffer, saved);
  buffer_->CopyTo(dc, dirty);
}

void Container::OnTimer(UINT_PTR id) {
  for (GraphicControl* control : graphics_) {
    if (control->Timer(id)) return;
  }
}

GraphicControl* Container::GraphicAt(POINT point) const {
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
    RECT bounds = (*it)->BoundsRect();
    if ((*it)->Visible() && PtInRect(&bounds, point)) return *it;
  }
  return nullptr;
}

void Container::SetHovered(GraphicControl* control) {
  if (hovered_ == control) return;
  GraphicControl* left = hovered_;
  hovered_ = control;
  if (left) left->MouseLeave();
}

void Container::SetHinted(GraphicControl* control, POINT point) {
  AppHint* hint = AppHint::Current();
  if (hinted_ != control && hinted_ && !control && hint) hint->PointerGone(hinted_);
  hinted_ = control;
  if (hinted_ && hint) {
    ClientToScreen(Handle(), &point);
    hint->PointerOver(hinted_, hinted_->Hint(), point);
  }
}

void Container::OnMouseMove(POINT point) {
  if (!tracking_leave_) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle(), 0};
    tracking_leave_ = TrackMouseEvent(&track) != FALSE;
  }
  GraphicControl* over = GraphicAt(point);
  bool takes_pointer = over && over->Interactive() && over->Enabled();
  SetHovered(takes_pointer ? over : nullptr);
  if (hovered_) hovered_->MouseMove(point);
  SetHinted(over && !over->Hint().empty() ? over : nullptr, point);
}

void Container::OnMouseLeave() {
  tracking_leave_ = false;
  if (GetCapture() == Handle()) return;  // a press in progress keeps its button
  SetHovered(nullptr);
  SetHinted(nullptr, POINT{0, 0});
}

void Container::ForgetPointer() {
  pressed_ = nullptr;
  if (GetCapture() == Handle()) ReleaseCapture();
  SetHovered(nullptr);
  SetHinted(nullptr, POINT{0, 0});
  for (const auto& child : children_) {
    if (auto* container = dynamic_cast<Container*>(child.get())) container->ForgetPointer();
  }
}

void Container::OnLButtonDown(POINT point) {
  if (AppHint* hint = AppHint::Current()) hint->Cancel();
  GraphicControl* over = GraphicAt(point);
  if (over && over->Interactive() && over->Enabled()) {
    pressed_ = over;
    SetCapture(Handle());
  }
}

void Container::OnLButtonUp(POINT point) {
  GraphicControl* pressed = pressed_;
  pressed_ = nullptr;
  if (GetCapture() == Handle()) ReleaseCapture();
  RECT client{};
  GetClientRect(Handle(), &client);
  if (!PtInRect(&client, point)) OnMouseLeave();  // released outside: no leave comes later
  if (!pressed) return;
  RECT bounds = pressed->BoundsRect();
  if (pressed->Enabled() && pressed->Visible() && PtInRect(&bounds, point)) pressed->Click();
}

bool Container::OnSetCursor(WORD hit_test) {
  if (hit_test != HTCLIENT) return false;
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(Handle(), &point);
  GraphicControl* over = GraphicAt(point);
  if (!over || !over->HandCursor()) return false;
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
  return true;
}

Control* Container::ChildOf(HWND window) const {
  for (const auto& child : children_) {
    if (child->Handle() == window) return child.get();
  }
  return nullptr;
}

void Container::OnCommand(HWND child, WORD code) {
  if (Control* control = ChildOf(child)) control->OnParentCommand(code);
}

HBRUSH Container::OnCtlColor(HDC dc, HWND child) {
  Control* control = ChildOf(child);
  return control ? control->OnParentCtlColor(dc) : nullptr;
}

void Container::Forget(const GraphicControl* control) {
  graphics_.erase(std::remove(graphics_.begin(), graphics_.end(), control), graphics_.end());
  if (hovered_ == control) hovered_ = nullptr;
  if (pressed_ == control) pressed_ = nullptr;
  if (hinted_ == control) {
    hinted_ = nullptr;
    if (AppHint* hint = AppHint::Current()) hint->PointerGone(control);
  }
}

}  // namespace tunesafe::widgets
