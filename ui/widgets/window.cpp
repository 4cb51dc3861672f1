#include "ui/widgets/window.h"

#include <windowsx.h>

#include <exception>
#include <stdexcept>

#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

namespace {

std::function<void(const std::string&)>& ExceptionHandler() {
  static std::function<void(const std::string&)> handler = [](const std::string&) {
    MessageBeep(0);
  };
  return handler;
}

void Report(const std::string& what) noexcept {
  try {
    if (ExceptionHandler()) ExceptionHandler()(what);
  } catch (...) {
    MessageBeep(0);
  }
}

POINT PointOf(LPARAM lparam) { return POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

}  // namespace

void Window::SetExceptionHandler(std::function<void(const std::string&)> handler) {
  ExceptionHandler() = std::move(handler);
}

Window::~Window() {
  if (hwnd_) {
    // Unbind first: a half-destroyed object must not see the destruction messages.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
}

void Window::Create(const char* class_name, DWORD style, DWORD ex_style, const Bounds& bounds,
                    HWND parent, const std::string& caption) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(instance, class_name, &existing)) {
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &Window::Procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window_class.lpszClassName = class_name;
    if (!RegisterClassExA(&window_class)) {
      throw std::runtime_error(std::string("RegisterClassEx failed: ") + class_name);
    }
  }
  HWND created =
      CreateWindowExA(ex_style, class_name, caption.c_str(), style, bounds.left, bounds.top,
                      bounds.width, bounds.height, parent, nullptr, instance, this);
  if (!created) throw std::runtime_error(std::string("CreateWindowEx failed: ") + class_name);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(window, message, wparam, lparam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (const std::exception& error) {
    Report(error.what());
  } catch (...) {
    Report(std::string());
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

void Window::OnPaint(HDC, const RECT&) {}

LRESULT Window::OnNcHitTest(POINT screen) {
  return DefaultProc(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT draws everything, off-screen first
    case WM_PAINT: {
      PaintDc paint(hwnd_);
      OnPaint(paint.get(), paint.dirty());
      return 0;
    }
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wparam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lparam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(PointOf(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(PointOf(lparam));
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == hwnd_ && OnSetCursor(LOWORD(lparam))) return TRUE;
      return DefaultProc(message, wparam, lparam);
    case WM_NCHITTEST:
      return OnNcHitTest(PointOf(lparam));
    case WM_COMMAND:
      if (lparam != 0) {
        OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
        return 0;
      }
      return DefaultProc(message, wparam, lparam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
      if (brush) return reinterpret_cast<LRESULT>(brush);
      return DefaultProc(message, wparam, lparam);
    }
    default:
      return DefaultProc(message, wparam, lparam);
  }
}

}  // namespace tunesafe::widgets
