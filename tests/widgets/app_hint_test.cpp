// The application's hint window: its look, size and place, and its timing stepped by sending
// its timer messages; the pointer reaching it through a panel's hinted fade buttons.
#include "ui/widgets/app_hint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/widgets/test_support.h"
#include "ui/widgets/fade_button.h"
#include "ui/widgets/panel.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;
using testing::HostForm;
using testing::Picture;

const std::string kCloseHint = "\x20\x95\xc2\x82\xb6\x82\xe9";     // " 閉じる"
const std::string kMinimiseHint = "\x20\x8d\xc5\x8f\xac\x89\xbb";  // " 最小化"

// A 32 x 32 monochrome cursor with its hot spot at (0, hot_y), drawn (AND mask clear) in the
// rows [0, drawn_rows) and inverting the screen (XOR mask set) in the row inverted_row, if any.
using CursorOwner = std::unique_ptr<std::remove_pointer_t<HCURSOR>, decltype(&DestroyCursor)>;
CursorOwner TestCursor(int hot_y, int drawn_rows, int inverted_row = -1) {
  constexpr int kSide = 32, kStride = kSide / 8;
  std::vector<unsigned char> and_mask(kStride * kSide, 0xFF), xor_mask(kStride * kSide, 0);
  for (int y = 0; y < drawn_rows; ++y) and_mask[y * kStride] = 0x00;  // 8 pixels at the left
  if (inverted_row >= 0) xor_mask[inverted_row * kStride + 1] = 0x10;
  return CursorOwner(CreateCursor(GetModuleHandleA(nullptr), 0, hot_y, kSide, kSide,
                                  and_mask.data(), xor_mask.data()),
                     &DestroyCursor);
}

class AppHintTest : public ::testing::Test {
 protected:
  void Fire(UINT_PTR timer) { SendMessageA(hint_.Handle(), WM_TIMER, timer, 0); }
  RECT Shown() const {
    RECT rect{};
    GetWindowRect(hint_.Handle(), &rect);
    return rect;
  }
  AppHint hint_;
  const int a_ = 0, b_ = 0;  // two controls' identities
};

TEST(AppHintPlace, BelowTheDrawnPartOfTheCursor) {
  struct Case {
    const char* what;
    int hot_y, drawn_rows, inverted_row, margin;
  };
  const Case cases[] = {
      {"drawn rows 0-11, hot spot at row 2", 2, 12, -1, 10},
      {"hot spot at the top", 0, 20, -1, 20},
      {"an inverting row below the drawn ones", 0, 5, 15, 16},
  };
  for (const Case& c : cases) {
    CursorOwner cursor = TestCursor(c.hot_y, c.drawn_rows, c.inverted_row);
    ASSERT_TRUE(cursor) << c.what;
    EXPECT_EQ(AppHint::CursorHeightMargin(cursor.get()), c.margin) << c.what;
  }
  EXPECT_EQ(AppHint::CursorHeightMargin(nullptr), GetSystemMetrics(SM_CYCURSOR));
  const POINT place = AppHint::HintPosition(POINT{40, 50}, 21);
  EXPECT_EQ(place.x, 40);
  EXPECT_EQ(place.y, 50 + 21 - 8);
}

TEST_F(AppHintTest, ShowsAfterThePauseBelowThePointerAndHidesAfterTheHidePause) {
  EXPECT_EQ(AppHint::Current(), &hint_);
  CursorOwner cursor = TestCursor(2, 12);
  HCURSOR previous = SetCursor(cursor.get());
  const POINT pointer{200, 150};
  hint_.PointerOver(&a_, kCloseHint, pointer);
  EXPECT_FALSE(hint_.Showing());
  Fire(AppHint::kShowTimer);
  ASSERT_TRUE(hint_.Showing());
  EXPECT_EQ(hint_.Text(), kCloseHint);

  Font font = MakeFont(AppHint::HintFont());
  const SIZE size = AppHint::HintSize(font.get(), kCloseHint);
  const RECT shown = Shown();
  EXPECT_EQ(shown.left, pointer.x);
  EXPECT_EQ(shown.top, pointer.y + 10 - 8);  // 10 rows of the cursor below its hot spot
  SetCursor(previous);
  EXPECT_EQ(shown.right - shown.left, size.cx);
  EXPECT_EQ(shown.bottom - shown.top, size.cy);
  // The window's shape: a rounded rectangle made one pixel larger than the hint's rectangle,
  // which a rounded region needs to cover the hint's last column and row.
  Region shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hint_.Handle(), shape.get()), ERROR);
  RECT box{};
  GetRgnBox(shape.get(), &box);
  EXPECT_EQ(box.right, size.cx);
  EXPECT_EQ(box.bottom, size.cy);
  EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));  // the corners are cut
  EXPECT_FALSE(PtInRegion(shape.get(), size.cx - 1, size.cy - 1));
  EXPECT_TRUE(PtInRegion(shape.get(), size.cx / 2, 0));
  EXPECT_TRUE(PtInRegion(shape.get(), size.cx - 1, size.cy / 2));

  Fire(AppHint::kHideTimer);
  EXPECT_FALSE(hint_.Showing());
  hint_.PointerOver(&a_, kCloseHint, pointer);  // resting on the same control: no new hint
  Fire(AppHint::kShowTimer);
  EXPECT_FALSE(hint_.Showing());
}

TEST_F(AppHintTest, WhileOneShowsTheNextControlsHintShowsAtOnce) {
  hint_.PointerOver(&a_, kCloseHint, POINT{100, 100});
  Fire(AppHint::kShowTimer);
  hint_.PointerOver(&b_, kMinimiseHint, POINT{120, 100});
  EXPECT_TRUE(hint_.Showing());
  EXPECT_EQ(hint_.Text(), kMinimiseHint);
  EXPECT_EQ(Shown().left, 120);

  hint_.PointerGone(&b_);
  EXPECT_FALSE(hint_.Showing());
  hint_.PointerOver(&a_, kCloseHint, POINT{100, 100});  // nothing shows: the pause again
  EXPECT_FALSE(hint_.Showing());
  hint_.Cancel();  // a press
  Fire(AppHint::kShowTimer);
  EXPECT_FALSE(hint_.Showing());
}

TEST(AppHintLook, RedRoundedHintWithShadowedWhiteText) {
  Font font = MakeFont(AppHint::HintFont());
  const SIZE size = AppHint::HintSize(font.get(), kCloseHint);
  Picture picture(size.cx, size.cy, kClBlue);
  AppHint::PaintHint(picture.dc(), RECT{0, 0, size.cx, size.cy}, font.get(), kCloseHint);
  struct Pixel {
    const char* what;
    POINT at;
    Colour colour;
  };
  const Pixel pixels[] = {
      {"top outline", {size.cx / 2, 0}, kClBlack},
      {"bottom outline", {size.cx / 2, size.cy - 1}, kClBlack},
      {"left outline", {0, size.cy / 2}, kClBlack},
      {"right outline", {size.cx - 1, size.cy / 2}, kClBlack},
      {"red fill inside the corner", {2, 2}, kClRed},
      {"red fill right of the text", {size.cx - 3, size.cy / 2}, kClRed},
  };
  for (const Pixel& p : pixels) {
    EXPECT_EQ(ColourText(picture.At(p.at.x, p.at.y)), ColourText(p.colour)) << p.what;
  }
  EXPECT_GT(picture.Count(kClWhite), 0);
  EXPECT_GT(picture.Count(kClGray), 0);
}

// Hinted buttons on a panel: the pointer over one arms the hint, also when the button is
// disabled; moving to the neighbour while it shows switches at once; bare panel hides it.
TEST(AppHintRouting, PanelReportsItsHintedButtons) {
  AppHint hint;
  HostForm host;
  Panel& panel = host.Add<Panel>(PanelArgs{{0, 0, 104, 20}, kClRed, false});
  FadeButtonArgs left;
  left.bounds = {44, 0, 20, 20};
  left.hint = kCloseHint;
  left.enabled = false;
  FadeButtonArgs right = left;
  right.bounds = {64, 0, 20, 20};
  right.hint = kMinimiseHint;
  right.enabled = true;
  panel.Add<FadeButton>(left);
  panel.Add<FadeButton>(right);
  auto move = [&](int x) { SendMessageA(panel.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 10)); };
  auto fire = [&](UINT_PTR t) { SendMessageA(hint.Handle(), WM_TIMER, t, 0); };

  move(50);
  EXPECT_FALSE(hint.Showing());
  fire(AppHint::kShowTimer);
  EXPECT_TRUE(hint.Showing());
  EXPECT_EQ(hint.Text(), kCloseHint);
  move(70);
  EXPECT_TRUE(hint.Showing());
  EXPECT_EQ(hint.Text(), kMinimiseHint);
  move(10);
  EXPECT_FALSE(hint.Showing());
}

TEST(AppHintRouting, ShowingAndHidingLeavesNoGdiHandle) {
  AppHint hint;
  const int before = LiveGdiHandles();
  int a = 0, b = 0;
  for (int i = 0; i < 100; ++i) {
    hint.PointerOver((i % 2) ? &a : &b, kCloseHint, POINT{50, 50});
    SendMessageA(hint.Handle(), WM_TIMER, AppHint::kShowTimer, 0);
    UpdateWindow(hint.Handle());
    SendMessageA(hint.Handle(), WM_TIMER, AppHint::kHideTimer, 0);
  }
  EXPECT_EQ(LiveGdiHandles(), before);
}

}  // namespace
}  // namespace tunesafe::widgets
