// The fading button: resting and hover colours, the fade stepped by WM_TIMER sent here, the
// caption colour rules, disabled buttons, clicks, and the drawing.
#include "ui/widgets/fade_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/test_support.h"
#include "ui/widgets/panel.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;
using testing::HostForm;
using testing::Picture;

constexpr Colour kLightRed = 3947775;  // (255, 60, 60)

// A window button: fades from light red to white, caption red under the pointer.
FadeButtonArgs WindowButton() {
  FadeButtonArgs args;
  args.bounds = {84, 0, 20, 20};
  args.caption = "x";
  args.font = FontStyle{kFaceTahoma, -12, true, false, kClWhite};
  args.colour = kLightRed;
  args.dest_colour = kClWhite;
  args.border_colour = kClGray;
  args.border_dest_colour = kClBlack;
  args.caption_over_colour = kClRed;
  args.fade_on_over = true;
  args.fade_on_leave = true;
  return args;
}

// The refresh button: switches at once to blue with a yellow caption and a black border.
FadeButtonArgs RefreshButton() {
  FadeButtonArgs args;
  args.bounds = {10, 8, 40, 20};
  args.caption = "ok";
  args.font = FontStyle{kFaceMsPGothic, -11, false, false, kClWhite};
  return args;
}

class FadeButtonTest : public ::testing::Test {
 protected:
  FadeButton& AddButton(const FadeButtonArgs& args) { return panel_.Add<FadeButton>(args); }
  void Tick(const FadeButton& button, int times) {
    for (int i = 0; i < times; ++i) SendMessageA(panel_.Handle(), WM_TIMER, button.TimerId(), 0);
  }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  void Send(UINT message, int x, int y) { SendMessageA(panel_.Handle(), message, 0, At(x, y)); }
  void MoveOver(const FadeButton& b) { Send(WM_MOUSEMOVE, b.Place().left + 3, b.Place().top + 3); }
  void Leave() { SendMessageA(panel_.Handle(), WM_MOUSELEAVE, 0, 0); }

  HostForm host_;
  Panel& panel_ = host_.Add<Panel>(PanelArgs{{0, 0, 300, 100}, kPaleCream, false});
};

TEST_F(FadeButtonTest, FadesToWhiteInNinetyEightTicksWithTheCaptionRedAtOnce) {
  FadeButton& button = AddButton(WindowButton());
  MoveOver(button);
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClRed));
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kLightRed));
  EXPECT_TRUE(button.Fading());

  Tick(button, 1);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 62, 62)));
  EXPECT_EQ(ColourText(button.BorderColour()), ColourText(kClBlack));
  Tick(button, 96);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 254, 254)));
  EXPECT_TRUE(button.Fading());
  Tick(button, 1);  // the 98th tick caps green and blue at 255
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClWhite));
  EXPECT_FALSE(button.Fading());

  MoveOver(button);  // staying under the pointer keeps it white
  Tick(button, 5);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClWhite));
  EXPECT_FALSE(button.Fading());
}

TEST_F(FadeButtonTest, LeaveHalfwayFadesBackFromWhereItWas) {
  FadeButton& button = AddButton(WindowButton());
  MoveOver(button);
  Tick(button, 30);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 120, 120)));

  Leave();
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClWhite));
  EXPECT_TRUE(button.Fading());
  Tick(button, 29);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 62, 62)));
  Tick(button, 1);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kLightRed));
  EXPECT_FALSE(button.Fading());
  EXPECT_EQ(ColourText(button.BorderColour()), ColourText(kClGray));
}

TEST_F(FadeButtonTest, MoveDuringTheFadeBackDoesNotReverseIt) {
  FadeButton& button = AddButton(WindowButton());
  MoveOver(button);
  Tick(button, 98);
  Leave();
  Tick(button, 10);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 235, 235)));

  MoveOver(button);
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClRed));
  Tick(button, 10);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 215, 215)));
  Tick(button, 88);  // 98 ticks back in all
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kLightRed));
  EXPECT_FALSE(button.Fading());

  MoveOver(button);  // the next move starts a new fade toward white
  EXPECT_TRUE(button.Fading());
  Tick(button, 1);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(MakeColour(255, 62, 62)));
}

// The fade's own timer on the panel, with the messages handled until the fade ends.
TEST_F(FadeButtonTest, OwnTimerRunsTheFadeToItsEnd) {
  FadeButton& button = AddButton(WindowButton());
  MoveOver(button);
  const DWORD deadline = GetTickCount() + 10000;
  while (button.Fading() && GetTickCount() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    testing::PumpMessages();
  }
  EXPECT_FALSE(button.Fading()) << "still " << ColourText(button.FillColour());
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClWhite));
}

TEST_F(FadeButtonTest, ReleaseOutsideThePanelPutsTheButtonAtRest) {
  FadeButtonArgs args = RefreshButton();
  int clicks = 0;
  args.on_click = [&clicks] { ++clicks; };
  FadeButton& button = AddButton(args);
  Send(WM_MOUSEMOVE, 15, 12);
  Send(WM_LBUTTONDOWN, 15, 12);
  Send(WM_LBUTTONUP, 400, 300);  // no move reported on the way out
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClRed));
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClWhite));
}

TEST_F(FadeButtonTest, SwitchingButtonChangesAtOnceAndBack) {
  FadeButton& button = AddButton(RefreshButton());
  struct Step {
    const char* what;
    bool over;
    Colour fill, border, caption;
  };
  const Step steps[] = {
      {"over", true, kClBlue, kClBlack, kClYellow},
      {"over again", true, kClBlue, kClBlack, kClYellow},
      {"left", false, kClRed, kClGray, kClWhite},
  };
  for (const Step& step : steps) {
    if (step.over) {
      MoveOver(button);
    } else {
      Leave();
    }
    EXPECT_EQ(ColourText(button.FillColour()), ColourText(step.fill)) << step.what;
    EXPECT_EQ(ColourText(button.BorderColour()), ColourText(step.border)) << step.what;
    EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(step.caption)) << step.what;
    EXPECT_FALSE(button.Fading()) << step.what;
  }
}

TEST_F(FadeButtonTest, HoverShowsOnTheScreenBeforeAnyMessageIsHandled) {
  FadeButton& button = AddButton(RefreshButton());
  host_.Show();
  RedrawWindow(host_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const int x = button.Place().left + 2;
  const int y = button.Place().top + 2;
  EXPECT_EQ(ColourText(testing::Capture(panel_.Handle())->At(x, y)), ColourText(kClRed));
  MoveOver(button);
  EXPECT_EQ(ColourText(testing::Capture(panel_.Handle())->At(x, y)), ColourText(kClBlue));
  Leave();
  EXPECT_EQ(ColourText(testing::Capture(panel_.Handle())->At(x, y)), ColourText(kClRed));
}

TEST_F(FadeButtonTest, DisabledButtonIgnoresThePointerAndClicksAndKeepsItsCaption) {
  FadeButtonArgs args = RefreshButton();
  args.enabled = false;
  args.font.colour = kClMaroon;
  int clicks = 0;
  args.on_click = [&clicks] { ++clicks; };
  FadeButton& button = AddButton(args);

  MoveOver(button);
  Send(WM_LBUTTONDOWN, 15, 12);
  Send(WM_LBUTTONUP, 15, 12);
  Leave();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClRed));
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClMaroon));

  // Ready: enabled with a white caption, the pointer and clicks work again.
  button.SetEnabled(true);
  button.SetCaptionColour(kClWhite);
  MoveOver(button);
  EXPECT_EQ(ColourText(button.FillColour()), ColourText(kClBlue));
  Leave();
  EXPECT_EQ(ColourText(button.CaptionColour()), ColourText(kClWhite));
}

TEST_F(FadeButtonTest, ClickNeedsPressAndReleaseOverTheButton) {
  FadeButtonArgs args = RefreshButton();  // at 10,8 40x20
  int clicks = 0;
  args.on_click = [&clicks] { ++clicks; };
  AddButton(args);
  struct Press {
    const char* what;
    POINT down, up;
    int clicks;
  };
  const Press presses[] = {
      {"inside", {15, 12}, {40, 20}, 1},
      {"released outside", {15, 12}, {80, 60}, 0},
      {"pressed outside", {80, 60}, {15, 12}, 0},
  };
  for (const Press& press : presses) {
    clicks = 0;
    Send(WM_MOUSEMOVE, press.down.x, press.down.y);
    Send(WM_LBUTTONDOWN, press.down.x, press.down.y);
    Send(WM_MOUSEMOVE, press.up.x, press.up.y);
    Send(WM_LBUTTONUP, press.up.x, press.up.y);
    EXPECT_EQ(clicks, press.clicks) << press.what;
  }
}

TEST_F(FadeButtonTest, HundredFadesLeaveNoGdiHandle) {
  FadeButton& button = AddButton(WindowButton());
  host_.Show();
  auto fade_over_and_back = [&] {
    MoveOver(button);
    Tick(button, 98);
    Leave();
    Tick(button, 98);
  };
  fade_over_and_back();  // the panel makes its lasting off-screen picture
  const int before = LiveGdiHandles();
  for (int i = 0; i < 100; ++i) fade_over_and_back();
  EXPECT_FALSE(button.Fading());
  EXPECT_EQ(LiveGdiHandles(), before);
}

struct LookCase {
  const char* what;
  FadeButtonArgs args;
  Colour corner;  // the border, or the fill without a border
  Colour inside;  // just inside the border, clear of the caption
};

TEST(FadeButtonLook, RestingColoursOfTheButtonKinds) {
  FadeButtonArgs link = RefreshButton();
  link.colour = kClWhite;
  link.dest_colour = kClWhite;
  link.show_border = false;
  FadeButtonArgs start = RefreshButton();
  start.bounds = {36, 12, 240, 40};
  start.border_height = 2;
  const LookCase cases[] = {
      {"window button", WindowButton(), kClGray, kLightRed},
      {"refresh", RefreshButton(), kClGray, kClRed},
      {"link without border", link, kClWhite, kClWhite},
      {"start, 2-pixel border", start, kClGray, kClRed},
  };
  HostForm host;
  for (const LookCase& c : cases) {
    FadeButton& button = host.Add<FadeButton>(c.args);
    const int w = c.args.bounds.width;
    const int h = c.args.bounds.height;
    Picture picture(w, h, kClBlack);
    button.Paint(picture.dc(), RECT{0, 0, w, h});
    const int border = c.args.show_border ? c.args.border_height : 0;
    for (POINT p : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{border - 1, h / 2}}) {
      if (p.x < 0) continue;
      EXPECT_EQ(ColourText(picture.At(p.x, p.y)), ColourText(c.corner)) << c.what;
    }
    EXPECT_EQ(ColourText(picture.At(border, border)), ColourText(c.inside)) << c.what;
    EXPECT_EQ(ColourText(picture.At(w - 1 - border, h - 1 - border)), ColourText(c.inside))
        << c.what;
    if (c.args.show_border && c.args.border_height == 2) {
      EXPECT_EQ(ColourText(picture.At(1, 1)), ColourText(c.corner)) << c.what;
    }
  }
}

// The caption centred: left at width div 2 - text width div 2, top at height div 2 - text
// height div 2, in the caption colour on the fill colour.
TEST(FadeButtonLook, CaptionIsCentredOnTheFill) {
  HostForm host;
  FadeButtonArgs args = RefreshButton();
  FadeButton& button = host.Add<FadeButton>(args);
  Picture actual(40, 20, kClBlack);
  button.Paint(actual.dc(), RECT{0, 0, 40, 20});

  Picture expected(40, 20, kClRed);
  FrameColour(expected.dc(), RECT{0, 0, 40, 20}, kClGray, 1);
  Font font = MakeFont(args.font);
  SelectGuard select(expected.dc(), font.get());
  SIZE text{};
  GetTextExtentPoint32A(expected.dc(), "ok", 2, &text);
  SetBkColor(expected.dc(), kClRed);
  SetTextColor(expected.dc(), kClWhite);
  TextOutA(expected.dc(), 20 - text.cx / 2, 10 - text.cy / 2, "ok", 2);
  EXPECT_EQ(testing::FirstDifference(actual, expected), "");
  EXPECT_GT(actual.Count(kClWhite), 0);
}

}  // namespace
}  // namespace tunesafe::widgets
