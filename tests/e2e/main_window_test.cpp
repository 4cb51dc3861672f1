// The main window in-process under Wine: its form, the windowed controls at their places with
// their texts, the fields the core writes, the reachability rule, the information page's
// address and the start-up show commands.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <memory>
#include <string>

#include "core/media_table.h"
#include "platform/win32/win32_code_page.h"
#include "ui/Mainwindow1.h"
#include "ui/app.h"
#include "ui/main_window_texts.h"

namespace {

namespace text = tunesafe::main_window_texts;

RECT PlaceInMainWindow(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, MainForm1->Handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string TextOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { form_ = std::make_unique<TMainForm1>(); }
  void TearDown() override { form_.reset(); }
  std::unique_ptr<TMainForm1> form_;
};

TEST_F(MainWindowTest, FormIsTheBorderlessTaskbarWindowOfTheLayout) {
  EXPECT_EQ(MainForm1, form_.get());
  HWND window = form_->Handle();
  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "TMainForm1");
  EXPECT_EQ(TextOf(window), "\x89\xb9\x81\x9a\x94\xa0");  // 音★箱
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 20);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, 326);
  EXPECT_EQ(rect.bottom - rect.top, 313);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX));
  EXPECT_TRUE(ex_style & WS_EX_APPWINDOW);
  EXPECT_TRUE(ex_style & WS_EX_ACCEPTFILES);  // DragAcceptFiles
  EXPECT_EQ(form_->Tag(), 0);
}

TEST_F(MainWindowTest, ConstructionSetsErrorModeProgramDirAndHeaderRow) {
  EXPECT_EQ(GetErrorMode() & SEM_FAILCRITICALERRORS, static_cast<UINT>(SEM_FAILCRITICALERRORS));
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of('\\'));
  EXPECT_EQ(form_->ProgramDir(), folder);
  EXPECT_EQ(form_->StringGrid1().Cell(tunesafe::kFolderColumn, 0), tunesafe::kHeaderFolder);
  EXPECT_EQ(form_->StringGrid1().Cell(tunesafe::kFileColumn, 0), tunesafe::kHeaderFile);
}

TEST_F(MainWindowTest, WindowedControlsSitAtTheirPlaces) {
  struct Case {
    const char* name;
    HWND window;
    RECT expected;  // in the main window: parent place + control place
  };
  const Case cases[] = {
      {"Panel0", form_->Panel0->Handle(), {216, 2, 320, 22}},
      {"Panel1", form_->Panel1->Handle(), {6, 98, 318, 206}},
      {"Panel2", form_->Panel2->Handle(), {252, 32, 318, 44}},
      {"Panel3", form_->Panel3->Handle(), {6, 214, 318, 302}},
      {"C0_01", form_->C0_01->Handle(), {122, 106, 262, 125}},
      {"C0_02", form_->C0_02->Handle(), {122, 126, 262, 145}},
      {"RadioButton1", form_->RadioButton1->Handle(), {122, 150, 252, 167}},
      {"RadioButton2", form_->RadioButton2->Handle(), {122, 166, 252, 183}},
      {"RadioButton3", form_->RadioButton3->Handle(), {122, 182, 252, 199}},
  };
  for (const Case& c : cases) {
    const RECT place = PlaceInMainWindow(c.window);
    EXPECT_EQ(place.left, c.expected.left) << c.name;
    EXPECT_EQ(place.top, c.expected.top) << c.name;
    EXPECT_EQ(place.right, c.expected.right) << c.name;
    EXPECT_EQ(place.bottom, c.expected.bottom) << c.name;
  }
}

TEST_F(MainWindowTest, StartStateOfTheFields) {
  EXPECT_EQ(TextOf(form_->C0_01->Handle()), "");
  EXPECT_EQ(TextOf(form_->C0_02->Handle()), "");
  EXPECT_EQ(TextOf(form_->RadioButton1->Handle()), text::kScopeBoth);
  EXPECT_EQ(TextOf(form_->RadioButton2->Handle()), text::kScopeMusic);
  EXPECT_EQ(TextOf(form_->RadioButton3->Handle()), text::kScopeMovies);
  EXPECT_TRUE(form_->ScopeChecked(tunesafe::Scope::kMusicAndMovies));
  EXPECT_FALSE(form_->ScopeChecked(tunesafe::Scope::kMusicOnly));
  EXPECT_FALSE(form_->ScopeChecked(tunesafe::Scope::kMoviesOnly));
  EXPECT_FALSE(form_->Button10->Enabled());
  EXPECT_EQ(form_->Button10->CaptionColour(), tunesafe::kColourMaroon);
  // The edits are read-only and no tab stops; the choices are.
  for (HWND edit : {form_->C0_01->Handle(), form_->C0_02->Handle()}) {
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrA(edit, GWL_STYLE) & WS_TABSTOP);
  }
  EXPECT_TRUE(GetWindowLongPtrA(form_->RadioButton1->Handle(), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(MainWindowTest, FieldsTheCoreWritesReachTheControls) {
  form_->SetDriveText(
      "\x83h\x83\x89\x83"
      "C\x83u Q:");  // ドライブ Q:
  form_->SetScanRoot("Q:\\iPod_Control");
  form_->SetCountText(
      "9 \x83t\x83@\x83"
      "C\x83\x8b");  // 9 ファイル
  EXPECT_EQ(TextOf(form_->C0_01->Handle()), form_->DriveText());
  EXPECT_EQ(form_->DriveText(),
            "\x83h\x83\x89\x83"
            "C\x83u Q:");
  EXPECT_EQ(form_->ScanRoot(), "Q:\\iPod_Control");
  EXPECT_EQ(TextOf(form_->C0_02->Handle()),
            "9 \x83t\x83@\x83"
            "C\x83\x8b");

  form_->SetStartButton(tunesafe::kColourWhite, true);
  EXPECT_TRUE(form_->Button10->Enabled());
  EXPECT_EQ(form_->Button10->CaptionColour(), tunesafe::kColourWhite);
  form_->SetStartButton(tunesafe::kColourMaroon, false);
  EXPECT_FALSE(form_->Button10->Enabled());
  EXPECT_EQ(form_->Button10->CaptionColour(), tunesafe::kColourMaroon);

  // Unchecking runs no click handler, so no scan starts.
  form_->SetScopeChecked(tunesafe::Scope::kMusicAndMovies, false);
  EXPECT_FALSE(form_->ScopeChecked(tunesafe::Scope::kMusicAndMovies));

  form_->SetLeft(-8);
  form_->SetTop(40);
  EXPECT_EQ(form_->Left(), -8);
  EXPECT_EQ(form_->Top(), 40);
  form_->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  form_->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

TEST_F(MainWindowTest, ReachableWhenAnyPixelLiesOnAMonitor) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    int left, top;
    bool reachable;
  };
  const Case cases[] = {
      {0, 0, true},     {-325, 0, true},  // one column on the screen
      {-326, 0, false}, {width - 1, 0, true},  {width, 0, false},  {0, -312, true},
      {0, -313, false}, {0, height - 1, true}, {0, height, false}, {-5000, -5000, false},
      // The ends of the int range: the far edge must not wrap round onto the screen.
      {INT_MAX, 0, false}, {0, INT_MAX, false}, {INT_MAX - 325, 0, false}, {INT_MIN, INT_MIN, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(form_->IsReachable(c.left, c.top), c.reachable) << c.left << "," << c.top;
  }
}

TEST(InfoPageAddressTest, BaseNameOfTheProgramFileEncoded) {
  const tunesafe::Win32CodePage code_page;
  struct Case {
    const char* program_path;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Tunesafe\\Tunesafe.exe", "http://h.example/info.php?pf=w&sn=Tunesafe"},
      {"C:\\my.tool.exe", "http://h.example/info.php?pf=w&sn=my.tool"},
      {"C:\\tools\\noext", "http://h.example/info.php?pf=w&sn=noext"},
      {"C:\\Program Files\\a b&c#d.exe", "http://h.example/info.php?pf=w&sn=a%20b%26c%23d"},
      // ソ表.exe: both characters end in the byte of "\", which is no separator there.
      {"C:\\x\\\x83\x5c\x95\x5c.exe", "http://h.example/info.php?pf=w&sn=%83%5C%95%5C"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InfoPageAddress("h.example", c.program_path, code_page), c.expected)
        << c.program_path;
  }
}

TEST(StartsMinimisedTest, OnlyTheMinimisingShowCommands) {
  for (int command : {SW_SHOWMINNOACTIVE, SW_MINIMIZE, SW_SHOWMINIMIZED}) {
    EXPECT_TRUE(tunesafe::StartsMinimised(static_cast<unsigned short>(command))) << command;
  }
  for (int command : {SW_HIDE, SW_SHOWNORMAL, SW_SHOW, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE,
                      SW_RESTORE, SW_SHOWDEFAULT}) {
    EXPECT_FALSE(tunesafe::StartsMinimised(static_cast<unsigned short>(command))) << command;
  }
}

}  // namespace
