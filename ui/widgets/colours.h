// Colour numbers of the window platform, blue in the high byte (0x00BBGGRR), the same layout as
// a Win32 COLORREF, so a Colour can be handed to GDI as it is.
#pragma once

#include <cstdint>

#include "core/ports.h"

namespace tunesafe::widgets {

constexpr Colour kClBlack = 0x000000;
constexpr Colour kClMaroon = 0x000080;
constexpr Colour kClGray = 0x808080;
constexpr Colour kClSilver = 0xC0C0C0;
constexpr Colour kClRed = 0x0000FF;
constexpr Colour kClYellow = 0x00FFFF;
constexpr Colour kClBlue = 0xFF0000;
constexpr Colour kClWhite = 0xFFFFFF;
// The dark grey of the texts on the white body and the panels (70, 70, 70).
constexpr Colour kDarkText = 4605510;
// The pale cream of the panels and of the progress window's background (255, 255, 230).
constexpr Colour kPaleCream = 15138815;

constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}

}  // namespace tunesafe::widgets
