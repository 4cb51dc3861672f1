#include "ui/widgets/app_hint.h"

#include <algorithm>
#include <vector>

namespace tunesafe::widgets {

namespace {
AppHint* current_hint = nullptr;
constexpr int kCornerSize = 8;
constexpr int kRaise = 8;  // pixels above the platform's place

UINT TextFlags() { return DT_LEFT | DT_WORDBREAK | DT_NOPREFIX; }
}  // namespace

AppHint::AppHint() : font_(MakeFont(HintFont())) {
  Create("THintWindow", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
         Bounds{0, 0, 1, 1}, nullptr);
  current_hint = this;
}

AppHint::~AppHint() {
  if (current_hint == this) current_hint = nullptr;
}

AppHint* AppHint::Current() { return current_hint; }

FontStyle AppHint::HintFont() { return FontStyle{kFaceMsPGothic, -16, true, false, kClWhite}; }

SIZE AppHint::HintSize(HFONT font, const std::string& text) {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font);
  RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &rect,
            TextFlags() | DT_CALCRECT);
  return SIZE{rect.right - rect.left + 6, rect.bottom - rect.top + 2};
}

namespace {

// The rows of a 1-bit bitmap, top row first, each padded to 32 bits.
std::vector<unsigned char> MonochromeRows(HBITMAP bitmap, int width, int height, int stride) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  std::vector<unsigned char> rows(static_cast<std::size_t>(stride) * height);
  WindowDc screen(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, height, rows.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS) != height) {
    rows.clear();
  }
  return rows;
}

bool BitSet(const std::vector<unsigned char>& rows, int stride, int x, int y) {
  return (rows[static_cast<std::size_t>(y) * stride + x / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

int AppHint::CursorHeightMargin(HCURSOR cursor) {
  const int cell = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO icon{};
  if (!cursor || !GetIconInfo(cursor, &icon)) return cell;
  Bitmap mask(icon.hbmMask);
  Bitmap colour(icon.hbmColor);
  BITMAP shape{};
  if (!GetObjectA(mask.get(), sizeof shape, &shape)) return cell;
  // A cursor without a colour picture keeps its AND and XOR masks one above the other.
  const bool monochrome = colour.get() == nullptr;
  const int width = shape.bmWidth;
  const int height = monochrome ? shape.bmHeight / 2 : shape.bmHeight;
  const int stride = (width + 31) / 32 * 4;
  const std::vector<unsigned char> rows = MonochromeRows(mask.get(), width, shape.bmHeight, stride);
  if (rows.empty()) return cell;
  // A pixel shows where the AND mask is clear, or, in a monochrome cursor, where the XOR
  // mask inverts the screen.
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      if (!BitSet(rows, stride, x, y) || (monochrome && BitSet(rows, stride, x, y + height))) {
        return y + 1 - static_cast<int>(icon.yHotspot);
      }
    }
  }
  return cell;
}

POINT AppHint::HintPosition(POINT cursor, int cursor_margin) {
  return POINT{cursor.x, cursor.y + cursor_margin - kRaise};
}

void AppHint::PaintHint(HDC dc, const RECT& where, HFONT font, const std::string& text) {
  FillColour(dc, where, kClRed);
  SelectGuard select_font(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  RECT shadow{where.left + 2, where.top + 2, where.right, where.bottom};
  SetTextColor(dc, kClGray);
  DrawTextA(dc, text.c_str(), length, &shadow, TextFlags());
  RECT face{where.left + 1, where.top + 1, where.right, where.bottom};
  SetTextColor(dc, kClWhite);
  DrawTextA(dc, text.c_str(), length, &face, TextFlags());
  Pen pen(CreatePen(PS_SOLID, 1, kClBlack));
  SelectGuard select_pen(dc, pen.get());
  SelectGuard select_brush(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, where.left, where.top, where.right, where.bottom, kCornerSize, kCornerSize);
}

bool AppHint::Showing() const { return IsWindowVisible(Handle()) != FALSE; }

void AppHint::PointerOver(const void* owner, const std::string& text, POINT screen) {
  pointer_ = screen;
  if (owner == owner_) return;  // still the same control: its hint runs its course
  owner_ = owner;
  text_ = text;
  KillTimer(Handle(), kHideTimer);
  if (Showing()) {
    ShowNow();  // the short pause is 0
    return;
  }
  waiting_ = true;
  SetTimer(Handle(), kShowTimer, kHintPause, nullptr);
}

void AppHint::PointerGone(const void* owner) {
  if (owner != owner_) return;
  owner_ = nullptr;
  HideNow();
}

void AppHint::Cancel() { HideNow(); }

void AppHint::ShowNow() {
  waiting_ = false;
  KillTimer(Handle(), kShowTimer);
  SIZE size = HintSize(font_.get(), text_);
  POINT place = HintPosition(pointer_, CursorHeightMargin(GetCursor()));
  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  place.x = std::max(0, std::min<int>(place.x, screen_width - size.cx));
  place.y = std::max(0, std::min<int>(place.y, screen_height - size.cy));
  // The shape: rounded corners, one pixel wider and higher than the hint's rectangle.
  Region shape(CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, kCornerSize, kCornerSize));
  if (SetWindowRgn(Handle(), shape.get(), FALSE)) shape.Release();  // the system owns it now
  SetWindowPos(Handle(), HWND_TOPMOST, place.x, place.y, size.cx, size.cy,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
  SetTimer(Handle(), kHideTimer, kHintHidePause, nullptr);
}

void AppHint::HideNow() {
  waiting_ = false;
  KillTimer(Handle(), kShowTimer);
  KillTimer(Handle(), kHideTimer);
  if (Showing()) ShowWindow(Handle(), SW_HIDE);
}

void AppHint::OnTimer(UINT_PTR id) {
  if (id == kShowTimer && waiting_ && owner_) ShowNow();
  if (id == kHideTimer) HideNow();
}

void AppHint::OnPaint(HDC dc, const RECT&) {
  RECT client{};
  GetClientRect(Handle(), &client);
  Offscreen picture(dc, client);
  PaintHint(picture.get(), client, font_.get(), text_);
  picture.CopyTo(dc);
}

LRESULT AppHint::OnNcHitTest(POINT) { return HTTRANSPARENT; }

}  // namespace tunesafe::widgets
