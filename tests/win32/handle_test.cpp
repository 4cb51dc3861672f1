// The handle owners: each handle is closed exactly once, and the live count follows them.
#include "platform/win32/handle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

namespace tunesafe {
namespace {

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

class HandleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(HandleCountingEnabled());
    base_ = LiveHandleCount();
  }
  int Live() const { return LiveHandleCount() - base_; }
  int base_ = 0;
};

TEST_F(HandleTest, ClosesItsHandleWhenItGoes) {
  HANDLE raw = nullptr;
  {
    const UniqueHandle owner(NewEvent());
    raw = owner.Get();
    ASSERT_TRUE(IsOpen(raw));
    EXPECT_EQ(Live(), 1);
  }
  EXPECT_FALSE(IsOpen(raw));
  EXPECT_EQ(Live(), 0);
}

TEST_F(HandleTest, NoneValuesAreNotCountedNorClosed) {
  for (HANDLE none : {HANDLE{nullptr}, INVALID_HANDLE_VALUE}) {
    const UniqueHandle owner(none);
    const UniqueFindHandle find(none);
    EXPECT_FALSE(owner);
    EXPECT_FALSE(find);
    EXPECT_EQ(Live(), 0);
  }
  WIN32_FIND_DATAA data;
  const UniqueFindHandle failed(FindFirstFileA("R:\\no such folder\\*.*", &data));
  EXPECT_FALSE(failed);
  EXPECT_EQ(Live(), 0);
}

TEST_F(HandleTest, MovingHandsTheHandleOverAndAssigningClosesTheOldOne) {
  UniqueHandle first(NewEvent());
  const HANDLE first_raw = first.Get();
  UniqueHandle second(std::move(first));
  EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_EQ(second.Get(), first_raw);
  EXPECT_EQ(Live(), 1);

  UniqueHandle third(NewEvent());
  const HANDLE third_raw = third.Get();
  third = std::move(second);
  EXPECT_FALSE(IsOpen(third_raw));
  EXPECT_EQ(third.Get(), first_raw);
  EXPECT_EQ(Live(), 1);

  third.Reset();
  EXPECT_FALSE(IsOpen(first_raw));
  EXPECT_EQ(Live(), 0);
}

TEST_F(HandleTest, ReleaseGivesTheHandleUpOpen) {
  UniqueHandle owner(NewEvent());
  const HANDLE raw = owner.Release();
  EXPECT_FALSE(owner);
  EXPECT_EQ(Live(), 0);
  EXPECT_TRUE(IsOpen(raw));
  CloseHandle(raw);
}

TEST_F(HandleTest, FindHandlesAreCountedUntilClosed) {
  WIN32_FIND_DATAA data;
  {
    UniqueFindHandle find(FindFirstFileA("C:\\*.*", &data));
    ASSERT_TRUE(find);
    EXPECT_EQ(Live(), 1);
    find.Reset(FindFirstFileA("C:\\*.*", &data));  // the first enumeration is closed
    EXPECT_EQ(Live(), 1);
  }
  EXPECT_EQ(Live(), 0);
}

}  // namespace
}  // namespace tunesafe
