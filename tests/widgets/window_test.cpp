// The window binding and the containers: messages reach the object, a throwing handler stays
// inside the window procedure, destruction unbinds; graphic controls draw in creation order.
#include "ui/widgets/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/widgets/test_support.h"
#include "ui/widgets/container.h"
#include "ui/widgets/fade_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;
using testing::HostForm;
using testing::Picture;

constexpr UINT kThrow = WM_APP + 1;

class Probe : public Window {
 public:
  Probe() { Create("TWidgetProbe", WS_POPUP, 0, Bounds{0, 0, 10, 10}, nullptr); }
  std::vector<UINT> seen;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    seen.push_back(message);
    if (message == kThrow) throw std::runtime_error("handler failed");
    return Window::HandleMessage(message, wparam, lparam);
  }
};

TEST(Window, BindsTheObjectFromCreationOn) {
  Probe probe;
  ASSERT_NE(probe.Handle(), nullptr);
  EXPECT_EQ(GetWindowLongPtrA(probe.Handle(), GWLP_USERDATA),
            reinterpret_cast<LONG_PTR>(static_cast<Window*>(&probe)));
  ASSERT_GE(probe.seen.size(), 2u);
  EXPECT_EQ(probe.seen[0], static_cast<UINT>(WM_NCCREATE));
  EXPECT_NE(std::find(probe.seen.begin(), probe.seen.end(), static_cast<UINT>(WM_CREATE)),
            probe.seen.end());
}

TEST(Window, ThrowingHandlerIsReportedAndStaysInside) {
  std::vector<std::string> reported;
  Window::SetExceptionHandler([&reported](const std::string& what) { reported.push_back(what); });
  {
    Probe probe;
    EXPECT_EQ(SendMessageA(probe.Handle(), kThrow, 0, 0), 0);
    EXPECT_EQ(SendMessageA(probe.Handle(), kThrow, 0, 0), 0);
  }
  Window::SetExceptionHandler([](const std::string&) { MessageBeep(0); });
  EXPECT_EQ(reported, (std::vector<std::string>{"handler failed", "handler failed"}));
}

TEST(Window, DestructionDestroysAndUnbinds) {
  HWND handle = nullptr;
  {
    Probe probe;
    handle = probe.Handle();
    EXPECT_TRUE(IsWindow(handle));
  }
  EXPECT_FALSE(IsWindow(handle));
}

TEST(Container, DrawsGraphicControlsInCreationOrderOverItsColour) {
  HostForm host(kPaleCream, Bounds{0, 0, 60, 30});
  host.Add<Shape>(ShapeArgs{{0, 0, 30, 20}, kClRed, kClRed, 1});
  host.Add<Shape>(ShapeArgs{{20, 10, 30, 20}, kClBlue, kClBlue, 1});
  Shape& hidden = host.Add<Shape>(ShapeArgs{{0, 0, 60, 30}, kClBlack, kClBlack, 1});
  hidden.SetVisible(false);
  Picture picture(60, 30, kClWhite);
  host.PaintSurface(picture.dc(), RECT{0, 0, 60, 30});
  struct Pixel {
    POINT at;
    Colour colour;
  };
  const Pixel pixels[] = {
      {{5, 5}, kClRed}, {{25, 15}, kClBlue}, {{45, 25}, kClBlue}, {{55, 5}, kPaleCream}};
  for (const Pixel& p : pixels) {
    EXPECT_EQ(ColourText(picture.At(p.at.x, p.at.y)), ColourText(p.colour))
        << p.at.x << "," << p.at.y;
  }
}

TEST(Panel, OuterBevelRaisedInnerBevelLowered) {
  Picture picture(20, 12, kPaleCream);
  Panel::PaintBevels(picture.dc(), RECT{0, 0, 20, 12});
  const Colour light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const Colour shadow = GetSysColor(COLOR_BTNSHADOW);
  struct Pixel {
    const char* what;
    POINT at;
    Colour colour;
  };
  const Pixel pixels[] = {
      {"outer top", {10, 0}, light},      {"outer left", {0, 6}, light},
      {"outer bottom", {10, 11}, shadow}, {"outer right", {19, 6}, shadow},
      {"inner top", {10, 1}, shadow},     {"inner left", {1, 6}, shadow},
      {"inner bottom", {10, 10}, light},  {"inner right", {18, 6}, light},
      {"inside", {10, 6}, kPaleCream},
  };
  for (const Pixel& p : pixels) {
    EXPECT_EQ(ColourText(picture.At(p.at.x, p.at.y)), ColourText(p.colour)) << p.what;
  }
}

// The hand pointer over a fade button, the arrow elsewhere on the panel.
TEST(Container, HandCursorOverFadeButtons) {
  HostForm host(kClWhite, Bounds{100, 100, 200, 60});
  Panel& panel = host.Add<Panel>(PanelArgs{{0, 0, 200, 60}, kPaleCream, false});
  FadeButtonArgs args;
  args.bounds = {10, 10, 40, 20};
  args.enabled = false;  // disabled buttons keep their pointer shape
  panel.Add<FadeButton>(args);
  host.Show();
  const HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
  const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  struct Case {
    POINT client;
    HCURSOR cursor;
  };
  for (const Case& c : {Case{{20, 15}, hand}, Case{{150, 40}, arrow}}) {
    POINT screen = c.client;
    ClientToScreen(panel.Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SetCursor(nullptr);
    SendMessageA(panel.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel.Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), c.cursor) << c.client.x << "," << c.client.y;
  }
}

}  // namespace
}  // namespace tunesafe::widgets
