// A console helper of the visual tests, run in the same Wine prefix as Tunesafe.exe. It prints
// key=value lines:
//   visual_probe hint-size TEXT  the size a hint window has for TEXT: the platform's text
//                                rectangle in the hint font ("ＭＳ Ｐゴシック" -16 bold, broken
//                                within the screen's width) plus 6 across and 2 down
//   visual_probe hint-shape      the shown hint window's rectangle, the box of its window
//                                region and whether its corner and centre lie in the region
//   visual_probe hint-watch      waits (up to 20 s) for the hint window to show, prints
//                                hint-shape's lines at once, then waits for it to go and
//                                prints shown_ms, how long it stayed; started before the
//                                pointer moves, it reads the shape even on a slow machine
//   visual_probe cursor          the hand pointer's reach below its hot spot (the last row of
//                                its masks that shows a pixel, plus one, less the hot
//                                spot's y): hints on the hand-pointer buttons go that far
//                                below the pointer, then 8 pixels up
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// "ＭＳ Ｐゴシック"
constexpr char kMsPGothic[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

int HintSize(const std::string& text) {
  HFONT font =
      CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kMsPGothic);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), 0};
  DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  std::printf("width=%ld\nheight=%ld\n", rect.right - rect.left + 6, rect.bottom - rect.top + 2);
  return 0;
}

HWND ShownHint() {
  HWND hint = FindWindowExA(nullptr, nullptr, "THintWindow", nullptr);
  return hint && IsWindowVisible(hint) ? hint : nullptr;
}

int HintShape() {
  HWND hint = ShownHint();
  if (!hint) {
    std::printf("visible=0\n");
    return 0;
  }
  RECT rect{};
  GetWindowRect(hint, &rect);
  std::printf("visible=1\nleft=%ld\ntop=%ld\nwidth=%ld\nheight=%ld\n", rect.left, rect.top,
              rect.right - rect.left, rect.bottom - rect.top);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(hint, region) != ERROR) {
    RECT box{};
    GetRgnBox(region, &box);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    std::printf("region_width=%ld\nregion_height=%ld\ncorner_in=%d\ncentre_in=%d\n",
                box.right - box.left, box.bottom - box.top, PtInRegion(region, 0, 0) ? 1 : 0,
                PtInRegion(region, width / 2, height / 2) ? 1 : 0);
  } else {
    std::printf("region_width=0\n");
  }
  DeleteObject(region);
  std::fflush(stdout);
  return 0;
}

constexpr DWORD kWatchLimitMs = 20000;
constexpr DWORD kWatchPollMs = 5;

int HintWatch() {
  std::printf("watching=1\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  while (!ShownHint()) {
    if (GetTickCount() - start > kWatchLimitMs) return 1;
    Sleep(kWatchPollMs);
  }
  const DWORD shown = GetTickCount();
  HintShape();
  while (ShownHint()) {
    if (GetTickCount() - shown > kWatchLimitMs) return 1;
    Sleep(kWatchPollMs);
  }
  std::printf("shown_ms=%lu\n", static_cast<unsigned long>(GetTickCount() - shown));
  return 0;
}

int HandReach() {
  ICONINFO icon{};
  if (!GetIconInfo(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)), &icon)) return 1;
  BITMAP mask{};
  GetObjectA(icon.hbmMask, sizeof mask, &mask);
  const bool monochrome = icon.hbmColor == nullptr;  // AND mask above the XOR mask
  const int rows = monochrome ? mask.bmHeight / 2 : mask.bmHeight;
  const int stride = (mask.bmWidth + 31) / 32 * 4;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header = {sizeof info.header, mask.bmWidth, -mask.bmHeight, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
  std::string bits(static_cast<std::size_t>(stride) * mask.bmHeight, '\0');
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, icon.hbmMask, 0, mask.bmHeight, &bits[0], reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  int reach = GetSystemMetrics(SM_CYCURSOR);
  for (int y = 0; y < rows; ++y) {
    for (int byte = 0; byte < stride; ++byte) {
      const unsigned char and_bits = bits[y * stride + byte];
      const unsigned char xor_bits = monochrome ? bits[(y + rows) * stride + byte] : 0;
      if (and_bits != 0xFF || xor_bits != 0) reach = y + 1 - static_cast<int>(icon.yHotspot);
    }
  }
  DeleteObject(icon.hbmMask);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  std::printf("reach=%d\n", reach);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "hint-size" && argc > 2) return HintSize(argv[2]);
  if (command == "hint-shape") return HintShape();
  if (command == "hint-watch") return HintWatch();
  if (command == "cursor") return HandReach();
  std::fprintf(stderr, "usage: visual_probe hint-size TEXT|hint-shape|hint-watch|cursor\n");
  return 2;
}
