// Helpers for the widget tests: a host form, pictures in memory to draw into and read pixels
// from, a capture of what a window shows on the screen, and colour names for messages.
#pragma once

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/form.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets::testing {

inline std::string ColourText(Colour c) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d,%d)", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

// A plain form to carry the controls under test.
class HostForm : public Form {
 public:
  explicit HostForm(Colour colour = kClWhite, Bounds bounds = {40, 40, 320, 120})
      : Form(FormArgs{"TWidgetTestForm", "", bounds, colour, false, 0}) {}
};

// A picture in memory, filled with a background colour.
class Picture {
 public:
  Picture(int width, int height, Colour background)
      : width_(width),
        height_(height),
        screen_(nullptr),
        picture_(std::make_unique<Offscreen>(screen_.get(), RECT{0, 0, width, height})) {
    FillColour(dc(), RECT{0, 0, width, height}, background);
  }
  HDC dc() const { return picture_->get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  Colour At(int x, int y) const { return GetPixel(dc(), x, y) & 0xFFFFFF; }
  int Count(Colour colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) count += At(x, y) == colour;
    return count;
  }
  // Writes a 24-bit BMP file.
  bool SaveBmp(const std::string& path) const;

 private:
  int width_;
  int height_;
  WindowDc screen_;
  std::unique_ptr<Offscreen> picture_;
};

// "" when both pictures have the same size and pixels, else where the first difference is.
std::string FirstDifference(const Picture& actual, const Picture& expected);

// What the screen shows of a window's client area now, read through GetDC and BitBlt.
std::unique_ptr<Picture> Capture(HWND window);

// Handles every waiting message of this thread (no waiting).
void PumpMessages();

}  // namespace tunesafe::widgets::testing
