// A window that carries controls: it owns them, draws the ones that live on its surface
// (shapes, labels, fade buttons) in creation order over its colour, and routes the pointer,
// the clicks, the fade timers and the hint tracking to them. Form and Panel are containers.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/widgets/colours.h"
#include "ui/widgets/gdi.h"
#include "ui/widgets/window.h"

namespace tunesafe::widgets {

class Container;

// A control without a window of its own, drawn on its parent's surface.
class GraphicControl : public Control {
 public:
  ~GraphicControl() override;

  // Draws the control into `dc` with its top left corner at (where.left, where.top); `where`
  // has the control's size. The parent passes the control's bounds; a test may pass any place
  // in a memory DC.
  virtual void Paint(HDC dc, const RECT& where) const = 0;

  Container& Parent() const { return parent_; }
  const Bounds& Place() const { return bounds_; }
  RECT BoundsRect() const { return bounds_.ToRect(); }
  void SetPlace(const Bounds& bounds);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // The hint text shown by the application's hint window (empty: none).
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

  // Marks the control's area of the parent for the next WM_PAINT.
  void Invalidate() const;
  // Redraws the control's area of the parent on the screen now (off-screen, one BitBlt).
  void RedrawNow() const;

  // Pointer events, sent by the parent only to an enabled, visible, interactive control.
  virtual bool Interactive() const { return false; }
  virtual bool HandCursor() const { return false; }
  virtual void MouseMove(POINT /*point*/) {}
  virtual void MouseLeave() {}
  virtual void Click() {}
  // A WM_TIMER of the parent; true when the timer is this control's.
  virtual bool Timer(UINT_PTR /*id*/) { return false; }

  // The parent's area this control draws on: its bounds, plus whatever it draws beyond them.
  virtual RECT DrawnArea() const { return BoundsRect(); }

 protected:
  GraphicControl(Container& parent, const Bounds& bounds);

 private:
  Container& parent_;
  Bounds bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
};

class Container : public Window {
 public:
  ~Container() override;

  // Creates a control on this container, owned by it, and returns it. The control's
  // constructor takes (Container&, args...). Controls are created in the layout's order: it
  // is the drawing order of the graphic controls.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    static_assert(std::is_base_of_v<Control, T>);
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& result = *control;
    children_.push_back(std::move(control));
    return result;
  }

  Colour Color() const { return colour_; }
  void SetColor(Colour colour);

  // Draws the surface (colour, decoration, graphic controls in creation order) for the part
  // `area` of the client area into `dc`, which uses client coordinates.
  void PaintSurface(HDC dc, const RECT& area) const;
  // Redraws `area` of the client area on the screen at once: off-screen, then one BitBlt.
  void PaintNow(const RECT& area);

  // A timer id of this window for one control's timer.
  UINT_PTR NewTimerId() { return next_timer_id_++; }

  // Forgets the pointer: the control under it gets its leave, the hint goes. Also for every
  // container below this one. Called when the window hides.
  void ForgetPointer();

  const std::vector<GraphicControl*>& Graphics() const { return graphics_; }
  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }

 protected:
  explicit Container(Colour colour) : colour_(colour) {}

  // Draws what lies between the colour and the graphic controls (a panel's bevels).
  virtual void PaintDecoration(HDC /*dc*/, const RECT& /*client*/) const {}

  void OnPaint(HDC dc, const RECT& dirty) override;
  void OnTimer(UINT_PTR id) override;
  void OnMouseMove(POINT point) override;
  void OnMouseLeave() override;
  void OnLButtonDown(POINT point) override;
  void OnLButtonUp(POINT point) override;
  bool OnSetCursor(WORD hit_test) override;
  void OnCommand(HWND child, WORD code) override;
  HBRUSH OnCtlColor(HDC dc, HWND child) override;

 private:
  friend class GraphicControl;
  GraphicControl* GraphicAt(POINT point) const;
  Control* ChildOf(HWND window) const;
  void Forget(const GraphicControl* control);
  void SetHovered(GraphicControl* control);
  void SetHinted(GraphicControl* control, POINT point);

  // The surface's off-screen picture, made at the first use and kept for every redraw.
  HDC Buffer(HDC screen);

  Colour colour_;
  std::unique_ptr<Offscreen> buffer_;
  std::vector<GraphicControl*> graphics_;  // creation order; declared before the owners
  std::vector<std::unique_ptr<Control>> children_;
  GraphicControl* hovered_ = nullptr;
  GraphicControl* pressed_ = nullptr;
  GraphicControl* hinted_ = nullptr;
  bool tracking_leave_ = false;
  UINT_PTR next_timer_id_ = 100;
};

}  // namespace tunesafe::widgets
