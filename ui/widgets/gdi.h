// Typed owners for GDI objects and device contexts. Each owner releases its handle the one
// right way (DeleteObject, DeleteDC, ReleaseDC, EndPaint) and, with TUNESAFE_COUNT_HANDLES or
// in debug builds, keeps a live count so a test can show that nothing leaks.
//
// Rules they encode: an object selected into a DC goes back out through a SelectGuard before
// it is deleted (declare the guard after the object it selects); a region handed to
// SetWindowRgn belongs to the system from then on, so Release() it from its owner.
#pragma once

#include <windows.h>

#include <utility>

namespace tunesafe::widgets {

namespace gdi_count {
#if !defined(NDEBUG) || defined(TUNESAFE_COUNT_HANDLES)
void Acquired();
void Released();
#else
inline void Acquired() {}
inline void Released() {}
#endif
}  // namespace gdi_count

// GDI objects and DCs that the owners below hold right now; 0 when counting is compiled out.
int LiveGdiHandles();

// Owns one GDI object (font, brush, pen, bitmap, region) and deletes it.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {
    if (handle_) gdi_count::Acquired();
  }
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Deletes the object held and takes `handle` (may be null) instead.
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      gdi_count::Released();
    }
    handle_ = handle;
    if (handle_) gdi_count::Acquired();
  }
  // Gives the object away (to SetWindowRgn, for one): this owner no longer deletes it.
  Handle Release() {
    if (handle_) gdi_count::Released();
    return std::exchange(handle_, nullptr);
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// Selects an object into a DC and puts the old one back when it goes out of scope.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC made by CreateCompatibleDC, deleted by DeleteDC.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible_with);
  ~MemoryDc();
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The DC of a window's client area (GetDC), given back by ReleaseDC. A null window gives the
// screen's DC.
class WindowDc {
 public:
  explicit WindowDc(HWND window);
  ~WindowDc();
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window);
  ~PaintDc();
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An off-screen picture: a memory DC with a bitmap of the given size selected into it. The
// picture covers `area` of the target's coordinates: drawing at (area.left, area.top) lands
// on the picture's top left pixel, so callers draw with the target's coordinates.
class Offscreen {
 public:
  Offscreen(HDC compatible_with, const RECT& area);
  ~Offscreen() = default;
  Offscreen(const Offscreen&) = delete;
  Offscreen& operator=(const Offscreen&) = delete;
  HDC get() const { return dc_.get(); }
  const RECT& area() const { return area_; }
  // Copies the part `part` (target coordinates, inside the area) to the target in one BitBlt.
  void CopyTo(HDC target, const RECT& part) const;
  void CopyTo(HDC target) const { CopyTo(target, area_); }

 private:
  RECT area_;
  MemoryDc dc_;
  Bitmap bitmap_;
  SelectGuard select_;
};

// Fills a rectangle with a colour (a temporary solid brush).
void FillColour(HDC dc, const RECT& rect, COLORREF colour);
// Draws a frame `thickness` pixels wide just inside the rectangle.
void FrameColour(HDC dc, const RECT& rect, COLORREF colour, int thickness);

}  // namespace tunesafe::widgets
