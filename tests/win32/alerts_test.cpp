// The message box of the alerts: caption, text and owner as a user sees them. A helper thread
// waits for the box (with a deadline), reads it and presses OK.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/win32/win32_alerts.h"

namespace tunesafe {
namespace {

// "%s に書き込めません" with a path: a message of the program.
const char kText[] =
    "R:\\cfg\\Tunesafe.ini \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

struct SeenBox {
  bool found = false;
  std::string caption;
  std::string text;
  HWND owner = nullptr;
};

struct BoxSearch {
  DWORD process = GetCurrentProcessId();
  HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof(class_name));
  if (process == search->process && std::string(class_name) == "#32770" &&
      IsWindowVisible(window)) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

// Waits up to 20 s for this process's message box, records it and closes it with OK.
SeenBox ReadAndCloseBox() {
  SeenBox seen;
  const DWORD deadline = GetTickCount() + 20000;
  BoxSearch search;
  while (search.box == nullptr && GetTickCount() < deadline) {
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box == nullptr) Sleep(10);
  }
  if (search.box == nullptr) return seen;
  seen.found = true;
  char buffer[512] = {};
  GetWindowTextA(search.box, buffer, sizeof(buffer));
  seen.caption = buffer;
  GetDlgItemTextA(search.box, 0xFFFF, buffer, sizeof(buffer));  // the box's static text
  seen.text = buffer;
  seen.owner = GetWindow(search.box, GW_OWNER);
  PostMessageA(search.box, WM_COMMAND, IDOK, 0);
  return seen;
}

TEST(AlertsTest, MessageShowsTheTextUnderTheApplicationTitleOwnedByTheGivenWindow) {
  const HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  Win32Alerts alerts([owner] { return owner; });

  SeenBox seen;
  std::thread reader([&seen] { seen = ReadAndCloseBox(); });
  alerts.Message(kText);  // returns when the box is closed
  reader.join();

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, "\x89\xb9\x81\x9a\x94\xa0");  // 音★箱
  EXPECT_EQ(seen.text, kText);
  EXPECT_EQ(seen.owner, owner);
  DestroyWindow(owner);
}

TEST(AlertsTest, SetOwnerReplacesTheOwner) {
  const HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  Win32Alerts alerts;
  alerts.SetOwner(owner);
  SeenBox seen;
  std::thread reader([&seen] { seen = ReadAndCloseBox(); });
  alerts.Message("x");
  reader.join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, owner);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace tunesafe
