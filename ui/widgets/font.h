// Fonts by face name in the Shift-JIS character set, as the windows' form settings give them.
#pragma once

#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

// "ＭＳ Ｐゴシック" in Shift-JIS.
inline const char kFaceMsPGothic[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
inline const char kFaceTahoma[] = "Tahoma";

// A control's font: the face, the height (negative: the character height in pixels, as
// in the form settings), the style and the text colour.
struct FontStyle {
  std::string face = kFaceMsPGothic;
  int height = -12;
  bool bold = false;
  bool underline = false;
  Colour colour = kClBlack;
};

// A GDI font of that face, height and style (SHIFTJIS_CHARSET); the system picks a stand-in
// for a missing face.
Font MakeFont(const FontStyle& font);

// Width and height of a single line of text in a font, measured on the screen's DC.
SIZE MeasureText(HFONT font, const std::string& text);

}  // namespace tunesafe::widgets
