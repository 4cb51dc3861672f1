// A radio button: a real BUTTON window with BS_RADIOBUTTON (the system never checks it by
// itself), its own font and text colour on its parent's colour (TRadioButton).
//
// The checking rule: SetChecked(v) with v equal to the state does nothing; false unchecks
// only this one; true checks it, unchecks every other radio button of the same parent, then
// runs on_click at once. A user's click on an unchecked button is SetChecked(true); a click
// on the checked one does nothing. A button that changed state is a tab stop only while
// checked.
#pragma once

#include <functional>
#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

struct RadioButtonArgs {
  Bounds bounds;
  std::string caption;
  FontStyle font{kFaceMsPGothic, -11, false, false, kDarkText};
  bool checked = false;
  std::function<void()> on_click;
};

class RadioButton : public Control {
 public:
  RadioButton(Container& parent, const RadioButtonArgs& args);
  ~RadioButton() override;
  RadioButton(const RadioButton&) = delete;
  RadioButton& operator=(const RadioButton&) = delete;

  HWND Handle() const override { return hwnd_; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void SetOnClick(std::function<void()> on_click) { on_click_ = std::move(on_click); }

  void OnParentCommand(WORD code) override;
  HBRUSH OnParentCtlColor(HDC dc) override;

 private:
  Container& parent_;
  HWND hwnd_;
  Font font_;
  Colour background_colour_;  // the parent's colour, which the brush below has
  Brush background_;
  Colour text_colour_;
  bool checked_;
  std::function<void()> on_click_;
};

}  // namespace tunesafe::widgets
