// Shadow labels: the two passes, alignment, vertical centring and the automatic size; and
// the plain label and shape drawing.
#include "ui/widgets/shadow_label.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/test_support.h"
#include "ui/widgets/label.h"
#include "ui/widgets/shape.h"

namespace tunesafe::widgets {
namespace {

using testing::ColourText;
using testing::HostForm;
using testing::Picture;

const FontStyle kCaptionFont{kFaceMsPGothic, -11, true, false, kDarkText};

struct ShadowCase {
  const char* what;
  Alignment alignment;
  int width, height;  // fixed size (no auto size)
};

// Draws what a shadow label must show: the silver copy at +1,+1, then the text, both
// without background, laid out in a box of `width` x `height`.
void DrawExpected(Picture& picture, const std::string& text, const ShadowCase& c) {
  Font font = MakeFont(kCaptionFont);
  SelectGuard select(picture.dc(), font.get());
  SIZE size{};
  GetTextExtentPoint32A(picture.dc(), text.c_str(), static_cast<int>(text.size()), &size);
  int x = 0;
  if (c.alignment == Alignment::kRight) x = c.width - size.cx;
  if (c.alignment == Alignment::kCenter) x = (c.width - size.cx) / 2;
  const int y = (c.height - size.cy) / 2;
  SetBkMode(picture.dc(), TRANSPARENT);
  SetTextColor(picture.dc(), kClSilver);
  TextOutA(picture.dc(), x + 1, y + 1, text.c_str(), static_cast<int>(text.size()));
  SetTextColor(picture.dc(), kDarkText);
  TextOutA(picture.dc(), x, y, text.c_str(), static_cast<int>(text.size()));
}

TEST(ShadowLabel, DrawsTheSilverShadowThenTheTextInItsBox) {
  // "ミュージックファイル数-"
  const std::string text =
      "\x83\x7e\x83\x85\x81\x5b\x83\x57\x83\x62\x83\x4e\x83\x74\x83\x40\x83\x43\x83\x8b\x90\x94"
      "\x2d";
  const ShadowCase cases[] = {
      {"left", Alignment::kLeft, 160, 11},
      {"right", Alignment::kRight, 160, 11},
      {"centre, taller than the text", Alignment::kCenter, 160, 24},
  };
  HostForm host(kPaleCream);
  for (const ShadowCase& c : cases) {
    ShadowLabelArgs args{{0, 0, c.width, c.height}, text, kCaptionFont, c.alignment, false};
    ShadowLabel& label = host.Add<ShadowLabel>(args);
    Picture actual(c.width + 2, c.height + 2, kPaleCream);
    label.Paint(actual.dc(), RECT{0, 0, c.width, c.height});
    Picture expected(c.width + 2, c.height + 2, kPaleCream);
    DrawExpected(expected, text, c);
    EXPECT_EQ(testing::FirstDifference(actual, expected), "") << c.what;
    EXPECT_GT(actual.Count(kClSilver), 0) << c.what;
    EXPECT_GT(actual.Count(kDarkText), 0) << c.what;
  }
}

// Where the shadow shows, the text's ink lies 1 pixel left and 1 up: compare the label with
// a copy whose shadow has the background's colour (text is smoothed, so compare, not match).
TEST(ShadowLabel, ShadowLiesOnePixelRightAndDownOfTheText) {
  HostForm host(kPaleCream);
  ShadowLabelArgs args{{0, 0, 60, 16}, "HIL", kCaptionFont, Alignment::kLeft, false};
  ShadowLabel& label = host.Add<ShadowLabel>(args);
  args.shadow_colour = kPaleCream;
  ShadowLabel& unshadowed = host.Add<ShadowLabel>(args);
  Picture with(64, 20, kPaleCream);
  Picture without(64, 20, kPaleCream);
  label.Paint(with.dc(), RECT{0, 0, 60, 16});
  unshadowed.Paint(without.dc(), RECT{0, 0, 60, 16});
  int shadow_pixels = 0;
  for (int y = 1; y < 20; ++y) {
    for (int x = 1; x < 64; ++x) {
      if (with.At(x, y) == without.At(x, y)) continue;
      ++shadow_pixels;
      EXPECT_NE(ColourText(without.At(x - 1, y - 1)), ColourText(kPaleCream)) << x << "," << y;
    }
  }
  EXPECT_GT(shadow_pixels, 0);
  EXPECT_GT(with.Count(kClSilver), 0);
}

TEST(ShadowLabel, AutoSizeKeepsTheRightEdgeOfARightAlignedLabel) {
  HostForm host;
  struct SizeCase {
    Alignment alignment;
    Bounds bounds;
    int fixed_edge;  // left, or right for a right-aligned label
  };
  const SizeCase cases[] = {
      {Alignment::kRight, {8, 28, 120, 11}, 128},
      {Alignment::kLeft, {18, 8, 125, 12}, 18},
  };
  for (const SizeCase& c : cases) {
    ShadowLabelArgs args{c.bounds, "abc", kCaptionFont, c.alignment, true};
    ShadowLabel& label = host.Add<ShadowLabel>(args);
    Font font = MakeFont(kCaptionFont);
    for (const std::string text : {"abc", "a much longer status text"}) {
      label.SetCaption(text);
      const SIZE size = MeasureText(font.get(), text);
      EXPECT_EQ(label.Place().width, size.cx) << text;
      EXPECT_EQ(label.Place().height, size.cy) << text;
      const int edge = c.alignment == Alignment::kRight ? label.Place().left + label.Place().width
                                                        : label.Place().left;
      EXPECT_EQ(edge, c.fixed_edge) << text;
    }
  }
}

TEST(Label, OwnBackgroundOrTransparent) {
  HostForm host;
  const FontStyle font{kFaceTahoma, -12, true, false, kClWhite};
  LabelArgs opaque{{0, 0, 40, 14}, "", font, kClRed, false, false};
  LabelArgs transparent{{0, 0, 40, 14}, "", font, kClRed, true, false};
  Label& a = host.Add<Label>(opaque);
  Label& b = host.Add<Label>(transparent);
  Picture picture(40, 14, kClBlue);
  b.Paint(picture.dc(), RECT{0, 0, 40, 14});
  EXPECT_EQ(ColourText(picture.At(20, 7)), ColourText(kClBlue));
  a.Paint(picture.dc(), RECT{0, 0, 40, 14});
  EXPECT_EQ(ColourText(picture.At(20, 7)), ColourText(kClRed));
}

TEST(Label, WordWrapBreaksWithinTheWidthAndGrowsOnlyInHeight) {
  HostForm host;
  const FontStyle font{kFaceMsPGothic, -11, false, false, kDarkText};
  // Latin words break at blanks; Japanese text, which has none, between characters.
  const std::string japanese =
      "\x83\x7e\x83\x85\x81\x5b\x83\x57\x83\x62\x83\x4e\x83\x74\x83\x40\x83\x43\x83\x8b\x90\x94"
      "\x83\x7e\x83\x85\x81\x5b\x83\x57\x83\x62\x83\x4e\x83\x74\x83\x40\x83\x43\x83\x8b\x90\x94";
  const int line = MeasureText(MakeFont(font).get(), "one").cy;
  for (const std::string& text :
       {std::string("one two three four five six seven eight nine ten"), japanese}) {
    LabelArgs args{{16, 68, 120, 11}, text, font, kClWhite, false, true, true};
    Label& label = host.Add<Label>(args);
    EXPECT_EQ(label.Place().width, 120);
    EXPECT_GE(label.Place().height, 2 * line);
    Picture picture(140, label.Place().height, kClWhite);
    label.Paint(picture.dc(), RECT{0, 0, 120, label.Place().height});
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 120; x < 140; ++x)
        ASSERT_EQ(picture.At(x, y), kClWhite) << "ink beyond the width";
    }
  }
}

TEST(Shape, FillsAndOutlinesInsideItsBounds) {
  HostForm host;
  for (int pen_width : {1, 2}) {
    Shape& shape = host.Add<Shape>(ShapeArgs{{0, 0, 30, 20}, kPaleCream, kClGray, pen_width});
    Picture picture(32, 22, kClBlue);
    shape.Paint(picture.dc(), RECT{0, 0, 30, 20});
    for (int i = 0; i < pen_width; ++i) {
      EXPECT_EQ(ColourText(picture.At(i, 10)), ColourText(kClGray)) << pen_width;
      EXPECT_EQ(ColourText(picture.At(29 - i, 10)), ColourText(kClGray)) << pen_width;
      EXPECT_EQ(ColourText(picture.At(15, 19 - i)), ColourText(kClGray)) << pen_width;
    }
    EXPECT_EQ(ColourText(picture.At(pen_width, pen_width)), ColourText(kPaleCream));
    EXPECT_EQ(ColourText(picture.At(30, 10)), ColourText(kClBlue)) << "outside the bounds";
  }
}

}  // namespace
}  // namespace tunesafe::widgets
