#include "ui/Mainwindow1.h"

#include <climits>

#include "core/ansi_text.h"
#include "core/backup_runner.h"
#include "core/device_locator.h"
#include "core/error.h"
#include "core/media_scanner.h"
#include "platform/win32/error_mode.h"
#include "ui/Progresswindow1.h"
#include "ui/app.h"
#include "ui/main_window_texts.h"
#include "ui/widgets/colours.h"
#include "ui/widgets/font.h"

#ifndef TUNESAFE_INFO_HOST
#define TUNESAFE_INFO_HOST "www.example.com"
#endif

namespace w = tunesafe::widgets;
namespace text = tunesafe::main_window_texts;

TMainForm1* MainForm1 = nullptr;

namespace {

// The maker's web host of the information page, set at build time.
constexpr char kInfoHost[] = TUNESAFE_INFO_HOST;
constexpr char kInfoPath[] = "/info.php?pf=w&sn=";
constexpr char kUserGuide[] = "\\Readme.txt";
constexpr char kITunesProgram[] = "iTunes.exe";

// The light red of the window buttons at rest (255, 60, 60).
constexpr tunesafe::Colour kLightRed = 3947775;
// The form's position before the settings file moves it.
constexpr int kInitialLeft = 20;
constexpr int kInitialTop = 20;

std::string ModulePath() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

w::FormArgs FormSettings() {
  w::FormArgs args;
  args.class_name = "TMainForm1";
  args.caption = tunesafe::kApplicationTitle;
  args.bounds = w::Bounds{kInitialLeft, kInitialTop, TMainForm1::kWidth, TMainForm1::kHeight};
  args.colour = w::kClWhite;
  args.extra_ex_style = WS_EX_APPWINDOW;  // a taskbar button of its own
  return args;
}

w::FontStyle TextFont(int height = -11, bool bold = false) {
  return w::FontStyle{w::kFaceMsPGothic, height, bold, false, w::kDarkText};
}

w::LabelArgs TextLabel(w::Bounds bounds, const char* caption, tunesafe::Colour background,
                       bool word_wrap = false) {
  w::LabelArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.font = TextFont();
  args.colour = background;
  args.auto_size = !word_wrap;
  args.word_wrap = word_wrap;
  return args;
}

w::ShadowLabelArgs FieldCaption(w::Bounds bounds, const char* caption) {
  w::ShadowLabelArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.font = TextFont(-11, true);
  args.alignment = w::Alignment::kRight;
  return args;
}

// "info.", "?", "_", "×": light red squares that fade to white with a red caption.
w::FadeButtonArgs WindowButton(w::Bounds bounds, const char* caption, const char* hint,
                               std::function<void()> on_click) {
  w::FadeButtonArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.font = w::FontStyle{w::kFaceTahoma, -12, true, false, w::kClWhite};
  args.colour = kLightRed;
  args.dest_colour = w::kClWhite;
  args.border_colour = w::kClGray;
  args.border_dest_colour = w::kClBlack;
  args.caption_over_colour = w::kClRed;
  args.show_border = true;
  args.border_height = 1;
  args.fade_on_over = true;
  args.fade_on_leave = true;
  args.hint = hint;
  args.on_click = std::move(on_click);
  return args;
}

// The refresh and start buttons: red, switching at once to blue with a yellow caption.
w::FadeButtonArgs PanelButton(w::Bounds bounds, const char* caption, w::FontStyle font,
                              int border_height, bool enabled, const char* hint,
                              std::function<void()> on_click) {
  w::FadeButtonArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.font = font;
  args.colour = w::kClRed;
  args.dest_colour = w::kClBlue;
  args.border_colour = w::kClGray;
  args.border_dest_colour = w::kClBlack;
  args.caption_over_colour = w::kClYellow;
  args.border_height = border_height;
  args.enabled = enabled;
  args.hint = hint;
  args.on_click = std::move(on_click);
  return args;
}

w::RadioButtonArgs ScopeChoice(w::Bounds bounds, const char* caption, bool checked,
                               std::function<void()> on_click) {
  w::RadioButtonArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.checked = checked;
  args.on_click = std::move(on_click);
  return args;
}

w::EditArgs ReadOnlyField(w::Bounds bounds) {
  w::EditArgs args;
  args.bounds = bounds;
  return args;
}

void AddStyle(HWND window, int which, LONG_PTR bits) {
  SetWindowLongPtrA(window, which, GetWindowLongPtrA(window, which) | bits);
}

// Puts a flag back when the first activation ends, however it ends.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TMainForm1::TMainForm1()
    : w::Form(FormSettings()),
      alerts_([] { return GetActiveWindow(); }),
      table_(code_page_),
      program_path_(ModulePath()),
      program_dir_(tunesafe::ProgramDirOf(program_path_, code_page_)),
      settings_path_(tunesafe::SettingsPathFor(program_path_, code_page_)),
      profile_store_(settings_path_) {
  // A minimise box lets the taskbar button minimise and restore the borderless window.
  AddStyle(Handle(), GWL_STYLE, WS_MINIMIZEBOX);
  AppHint1 = std::make_unique<w::AppHint>();
  CreateTitleStrip();
  CreateInstructions();
  CreateStatusPanel();
  CreateStartPanel();

  DragAcceptFiles(Handle(), TRUE);
  tunesafe::SetCriticalErrorMode();
  table_.SetCell(tunesafe::kFolderColumn, 0, tunesafe::kHeaderFolder);
  table_.SetCell(tunesafe::kFileColumn, 0, tunesafe::kHeaderFile);
  MainForm1 = this;
}

TMainForm1::~TMainForm1() {
  if (MainForm1 == this) MainForm1 = nullptr;
}

// The controls drawn on the window's own surface, in drawing order: the strip, the body,
// the title, the two panel shadows.
void TMainForm1::CreateTitleStrip() {
  Shape9 = &Add<w::Shape>(w::ShapeArgs{{0, 0, kWidth, 25}, w::kClRed, w::kClBlack, 1});
  Shape0 = &Add<w::Shape>(w::ShapeArgs{{0, 23, kWidth, 290}, w::kClWhite, w::kClGray, 2});
  w::LabelArgs title;
  title.bounds = {8, 6, 112, 14};
  title.caption = text::kTitleLabel;
  title.font = w::FontStyle{w::kFaceTahoma, -12, true, false, w::kClWhite};
  title.colour = w::kClRed;
  Label1 = &Add<w::Label>(title);
  Shape1 = &Add<w::Shape>(w::ShapeArgs{{8, 100, 312, 108}, w::kClSilver, w::kClSilver, 1});
  Shape3 = &Add<w::Shape>(w::ShapeArgs{{8, 216, 312, 88}, w::kClSilver, w::kClSilver, 1});

  Panel0 = &Add<w::Panel>(w::PanelArgs{{216, 2, 104, 20}, w::kClRed, false});
  Button4 = &Panel0->Add<w::FadeButton>(WindowButton({0, 0, 40, 20}, text::kInfoCaption,
                                                     text::kInfoHint, [this] { Button4Click(); }));
  Button3 = &Panel0->Add<w::FadeButton>(WindowButton({44, 0, 20, 20}, text::kGuideCaption,
                                                     text::kGuideHint, [this] { Button3Click(); }));
  Button2 = &Panel0->Add<w::FadeButton>(WindowButton(
      {64, 0, 20, 20}, text::kMinimiseCaption, text::kMinimiseHint, [this] { Button2Click(); }));
  Button1 = &Panel0->Add<w::FadeButton>(WindowButton({84, 0, 20, 20}, text::kCloseCaption,
                                                     text::kCloseHint, [this] { Button1Click(); }));
}

// The set-up instructions on the white body, with the link that opens iTunes.
void TMainForm1::CreateInstructions() {
  Label0_2 = &Add<w::Label>(
      TextLabel({16, 68, 300, 25}, text::kSetupCopyFiles, w::kClWhite, /*word_wrap=*/true));
  Label0_1 = &Add<w::Label>(TextLabel({12, 36, 125, 11}, text::kSetupHeading, w::kClWhite));
  Label2 = &Add<w::Label>(TextLabel({16, 52, 260, 11}, text::kSetupDiskMode, w::kClWhite));

  Panel2 = &Add<w::Panel>(w::PanelArgs{{252, 32, 66, 12}, w::kClWhite, false});
  w::FadeButtonArgs link;
  link.bounds = {0, 0, 66, 12};
  link.caption = text::kITunesCaption;
  link.font = w::FontStyle{w::kFaceMsPGothic, -11, false, true, w::kDarkText};
  link.colour = w::kClWhite;
  link.dest_colour = w::kClWhite;
  link.border_colour = w::kClGray;
  link.border_dest_colour = w::kClBlack;
  link.caption_over_colour = w::kClBlue;
  link.show_border = false;
  link.hint = text::kITunesHint;
  link.on_click = [this] { Button13Click(); };
  Button13 = &Panel2->Add<w::FadeButton>(link);
}

// The status panel: drive, file count, scope choice and the refresh button.
void TMainForm1::CreateStatusPanel() {
  Panel1 = &Add<w::Panel>(w::PanelArgs{{6, 98, 312, 108}, w::kPaleCream, true});
  w::Panel& panel = *Panel1;
  L0_01 = &panel.Add<w::ShadowLabel>(FieldCaption({57, 12, 55, 11}, text::kDriveCaption));
  L0_02 = &panel.Add<w::ShadowLabel>(FieldCaption({7, 32, 105, 11}, text::kCountCaption));
  ShadowLabel1 = &panel.Add<w::ShadowLabel>(FieldCaption({19, 56, 93, 11}, text::kScopeCaption));
  Button12 = &panel.Add<w::FadeButton>(
      PanelButton({260, 8, 40, 20}, text::kRefreshCaption,
                  w::FontStyle{w::kFaceMsPGothic, -11, false, false, w::kClWhite}, 1, true,
                  text::kRefreshHint, [this] { Button12Click(); }));
  // The scope choices first: they are the panel's only tab stops, in this order.
  const auto on_choice = [this] { RadioButton1Click(); };
  RadioButton1 = &panel.Add<w::RadioButton>(
      ScopeChoice({116, 52, 130, 17}, text::kScopeBoth, true, on_choice));
  RadioButton2 = &panel.Add<w::RadioButton>(
      ScopeChoice({116, 68, 130, 17}, text::kScopeMusic, false, on_choice));
  RadioButton3 = &panel.Add<w::RadioButton>(
      ScopeChoice({116, 84, 130, 17}, text::kScopeMovies, false, on_choice));
  C0_01 = &panel.Add<w::Edit>(ReadOnlyField({116, 8, 140, 19}));
  C0_02 = &panel.Add<w::Edit>(ReadOnlyField({116, 28, 140, 19}));
  // Keyboard: Tab reaches the panel's controls, and the arrow keys move within the three
  // choices, which form one group that the edits close.
  AddStyle(panel.Handle(), GWL_EXSTYLE, WS_EX_CONTROLPARENT);
  AddStyle(RadioButton1->Handle(), GWL_STYLE, WS_GROUP);
  AddStyle(C0_01->Handle(), GWL_STYLE, WS_GROUP);
}

// The start panel: the start button, disabled with a dark red caption until a scan finds the
// device, and the warning.
void TMainForm1::CreateStartPanel() {
  Panel3 = &Add<w::Panel>(w::PanelArgs{{6, 214, 312, 88}, w::kPaleCream, true});
  Button10 = &Panel3->Add<w::FadeButton>(
      PanelButton({36, 12, 240, 40}, text::kStartCaption,
                  w::FontStyle{w::kFaceMsPGothic, -12, true, false, w::kClMaroon}, 2, false,
                  text::kStartHint, [this] { Button10Click(); }));
  Label3 = &Panel3->Add<w::Label>(
      TextLabel({20, 60, 276, 21}, text::kWarning, w::kPaleCream, /*word_wrap=*/true));
}

LRESULT TMainForm1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ACTIVATE:
      OnActivate(wparam);
      return DefaultProc(message, wparam, lparam);
    case WM_SIZE:
      if (wparam == SIZE_RESTORED) OnRestored();
      return DefaultProc(message, wparam, lparam);
    case WM_CLOSE:
      FormClose();
      // The main window's close ends the program; the windows go when the loop has ended.
      // During a backup run the run's own message handling keeps the quit for later.
      PostQuitMessage(0);
      return 0;
    case WM_NEXTDLGCTL:
      // The keyboard navigation of the message loop asks for the next control: the window is
      // no dialog, so it answers that itself.
      WMNextDlgCtl(wparam, lparam);
      return 0;
    case WM_DROPFILES:
      WMDropFiles(reinterpret_cast<HDROP>(wparam));
      return 0;
    default:
      return Form::HandleMessage(message, wparam, lparam);
  }
}

LRESULT TMainForm1::WMNCHitTest(POINT) { return HTCAPTION; }

void TMainForm1::WMDropFiles(HDROP drop) { DragFinish(drop); }

void TMainForm1::WMNextDlgCtl(WPARAM wparam, LPARAM lparam) {
  HWND next = lparam ? reinterpret_cast<HWND>(wparam)
                     : GetNextDlgTabItem(Handle(), GetFocus(), wparam != 0);
  if (next) SetFocus(next);
}

void TMainForm1::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE || IsIconic(Handle())) return;
  FormActivate();
}

void TMainForm1::OnRestored() {
  if (Tag() == 0 && GetActiveWindow() == Handle()) FormActivate();
}

void TMainForm1::FormActivate() {
  // The scans below show and close the progress window, which activates this window again;
  // the flag keeps that from starting the first activation a second time.
  if (Tag() != 0 || in_first_activation_) return;
  FlagGuard busy(in_first_activation_);
  Settings().ReadSettings();
  table_.PrepareTable();
  SetTag(1);
  RepaintNow();
  Button12Click();
  tunesafe::Trace("first activation done");
}

void TMainForm1::FormClose() {
  tunesafe::Trace("close");
  try {
    Settings().WriteSettings();
  } catch (const std::exception& error) {
    // The settings could not be written: say so, and close all the same, so the user is
    // never kept in a program that cannot be closed.
    tunesafe::Application::ShowException(error.what());
  }
}

void TMainForm1::Button10Click() {
  if (!ProgressForm1) throw tunesafe::Error("no progress window");
  tunesafe::Trace("backup");
  tunesafe::BackupRunner(table_, *ProgressForm1, *this, launcher_, alerts_).RunBackup();
  tunesafe::Trace("backup ended");
}

std::string InfoPageAddress(const std::string& host, const std::string& program_path,
                            const tunesafe::CodePage& code_page) {
  // The name goes into a URL query: encoded, so a name with blanks, "&", "#" or Japanese
  // characters arrives as it is.
  return "http://" + host + kInfoPath +
         tunesafe::PercentEncode(tunesafe::BaseName(program_path, code_page));
}

void TMainForm1::Button4Click() {
  ShellOpen(InfoPageAddress(kInfoHost, program_path_, code_page_));
}

void TMainForm1::Button3Click() { ShellOpen(program_dir_ + kUserGuide); }

void TMainForm1::Button2Click() { tunesafe::Application::Minimize(); }

void TMainForm1::Button1Click() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

void TMainForm1::Button12Click() {
  if (!ProgressForm1) throw tunesafe::Error("no progress window");
  tunesafe::Trace(std::string("scan radios=") + (RadioButton1->Checked() ? "1" : "0") +
                  (RadioButton2->Checked() ? "1" : "0") + (RadioButton3->Checked() ? "1" : "0"));
  tunesafe::DeviceLocator locator(drives_, *this, alerts_);
  tunesafe::MediaScanner(locator, table_, lister_, *ProgressForm1, *this, code_page_).ScanMedia();
  tunesafe::Trace("scan ended");
}

void TMainForm1::Button13Click() { ShellOpen(kITunesProgram); }

void TMainForm1::RadioButton1Click() { Button12Click(); }

void TMainForm1::ShellOpen(const std::string& file) {
  // What the shell does with the request is the business of the program it picks.
  ShellExecuteA(Handle(), "OPEN", file.c_str(), "", "", SW_SHOW);
}

tunesafe::SettingsFile TMainForm1::Settings() {
  return tunesafe::SettingsFile(profile_store_, *this, settings_path_,
                                tunesafe::FirstArgument(GetCommandLineA()));
}

std::string TMainForm1::DriveText() const { return C0_01->Text(); }
void TMainForm1::SetDriveText(const std::string& text) { C0_01->SetText(text); }
std::string TMainForm1::ScanRoot() const { return C0_01->Hint(); }
void TMainForm1::SetScanRoot(const std::string& root) { C0_01->SetHint(root); }
void TMainForm1::SetCountText(const std::string& text) { C0_02->SetText(text); }

void TMainForm1::SetStartButton(tunesafe::Colour caption_colour, bool enabled) {
  Button10->SetEnabled(enabled);
  Button10->SetCaptionColour(caption_colour);
}

w::RadioButton& TMainForm1::Radio(tunesafe::Scope scope) const {
  switch (scope) {
    case tunesafe::Scope::kMusicOnly:
      return *RadioButton2;
    case tunesafe::Scope::kMoviesOnly:
      return *RadioButton3;
    case tunesafe::Scope::kMusicAndMovies:
    default:
      return *RadioButton1;
  }
}

bool TMainForm1::ScopeChecked(tunesafe::Scope scope) const { return Radio(scope).Checked(); }

void TMainForm1::SetScopeChecked(tunesafe::Scope scope, bool checked) {
  Radio(scope).SetChecked(checked);
}

bool TMainForm1::IsReachable(int left, int top) const {
  // Any overlap with a monitor counts: the user can then grab the window and pull it back.
  // A place so far right or down that its far edge passes the int range is on no monitor.
  if (left > INT_MAX - kWidth || top > INT_MAX - kHeight) return false;
  const RECT place{left, top, left + kWidth, top + kHeight};
  return MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

void TMainForm1::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void TMainForm1::RepaintNow() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
