// The progress window: its layout on the screen, the first-show placement, the close button,
// the drag surface, the ProgressSink operations and the counters' immediate redraw.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/test_support.h"
#include "ui/Progresswindow1.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;

// The main window of 326 x 313 as a rectangle that a test can move.
class ProgressWindowTest : public ::testing::Test {
 protected:
  void SetMain(int left, int top) { main_ = RECT{left, top, left + 326, top + 313}; }
  void ShowAndPaint() {
    form_.Show();
    form_.Refresh();
  }
  void ClickClose() {
    const HWND panel = form_.Panel1->Handle();
    SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }

  RECT main_{20, 20, 346, 333};
  TProgressForm1 form_{[this] { return main_; }};
};

TEST(ProgressWindowPlace, FirstShowingCentresOverTheMainWindow) {
  struct Case {
    RECT main;
    POINT place;
  };
  const Case cases[] = {
      {{100, 50, 426, 363}, {63, 170}},    // left - 37, top + 120
      {{20, 20, 346, 333}, {0, 140}},      // 20 - 37 < 0: 0
      {{-300, -200, 26, 113}, {0, 0}},     // both negative
      {{500, 400, 900, 474}, {500, 400}},  // (400 - 401) div 2 = 0 (not -1), (74 - 73) div 2 = 0
      {{500, 400, 899, 474}, {499, 400}},  // (399 - 401) div 2 = -1, cut toward zero
  };
  for (const Case& c : cases) {
    const POINT place = TProgressForm1::FirstPlace(c.main);
    EXPECT_EQ(place.x, c.place.x) << c.main.left << "," << c.main.top;
    EXPECT_EQ(place.y, c.place.y) << c.main.left << "," << c.main.top;
  }
}

TEST_F(ProgressWindowTest, OnlyTheFirstShowingPlacesTheWindow) {
  SetMain(100, 50);
  EXPECT_FALSE(form_.Visible());
  form_.Show();
  EXPECT_TRUE(form_.Visible());
  EXPECT_EQ(form_.Left(), 63);
  EXPECT_EQ(form_.Top(), 170);
  EXPECT_EQ(form_.Width(), 401);
  EXPECT_EQ(form_.Height(), 73);

  form_.Close();
  EXPECT_FALSE(form_.Visible());
  form_.SetPosition(300, 200);  // where the user dragged it
  SetMain(0, 0);                // the main window moved since
  form_.Show();
  EXPECT_EQ(form_.Left(), 300);
  EXPECT_EQ(form_.Top(), 200);
  form_.Show();  // a shown window only comes to the front
  EXPECT_EQ(form_.Left(), 300);
  EXPECT_TRUE(form_.Visible());
  EXPECT_TRUE(GetWindowLongPtrA(form_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(ProgressWindowTest, CloseButtonClearsTheRunFlagAndHides) {
  EXPECT_EQ(ProgressForm1, &form_);
  form_.SetRunFlag(1);
  ShowAndPaint();
  ClickClose();
  EXPECT_EQ(form_.RunFlag(), 0);
  EXPECT_EQ(form_.Tag(), 0);
  EXPECT_FALSE(form_.Visible());

  form_.Button1Click();  // a press when no run goes on: still hidden, flag 0
  EXPECT_EQ(form_.RunFlag(), 0);
  EXPECT_FALSE(form_.Visible());
  form_.SetRunFlag(1);  // the next run sets it again
  EXPECT_EQ(form_.RunFlag(), 1);
}

TEST_F(ProgressWindowTest, CloseButtonLooksAndHovers) {
  const FadeButton& button = *form_.Button1;
  EXPECT_EQ(button.Caption(), "\x81\x7e");                   // ×
  EXPECT_EQ(button.Hint(), "\x20\x95\xc2\x82\xb6\x82\xe9");  // " 閉じる"
  ShowAndPaint();
  auto at_rest = testing::Capture(form_.Panel1->Handle());
  EXPECT_EQ(ColourText(at_rest->At(0, 0)), ColourText(kClGray));
  EXPECT_EQ(ColourText(at_rest->At(1, 1)), ColourText(kClRed));
  EXPECT_GT(at_rest->Count(kClWhite), 0);  // the caption

  SendMessageA(form_.Panel1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  auto hovered = testing::Capture(form_.Panel1->Handle());
  EXPECT_EQ(ColourText(hovered->At(0, 0)), ColourText(kClBlack));
  EXPECT_EQ(ColourText(hovered->At(1, 1)), ColourText(kClBlue));
  EXPECT_GT(hovered->Count(kClYellow), 0);
  EXPECT_FALSE(button.Fading());
}

// The window's own surface drags the window; the counters and the panel are child windows
// that answer for themselves.
TEST_F(ProgressWindowTest, OnlyTheBareSurfaceDrags) {
  SetMain(200, 200);
  ShowAndPaint();
  struct Point {
    const char* what;
    POINT client;
    LRESULT hit;
    bool on_form;
  };
  const Point points[] = {
      {"background", {5, 5}, HTCAPTION, true},
      {"status label", {30, 12}, HTCAPTION, true},
      {"music caption", {100, 33}, HTCAPTION, true},
      {"last column", {400, 40}, HTCAPTION, true},
      {"music counter", {200, 35}, HTCLIENT, false},
      {"movie counter", {140, 55}, HTCLIENT, false},
      {"close button's panel", {386, 14}, HTCLIENT, false},
  };
  for (const Point& p : points) {
    HWND target = ChildWindowFromPointEx(form_.Handle(), p.client, CWP_SKIPINVISIBLE);
    EXPECT_EQ(target == form_.Handle(), p.on_form) << p.what;
    POINT screen = p.client;
    ClientToScreen(form_.Handle(), &screen);
    EXPECT_EQ(SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), p.hit)
        << p.what;
  }
}

TEST_F(ProgressWindowTest, LayoutOnTheScreen) {
  ShowAndPaint();
  auto shown = testing::Capture(form_.Handle());
  shown->SaveBmp("progress_window.bmp");
  struct Pixel {
    const char* what;
    POINT at;
    Colour colour;
  };
  const Pixel pixels[] = {
      {"outline top left", {0, 0}, kClBlack},
      {"outline bottom right", {399, 71}, kClBlack},
      {"last column stays white", {400, 30}, kClWhite},
      {"last row stays white", {200, 72}, kClWhite},
      {"cream background", {5, 5}, kPaleCream},
      {"cream between the labels", {60, 44}, kPaleCream},
      {"music counter's white ring", {133, 29}, kClWhite},
      {"movie counter's white ring", {133, 49}, kClWhite},
      {"panel edge under the button", {376, 4}, kClGray},
      {"close button fill", {378, 6}, kClRed},
  };
  for (const Pixel& p : pixels) {
    EXPECT_EQ(ColourText(shown->At(p.at.x, p.at.y)), ColourText(p.colour)) << p.what;
  }
  // The right-aligned captions end at x = 128.
  for (const ShadowLabel* label : {form_.Label1, form_.Label2}) {
    EXPECT_EQ(label->Place().left + label->Place().width, 128);
  }
  EXPECT_EQ(form_.Label0->Place().left, 18);
  EXPECT_EQ(form_.Label0->Caption(),
            "\x69\x50\x6f\x64\x96\x7b\x91\xcc\x89\xf0\x90\xcd\x92\x86\x82\xc5\x82\xb7\x2e\x2e"
            "\x2e");  // iPod本体解析中です...
}

TEST_F(ProgressWindowTest, StatusLineWidensToTheRight) {
  const int width_before = form_.Label0->Place().width;
  // "PC(iTunes)へバックアップ中です..."
  form_.SetStatus(
      "\x50\x43\x28\x69\x54\x75\x6e\x65\x73\x29\x82\xd6\x83\x6f\x83\x62\x83\x4e\x83\x41\x83\x62"
      "\x83\x76\x92\x86\x82\xc5\x82\xb7\x2e\x2e\x2e");
  EXPECT_EQ(form_.Label0->Place().left, 18);
  EXPECT_GT(form_.Label0->Place().width, width_before);
}

TEST_F(ProgressWindowTest, SinkOperationsReachTheCounters) {
  using tunesafe::CounterKind;
  struct Step {
    const char* what;
    void (*apply)(TProgressForm1&);
    std::int32_t music, movie;
  };
  const Step steps[] = {
      {"step music up", [](TProgressForm1& f) { f.StepCounter(CounterKind::kMusic, 1); }, 1, 0},
      {"step movie up", [](TProgressForm1& f) { f.StepCounter(CounterKind::kMovie, 1); }, 1, 1},
      {"set music", [](TProgressForm1& f) { f.SetCounter(CounterKind::kMusic, 40001); }, 40001, 1},
      {"step movie down", [](TProgressForm1& f) { f.StepCounter(CounterKind::kMovie, -1); }, 40001,
       0},
      {"below zero", [](TProgressForm1& f) { f.StepCounter(CounterKind::kMovie, -1); }, 40001, -1},
      {"close keeps them", [](TProgressForm1& f) { f.Close(); }, 40001, -1},
      {"show keeps them", [](TProgressForm1& f) { f.Show(); }, 40001, -1},
      {"reset music", [](TProgressForm1& f) { f.ResetCounter(CounterKind::kMusic); }, 0, -1},
  };
  for (const Step& step : steps) {
    step.apply(form_);
    EXPECT_EQ(form_.Counter(CounterKind::kMusic), step.music) << step.what;
    EXPECT_EQ(form_.Counter(CounterKind::kMovie), step.movie) << step.what;
    EXPECT_EQ(form_.ProgressBar1->Position(), step.music) << step.what;
    EXPECT_EQ(form_.ProgressBar2->Position(), step.movie) << step.what;
  }
  form_.SetCounterColour(CounterKind::kMovie, kColourBlue);
  EXPECT_EQ(form_.ProgressBar2->BeginColour(), kColourBlue);
  EXPECT_EQ(form_.ProgressBar1->BeginColour(), kColourRed);
  EXPECT_EQ(form_.ProgressBar1->Max(), 40000);
  EXPECT_EQ(form_.ProgressBar2->Max(), 4000);
}

// A scan handles no messages: steps must reach the screen before they return, and
// RefreshCounters repaints a new begin colour at once.
TEST_F(ProgressWindowTest, CountersShowEveryStepWithoutMessages) {
  using tunesafe::CounterKind;
  ShowAndPaint();
  form_.SetCounter(CounterKind::kMovie, 1990);
  for (int i = 0; i < 20; ++i) form_.StepCounter(CounterKind::kMovie, 1);
  auto shown = testing::Capture(form_.ProgressBar2->Handle());
  testing::Picture drawn(260, 15, kClBlack);
  form_.ProgressBar2->Paint(drawn.dc(), RECT{0, 0, 260, 15});
  EXPECT_EQ(testing::FirstDifference(*shown, drawn), "");
  EXPECT_EQ(ColourText(shown->At(2, 7)), ColourText(kClRed));

  form_.SetCounterColour(CounterKind::kMovie, kColourBlue);
  form_.RefreshCounters();
  EXPECT_EQ(ColourText(testing::Capture(form_.ProgressBar2->Handle())->At(2, 7)),
            ColourText(kClBlue));
}

TEST_F(ProgressWindowTest, NothingLeaksOverShowsStepsAndCloses) {
  using tunesafe::CounterKind;
  ShowAndPaint();
  form_.Close();
  const int before = LiveGdiHandles();
  for (int i = 0; i < 100; ++i) {
    form_.Show();
    form_.Refresh();
    form_.Close();
  }
  form_.Show();
  for (int i = 0; i < 10000; ++i) form_.StepCounter(CounterKind::kMusic, (i % 3) ? 1 : -1);
  form_.RefreshCounters();
  ClickClose();
  testing::PumpMessages();
  EXPECT_EQ(LiveGdiHandles(), before);
  EXPECT_EQ(form_.Counter(CounterKind::kMusic), 3332);
}

}  // namespace
}  // namespace tunesafe::widgets
