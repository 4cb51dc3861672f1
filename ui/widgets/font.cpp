#include "ui/widgets/font.h"

namespace tunesafe::widgets {

Font MakeFont(const FontStyle& font) {
  LOGFONTA log{};
  log.lfHeight = font.height;
  log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  log.lfUnderline = font.underline ? TRUE : FALSE;
  log.lfCharSet = SHIFTJIS_CHARSET;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(log.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectA(&log));
}

SIZE MeasureText(HFONT font, const std::string& text) {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font);
  SIZE size{0, 0};
  GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  if (text.empty()) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.get(), &metrics);
    size.cy = metrics.tmHeight;
  }
  return size;
}

}  // namespace tunesafe::widgets
