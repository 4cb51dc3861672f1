// The main window: a borderless 326 x 313 window with its own red title strip, the set-up
// instructions, the status panel (drive, file count, scope choice, refresh) and the start
// panel. It owns the media table and wires the core to the Win32 adapters; the core reads and
// writes the window through MainFields.
#pragma once

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <memory>
#include <string>

#include "core/media_table.h"
#include "core/ports.h"
#include "core/settings_file.h"
#include "platform/win32/win32_alerts.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_directory_lister.h"
#include "platform/win32/win32_drive_system.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_profile_store.h"
#include "ui/widgets/app_hint.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/fade_button.h"
#include "ui/widgets/form.h"
#include "ui/widgets/label.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/shadow_label.h"
#include "ui/widgets/shape.h"

class TMainForm1 : public tunesafe::widgets::Form, public tunesafe::MainFields {
 public:
  static constexpr int kWidth = 326;
  static constexpr int kHeight = 313;

  TMainForm1();
  ~TMainForm1() override;

  // Handlers, in the form's order.
  void FormClose();
  void Button10Click();
  void Button4Click();
  void Button3Click();
  void Button2Click();
  void Button1Click();
  void FormActivate();
  void Button5Click() {}
  void Button12Click();
  void Button13Click();
  void RadioButton1Click();

  // MainFields
  std::string DriveText() const override;
  void SetDriveText(const std::string& text) override;
  std::string ScanRoot() const override;
  void SetScanRoot(const std::string& root) override;
  void SetCountText(const std::string& text) override;
  void SetStartButton(tunesafe::Colour caption_colour, bool enabled) override;
  bool ScopeChecked(tunesafe::Scope scope) const override;
  void SetScopeChecked(tunesafe::Scope scope, bool checked) override;
  int Left() const override { return Form::Left(); }
  int Top() const override { return Form::Top(); }
  void SetLeft(int left) override { Form::SetLeft(left); }
  void SetTop(int top) override { Form::SetTop(top); }
  bool IsReachable(int left, int top) const override;
  void SetVisible(bool visible) override;
  void RepaintNow() override;

  const std::string& ProgramDir() const { return program_dir_; }
  tunesafe::MediaTable& StringGrid1() { return table_; }

  // The controls, in the form's order. The hidden grid is the media table, the hidden drive
  // list is the drive adapter; "(0 MB)" and the never-shown push button are left out.
  std::unique_ptr<tunesafe::widgets::AppHint> AppHint1;
  tunesafe::widgets::Panel* Panel0 = nullptr;
  tunesafe::widgets::Shape* Shape9 = nullptr;
  tunesafe::widgets::Shape* Shape0 = nullptr;
  tunesafe::widgets::Label* Label1 = nullptr;
  tunesafe::widgets::Panel* Panel1 = nullptr;
  tunesafe::widgets::Shape* Shape1 = nullptr;
  tunesafe::widgets::FadeButton* Button4 = nullptr;
  tunesafe::widgets::FadeButton* Button3 = nullptr;
  tunesafe::widgets::FadeButton* Button2 = nullptr;
  tunesafe::widgets::FadeButton* Button1 = nullptr;
  tunesafe::widgets::Panel* Panel3 = nullptr;
  tunesafe::widgets::FadeButton* Button10 = nullptr;
  tunesafe::widgets::Shape* Shape3 = nullptr;
  tunesafe::widgets::Edit* C0_01 = nullptr;
  tunesafe::widgets::ShadowLabel* L0_01 = nullptr;
  tunesafe::widgets::Edit* C0_02 = nullptr;
  tunesafe::widgets::ShadowLabel* L0_02 = nullptr;
  tunesafe::widgets::RadioButton* RadioButton1 = nullptr;
  tunesafe::widgets::RadioButton* RadioButton2 = nullptr;
  tunesafe::widgets::RadioButton* RadioButton3 = nullptr;
  tunesafe::widgets::ShadowLabel* ShadowLabel1 = nullptr;
  tunesafe::widgets::FadeButton* Button12 = nullptr;
  tunesafe::widgets::Label* Label0_2 = nullptr;
  tunesafe::widgets::Label* Label0_1 = nullptr;
  tunesafe::widgets::Label* Label2 = nullptr;
  tunesafe::widgets::Panel* Panel2 = nullptr;
  tunesafe::widgets::FadeButton* Button13 = nullptr;
  tunesafe::widgets::Label* Label3 = nullptr;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  LRESULT OnNcHitTest(POINT screen) override { return WMNCHitTest(screen); }

 private:
  void CreateTitleStrip();
  void CreateInstructions();
  void CreateStatusPanel();
  void CreateStartPanel();

  // Every point of the window's own surface drags the window.
  LRESULT WMNCHitTest(POINT screen);
  // Dropped files are accepted and ignored.
  void WMDropFiles(HDROP drop);
  // Tab and the arrow keys: the focus moves to the next control that takes it.
  void WMNextDlgCtl(WPARAM wparam, LPARAM lparam);
  // The first activation waits while the window is minimised: it runs on the activation that
  // shows the window, or on the restore that follows an activation while minimised.
  void OnActivate(WPARAM wparam);
  void OnRestored();

  tunesafe::widgets::RadioButton& Radio(tunesafe::Scope scope) const;
  tunesafe::SettingsFile Settings();
  void ShellOpen(const std::string& file);

  tunesafe::Win32CodePage code_page_;
  tunesafe::Win32DriveSystem drives_;
  tunesafe::Win32DirectoryLister lister_;
  tunesafe::Win32ProcessLauncher launcher_;
  tunesafe::Win32Alerts alerts_;
  tunesafe::MediaTable table_;
  std::string program_path_;  // the program file, as GetModuleFileNameA reports it
  std::string program_dir_;
  std::string settings_path_;
  tunesafe::Win32ProfileStore profile_store_;
  bool in_first_activation_ = false;
};

// The one main window; null before it is created and after it is destroyed.
extern TMainForm1* MainForm1;

// The information page's address: "http://" + host + "/info.php?pf=w&sn=" + the program
// file's base name, percent-encoded so that any name reaches the page whole.
std::string InfoPageAddress(const std::string& host, const std::string& program_path,
                            const tunesafe::CodePage& code_page);
