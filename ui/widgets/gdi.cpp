#include "ui/widgets/gdi.h"

#include <algorithm>
#include <atomic>

namespace tunesafe::widgets {

namespace {
std::atomic<int> live_handles{0};
}  // namespace

#if !defined(NDEBUG) || defined(TUNESAFE_COUNT_HANDLES)
namespace gdi_count {
void Acquired() { ++live_handles; }
void Released() { --live_handles; }
}  // namespace gdi_count
#endif

int LiveGdiHandles() { return live_handles.load(); }

MemoryDc::MemoryDc(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {
  if (dc_) gdi_count::Acquired();
}

MemoryDc::~MemoryDc() {
  if (dc_) {
    DeleteDC(dc_);
    gdi_count::Released();
  }
}

WindowDc::WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
  if (dc_) gdi_count::Acquired();
}

WindowDc::~WindowDc() {
  if (dc_) {
    ReleaseDC(window_, dc_);
    gdi_count::Released();
  }
}

PaintDc::PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {
  if (dc_) gdi_count::Acquired();
}

PaintDc::~PaintDc() {
  EndPaint(window_, &paint_);
  if (dc_) gdi_count::Released();
}

namespace {
int WidthOf(const RECT& r) { return std::max<int>(1, r.right - r.left); }
int HeightOf(const RECT& r) { return std::max<int>(1, r.bottom - r.top); }
}  // namespace

Offscreen::Offscreen(HDC compatible_with, const RECT& area)
    : area_(area),
      dc_(compatible_with),
      bitmap_(CreateCompatibleBitmap(compatible_with, WidthOf(area), HeightOf(area))),
      select_(dc_.get(), bitmap_.get()) {
  SetViewportOrgEx(dc_.get(), -area.left, -area.top, nullptr);
}

void Offscreen::CopyTo(HDC target, const RECT& part) const {
  BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, dc_.get(),
         part.left, part.top, SRCCOPY);
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  // An opaque empty ExtTextOut fills with the background colour and needs no brush.
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FrameColour(HDC dc, const RECT& rect, COLORREF colour, int thickness) {
  if (thickness <= 0) return;
  const int t = thickness;
  const RECT sides[] = {
      {rect.left, rect.top, rect.right, std::min<LONG>(rect.top + t, rect.bottom)},
      {rect.left, std::max<LONG>(rect.bottom - t, rect.top), rect.right, rect.bottom},
      {rect.left, rect.top, std::min<LONG>(rect.left + t, rect.right), rect.bottom},
      {std::max<LONG>(rect.right - t, rect.left), rect.top, rect.right, rect.bottom},
  };
  for (const RECT& side : sides) FillColour(dc, side, colour);
}

}  // namespace tunesafe::widgets
