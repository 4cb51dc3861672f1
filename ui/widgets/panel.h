// A child window with a colour and optional bevels that carries controls (TPanel). A press on
// a panel does not drag its form.
#pragma once

#include "ui/widgets/colours.h"
#include "ui/widgets/container.h"

namespace tunesafe::widgets {

struct PanelArgs {
  Bounds bounds;
  Colour colour = kPaleCream;
  // Outer bevel raised and inner bevel lowered, 1 pixel each; false: no bevel.
  bool bevelled = true;
};

class Panel : public Container {
 public:
  Panel(Container& parent, const PanelArgs& args);

  // The two bevels for a panel of the client size `client`.
  static void PaintBevels(HDC dc, const RECT& client);

 protected:
  void PaintDecoration(HDC dc, const RECT& client) const override;

 private:
  bool bevelled_;
};

}  // namespace tunesafe::widgets
