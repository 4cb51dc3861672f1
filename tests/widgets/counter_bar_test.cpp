// The counter bar: fill length and colours, the edge, the centred number, and the strip that
// a change of value puts on the screen before the call returns.
#include "ui/widgets/counter_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/test_support.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;
using testing::HostForm;
using testing::Picture;

constexpr int kWidth = 260;  // inner width W = 256
constexpr int kHeight = 15;

CounterBarArgs MusicCounter(std::int32_t position, Colour begin) {
  CounterBarArgs args;
  args.bounds = {10, 10, kWidth, kHeight};
  args.max = 40000;
  args.position = position;
  args.begin_colour = begin;
  return args;
}

std::unique_ptr<Picture> Render(const CounterBar& bar) {
  auto picture = std::make_unique<Picture>(kWidth, kHeight, kClBlack);
  bar.Paint(picture->dc(), RECT{0, 0, kWidth, kHeight});
  return picture;
}

struct FillCase {
  std::int32_t position;
  Colour begin;
  int filled;  // L: columns filled from the inner left edge
  // Colours of sampled inner columns (x from the inner left edge), away from the number.
  std::vector<std::pair<int, Colour>> columns;
};

class CounterFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(CounterFill, FillsTheColumnsWithTheRunOfColours) {
  const FillCase& c = GetParam();
  HostForm host;
  auto& bar = host.Add<CounterBar>(MusicCounter(c.position, c.begin));
  EXPECT_EQ(bar.FillLength(kWidth), c.filled);
  auto picture = Render(bar);
  for (const auto& [x, colour] : c.columns) {
    for (int y : {2, 7, kHeight - 3}) {
      EXPECT_EQ(ColourText(picture->At(2 + x, y)), ColourText(colour))
          << "column " << x << " row " << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, CounterFill,
    ::testing::Values(
        // At Min nothing is filled; 156 of 40000 is 0.998 column, 157 is 1.0048.
        FillCase{0, kClRed, 0, {{0, kClWhite}, {1, kClWhite}}},
        FillCase{156, kClRed, 0, {{0, kClWhite}}},
        FillCase{157, kClRed, 1, {{0, kClRed}, {1, kClWhite}}},
        // A partly filled bar shows only the first part of the run: pink, never white.
        FillCase{10000, kClRed, 64, {{0, kClRed}, {63, MakeColour(255, 62, 62)}, {64, kClWhite}}},
        FillCase{10000, kClBlue, 64, {{0, kClBlue}, {63, MakeColour(62, 62, 255)}, {64, kClWhite}}},
        // Full and beyond Max: every column, up to the last step before the end colour.
        FillCase{40000, kClRed, 256, {{0, kClRed}, {255, MakeColour(255, 254, 254)}}},
        FillCase{40001, kClRed, 256, {{0, kClRed}, {255, MakeColour(255, 254, 254)}}},
        FillCase{40001, kClBlue, 256, {{0, kClBlue}, {255, MakeColour(254, 254, 255)}}},
        // Below Min: no fill at all.
        FillCase{-3, kClRed, 0, {{0, kClWhite}, {255, kClWhite}}},
        FillCase{-3, kClBlue, 0, {{0, kClWhite}}}));

TEST(CounterBar, ProductIsThirtyTwoBitAndCappedAtTheInnerWidth) {
  HostForm host;
  auto& bar = host.Add<CounterBar>(MusicCounter(0, kClRed));
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {20000, 128}, {39999, 255}, {8388607, 256},  // 8388607 * 256 still fits in 32 bits: capped
      {8388608, 0},  // 8388608 * 256 wraps to a negative 32-bit product: nothing filled
      {-40000, 0},
  };
  for (const auto& [position, filled] : cases) {
    bar.SetPosition(position);
    EXPECT_EQ(bar.FillLength(kWidth), filled) << position;
  }
}

// The sunken edge, the white ring inside it, and the true value as a centred number, against
// a picture drawn here from the rules.
TEST(CounterBar, DrawsTheEdgeAndTheTrueValueCentred) {
  HostForm host;
  for (std::int32_t value : {0, 7, 40001, -3}) {
    CounterBarArgs args = MusicCounter(value, kClWhite);  // a white fill shows only the number
    auto& bar = host.Add<CounterBar>(args);
    auto actual = Render(bar);

    Picture expected(kWidth, kHeight, kClWhite);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    FillColour(expected.dc(), RECT{0, 0, kWidth - 1, 1}, shadow);
    FillColour(expected.dc(), RECT{0, 0, 1, kHeight - 1}, shadow);
    FillColour(expected.dc(), RECT{0, kHeight - 1, kWidth, kHeight}, light);
    FillColour(expected.dc(), RECT{kWidth - 1, 0, kWidth, kHeight}, light);
    Font font = MakeFont(args.font);
    SelectGuard select(expected.dc(), font.get());
    const std::string number = std::to_string(value);
    SIZE text{};
    GetTextExtentPoint32A(expected.dc(), number.c_str(), static_cast<int>(number.size()), &text);
    SetBkMode(expected.dc(), TRANSPARENT);
    SetTextColor(expected.dc(), kDarkText);
    TextOutA(expected.dc(), (kWidth - text.cx) / 2, (kHeight - text.cy) / 2, number.c_str(),
             static_cast<int>(number.size()));

    EXPECT_EQ(testing::FirstDifference(*actual, expected), "") << "value " << value;
    EXPECT_GT(actual->Count(kDarkText), 0) << "value " << value;
  }
}

// Steps without any message handled must show on the screen before each call returns: the
// window's pixels equal the bar's full drawing after every step.
TEST(CounterBar, StepShowsOnTheScreenWithoutMessages) {
  HostForm host;
  CounterBarArgs args = MusicCounter(0, kClRed);
  args.max = 256;  // one column per step
  auto& bar = host.Add<CounterBar>(args);
  host.Show();
  UpdateWindow(host.Handle());
  RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  struct Change {
    const char* what;
    void (*apply)(CounterBar&);
    std::int32_t position;
  };
  const Change changes[] = {
      {"StepIt", [](CounterBar& b) { b.StepIt(); }, 1},
      {"StepIt", [](CounterBar& b) { b.StepIt(); }, 2},
      {"StepBy 50", [](CounterBar& b) { b.StepBy(50); }, 52},
      {"StepBy -1", [](CounterBar& b) { b.StepBy(-1); }, 51},
      {"Position 300", [](CounterBar& b) { b.SetPosition(300); }, 300},
      {"Position -3", [](CounterBar& b) { b.SetPosition(-3); }, -3},
      {"Position 99", [](CounterBar& b) { b.SetPosition(99); }, 99},
  };
  for (const Change& change : changes) {
    change.apply(bar);
    EXPECT_EQ(bar.Position(), change.position) << change.what;
    auto shown = testing::Capture(bar.Handle());
    EXPECT_EQ(testing::FirstDifference(*shown, *Render(bar)), "") << change.what;
  }
}

TEST(CounterBar, NewBeginColourWaitsForTheRepaintOfTheWholeBar) {
  HostForm host;
  auto& bar = host.Add<CounterBar>(MusicCounter(40000, kClRed));
  host.Show();
  RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  bar.SetBeginColour(kClBlue);
  RECT pending{};
  ASSERT_TRUE(GetUpdateRect(bar.Handle(), &pending, FALSE));
  EXPECT_EQ(pending.left, 0);
  EXPECT_EQ(pending.right, kWidth);
  EXPECT_EQ(ColourText(testing::Capture(bar.Handle())->At(2, 7)), ColourText(kClRed));

  bar.Refresh();
  EXPECT_EQ(ColourText(testing::Capture(bar.Handle())->At(2, 7)), ColourText(kClBlue));
}

}  // namespace
}  // namespace tunesafe::widgets
