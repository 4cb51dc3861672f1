// The GDI owners: live counts, giving away, moving, and the select guard putting back the
// object that was selected before.
#include "ui/widgets/gdi.h"

#include <gtest/gtest.h>

#include <utility>

#include "ui/widgets/font.h"

namespace tunesafe::widgets {
namespace {

TEST(GdiOwners, CountEveryHandleTheyHold) {
  const int before = LiveGdiHandles();
  {
    Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    Pen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    Font font = MakeFont(FontStyle{});
    WindowDc screen(nullptr);
    MemoryDc memory(screen.get());
    EXPECT_EQ(LiveGdiHandles(), before + 5);

    Brush moved(std::move(brush));  // a move does not count twice
    EXPECT_EQ(LiveGdiHandles(), before + 5);
    EXPECT_FALSE(brush);
    moved.Reset(CreateSolidBrush(RGB(4, 5, 6)));  // the old one deleted, the new one held
    EXPECT_EQ(LiveGdiHandles(), before + 5);
    moved.Reset();
    EXPECT_EQ(LiveGdiHandles(), before + 4);
  }
  EXPECT_EQ(LiveGdiHandles(), before);
}

TEST(GdiOwners, ReleasedRegionBelongsToTheCallerAndIsNotCounted) {
  const int before = LiveGdiHandles();
  Region region(CreateRectRgn(0, 0, 10, 10));
  HRGN given = region.Release();
  EXPECT_EQ(LiveGdiHandles(), before);
  EXPECT_FALSE(region);
  EXPECT_EQ(GetObjectType(given), static_cast<DWORD>(OBJ_REGION));  // still alive
  DeleteObject(given);
}

TEST(GdiOwners, SelectGuardPutsTheOldObjectBack) {
  WindowDc screen(nullptr);
  MemoryDc memory(screen.get());
  const HGDIOBJ original_bitmap = GetCurrentObject(memory.get(), OBJ_BITMAP);
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 4));
  {
    SelectGuard select(memory.get(), bitmap.get());
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
  }
  EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), original_bitmap);
}

TEST(GdiOwners, OffscreenDrawsInTheTargetsCoordinatesAndLeavesNothing) {
  const int before = LiveGdiHandles();
  {
    WindowDc screen(nullptr);
    Offscreen picture(screen.get(), RECT{100, 50, 110, 60});
    FillColour(picture.get(), RECT{100, 50, 110, 60}, RGB(0, 0, 255));
    FillColour(picture.get(), RECT{105, 55, 106, 56}, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(picture.get(), 100, 50) & 0xFFFFFF, RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(picture.get(), 105, 55) & 0xFFFFFF, RGB(255, 0, 0));
  }
  EXPECT_EQ(LiveGdiHandles(), before);
}

}  // namespace
}  // namespace tunesafe::widgets
