// A read-only edit field: a real EDIT window with the sunken client edge, no tab stop, its
// own font and text colour on the system's window colour (TEdit with ReadOnly). The user can
// select and copy its text. Its Hint is data only: it is never shown.
#pragma once

#include <string>

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"
#include "ui/widgets/font.h"
#include "ui/widgets/gdi.h"

namespace tunesafe::widgets {

struct EditArgs {
  Bounds bounds;
  FontStyle font{kFaceMsPGothic, -11, false, false, kDarkText};
  std::string text;
  std::string hint;
};

class Edit : public Control {
 public:
  Edit(Container& parent, const EditArgs& args);
  ~Edit() override;
  Edit(const Edit&) = delete;
  Edit& operator=(const Edit&) = delete;

  HWND Handle() const override { return hwnd_; }
  std::string Text() const;
  void SetText(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

  HBRUSH OnParentCtlColor(HDC dc) override;

 private:
  HWND hwnd_;
  Font font_;
  Colour text_colour_;
  std::string hint_;
};

}  // namespace tunesafe::widgets
