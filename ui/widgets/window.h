// The base of every control, and the binding of a C++ object to a window it registered.
//
// A Window stores `this` at WM_NCCREATE in GWLP_USERDATA and sends every message to one
// virtual HandleMessage, whose switch calls a few virtual OnX handlers and gives the rest to
// the default procedure. Subclasses that need more messages override HandleMessage, handle
// theirs and pass the others to the base. The binding is cleared at WM_NCDESTROY, and no
// exception leaves the window procedure: it goes to the handler set by SetExceptionHandler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tunesafe::widgets {

// A control's place in its parent, in pixels, as the layout tables give it.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  RECT ToRect() const { return RECT{left, top, left + width, top + height}; }
};

// Anything a container owns: windowed controls, controls drawn on the parent's surface.
class Control {
 public:
  virtual ~Control() = default;
  // The window of a windowed control; null for a control drawn on its parent's surface.
  virtual HWND Handle() const { return nullptr; }
  // A WM_COMMAND notification that this control's window sent to its parent.
  virtual void OnParentCommand(WORD /*code*/) {}
  // WM_CTLCOLOR* for this control's window: sets the DC's colours and returns the background
  // brush, or null for the system's default.
  virtual HBRUSH OnParentCtlColor(HDC /*dc*/) { return nullptr; }
};

class Window : public Control {
 public:
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const override { return hwnd_; }

  // Called with the exception's text when a handler throws inside a window procedure.
  // The default beeps.
  static void SetExceptionHandler(std::function<void(const std::string& what)> handler);

 protected:
  Window() = default;

  // Registers the window class once (own DC-less class, arrow cursor, no background brush)
  // and creates the window. Throws std::runtime_error when creation fails.
  void Create(const char* class_name, DWORD style, DWORD ex_style, const Bounds& bounds,
              HWND parent, const std::string& caption = std::string());

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultProc(UINT message, WPARAM wparam, LPARAM lparam);

  // Handlers called by HandleMessage. Points are client coordinates unless said otherwise.
  virtual void OnPaint(HDC dc, const RECT& dirty);
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnMouseMove(POINT /*point*/) {}
  virtual void OnMouseLeave() {}
  virtual void OnLButtonDown(POINT /*point*/) {}
  virtual void OnLButtonUp(POINT /*point*/) {}
  // True when the handler has set the cursor.
  virtual bool OnSetCursor(WORD /*hit_test*/) { return false; }
  // `screen`: the point in screen coordinates. The default asks the default procedure.
  virtual LRESULT OnNcHitTest(POINT screen);
  virtual void OnCommand(HWND /*child*/, WORD /*code*/) {}
  // Null: let the default procedure answer.
  virtual HBRUSH OnCtlColor(HDC /*dc*/, HWND /*child*/) { return nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

}  // namespace tunesafe::widgets
