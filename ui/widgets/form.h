// A borderless top-level window (WS_POPUP) with a colour and an integer Tag, carrying
// controls. Every point of its own surface answers WM_NCHITTEST with HTCAPTION, so a press
// there drags the window; child windows (panels, edits, counters) answer for themselves.
// Because of that, fade buttons belong on a panel, never on the form's own surface.
#pragma once

#include <cstdint>
#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"

namespace tunesafe::widgets {

struct FormArgs {
  const char* class_name = "TForm";  // "TMainForm1", "TProgressForm1": tests find them by it
  std::string caption;               // the taskbar text; the window has no title bar
  Bounds bounds;                     // screen position and size (= client size, no frame)
  Colour colour = kClWhite;
  bool stay_on_top = false;  // WS_EX_TOPMOST
  DWORD extra_ex_style = 0;
  // The form's font, the default that its controls' settings start from.
  FontStyle font{kFaceMsPGothic, -12, false, false, kClBlack};
};

class Form : public Container {
 public:
  explicit Form(const FormArgs& args);

  const FontStyle& FormFont() const { return font_; }

  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetPosition(int left, int top);
  // The window's rectangle in screen coordinates.
  RECT ScreenRect() const;

  bool Visible() const;
  // Makes the window visible, active and frontmost.
  void Show();
  // Hides the window; the window and its controls stay as they are.
  void Hide();

 protected:
  // HTCAPTION for every point of the form's own surface.
  LRESULT OnNcHitTest(POINT screen) override;

 private:
  FontStyle font_;
  std::int32_t tag_ = 0;
};

}  // namespace tunesafe::widgets
