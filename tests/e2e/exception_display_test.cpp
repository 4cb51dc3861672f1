// The program's failure paths in-process under Wine: the guarded block of the program entry,
// an exception leaving an event handler, and one leaving the main window's first activation.
// Every message box is read when it opens (a thread hook on WM_INITDIALOG) and dismissed
// with OK at once, so nothing waits on a person or a clock.
//
// The failure used by the window cases is a real one: without a progress window, a scan
// throws "no progress window".
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/error.h"
#include "ui/Mainwindow1.h"
#include "ui/Progresswindow1.h"
#include "ui/app.h"

namespace {

constexpr char kTitle[] = "\x89\xb9\x81\x9a\x94\xa0";  // 音★箱

struct ShownBox {
  std::string caption;
  std::string text;
  bool stop_icon = false;
  int buttons = 0;  // visible buttons
  bool ok_button = false;
  HWND owner = nullptr;
  int main_tag = -1;  // the main window's Tag when the box opened
};

std::vector<ShownBox>* g_boxes = nullptr;

std::string TextOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
  auto* box = reinterpret_cast<ShownBox*>(param);
  char class_name[64] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if (lstrcmpiA(class_name, "Static") == 0) {
    if ((style & SS_TYPEMASK) == SS_ICON) {
      const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
      box->stop_icon = icon && icon == LoadIconA(nullptr, IDI_HAND);
    } else {
      box->text = TextOf(child);
    }
  } else if (lstrcmpiA(class_name, "Button") == 0 && (style & WS_VISIBLE)) {
    ++box->buttons;
    if (GetDlgCtrlID(child) == IDOK) box->ok_button = true;
  }
  return TRUE;
}

// After a dialog's WM_INITDIALOG: the box holds its texts and buttons; read it and press OK.
LRESULT CALLBACK AfterWindowProcedure(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  char class_name[16] = {};
  if (code == HC_ACTION && call->message == WM_INITDIALOG && g_boxes &&
      GetClassNameA(call->hwnd, class_name, sizeof class_name) &&
      lstrcmpA(class_name, "#32770") == 0) {
    ShownBox box;
    box.caption = TextOf(call->hwnd);
    box.owner = GetWindow(call->hwnd, GW_OWNER);
    box.main_tag = MainForm1 ? MainForm1->Tag() : -1;
    EnumChildWindows(call->hwnd, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
    g_boxes->push_back(box);
    PostMessageA(call->hwnd, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

class ExceptionDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_boxes = &boxes_;
    hook_ =
        SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProcedure, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    // As the program entry sets it up.
    tunesafe::widgets::Window::SetExceptionHandler(&tunesafe::Application::ShowException);
  }
  void TearDown() override {
    form_.reset();
    if (!settings_path_.empty()) DeleteFileA(settings_path_.c_str());
    UnhookWindowsHookEx(hook_);
    g_boxes = nullptr;
  }

  // The settings file beside the test program, which the main window reads as its own.
  void WriteSettings(const std::string& text) {
    settings_path_ = form_->ProgramDir() + "\\Tunesafe.ini";
    std::ofstream(settings_path_, std::ios::binary) << text;
  }

  // The exception display's look; `text` is what the box says.
  void ExpectExceptionDisplay(const ShownBox& box, const std::string& text) {
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(box.text, text);
    EXPECT_TRUE(box.stop_icon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.ok_button);
  }

  std::vector<ShownBox> boxes_;
  HHOOK hook_ = nullptr;
  std::unique_ptr<TMainForm1> form_;
  std::string settings_path_;
};

TEST_F(ExceptionDisplayTest, GuardedBlockShowsWhatLeavesItAndReturnsZero) {
  struct Case {
    const char* name;
    void (*body)();
    const char* shown;
  };
  const Case cases[] = {
      {"message ending in a letter", [] { throw tunesafe::Error("no progress window"); },
       "no progress window."},
      {"message with its own period", [] { throw std::runtime_error("Access denied."); },
       "Access denied."},
      {"empty message", [] { throw tunesafe::Error(""); }, ""},
      {"not an exception", [] { throw 42; }, ""},
      {"nothing thrown", [] {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.clear();
    EXPECT_EQ(tunesafe::Application::RunGuarded(c.body), 0);
    if (!c.shown) {
      EXPECT_TRUE(boxes_.empty());
      continue;
    }
    ASSERT_EQ(boxes_.size(), 1u);
    ExpectExceptionDisplay(boxes_[0], c.shown);
  }
}

TEST_F(ExceptionDisplayTest, HandlerExceptionIsShownAndTheWindowGoesOn) {
  form_ = std::make_unique<TMainForm1>();
  auto progress = std::make_unique<TProgressForm1>(form_->Handle());
  form_->Show();
  ASSERT_EQ(form_->Tag(), 1);
  ASSERT_TRUE(boxes_.empty());
  progress.reset();  // from now on every scan fails
  // A press and release on the refresh button (Panel1 (6,98) + Button12 (260,8), 40 x 20).
  const HWND panel = form_->Panel1->Handle();
  const LPARAM point = MAKELPARAM(280, 18);
  for (size_t click = 1; click <= 2; ++click) {
    SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(panel, WM_LBUTTONUP, 0, point);
    ASSERT_EQ(boxes_.size(), click) << "click " << click;
    ExpectExceptionDisplay(boxes_.back(), "no progress window.");
    EXPECT_EQ(boxes_.back().owner, form_->Handle());
  }
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(form_->Tag(), 1);
}

TEST_F(ExceptionDisplayTest, FirstActivationFailingBeforeTagRunsAgainOnNextActivation) {
  form_ = std::make_unique<TMainForm1>();
  // The saved scope "music only" turns its choice on during the settings read, and that
  // choice's scan fails before Tag is set; the activation's own final scan fails after it.
  WriteSettings("[SET1]\r\nC0_R1=0\r\nC0_R2=1\r\nC0_R3=0\r\n");
  form_->Show();
  // Another activation, whether or not the closing box already handed one back.
  const auto activate_again = [this] {
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    SetActiveWindow(form_->Handle());
    DestroyWindow(other);
  };
  activate_again();

  ASSERT_EQ(boxes_.size(), 2u);
  ExpectExceptionDisplay(boxes_[0], "no progress window.");
  EXPECT_EQ(boxes_[0].main_tag, 0);  // the settings read failed: not yet done
  EXPECT_EQ(boxes_[0].owner, form_->Handle());
  ExpectExceptionDisplay(boxes_[1], "no progress window.");
  EXPECT_EQ(boxes_[1].main_tag, 1);  // the final scan failed: the first activation is done
  EXPECT_EQ(form_->Tag(), 1);

  activate_again();
  EXPECT_EQ(boxes_.size(), 2u);  // later activations do nothing
}

}  // namespace
