#include "ui/app.h"

#include <windows.h>

#include <exception>
#include <memory>

#include "core/ansi_text.h"
#include "platform/win32/win32_alerts.h"
#include "platform/win32/win32_code_page.h"
#include "ui/Mainwindow1.h"
#include "ui/Progresswindow1.h"

namespace tunesafe {
namespace {

void ShowFirstTime(TMainForm1& main_form) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) && StartsMinimised(startup.wShowWindow)) {
    // A shortcut set to run minimised: the window waits on the taskbar, and its first
    // activation waits until the user restores it.
    ShowWindow(main_form.Handle(), SW_SHOWMINNOACTIVE);
  } else {
    main_form.Show();
  }
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between the main window's scope choices.
    if (MainForm1 && IsDialogMessageA(MainForm1->Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

bool StartsMinimised(unsigned short show_command) {
  return show_command == SW_SHOWMINNOACTIVE || show_command == SW_MINIMIZE ||
         show_command == SW_SHOWMINIMIZED;
}

int Application::Run() {
  std::unique_ptr<TMainForm1> main_form;
  std::unique_ptr<TProgressForm1> progress_form;
  const int exit_code = RunGuarded([&] {
    widgets::Window::SetExceptionHandler(&Application::ShowException);
    main_form = std::make_unique<TMainForm1>();
    progress_form = std::make_unique<TProgressForm1>(main_form->Handle());
    ShowFirstTime(*main_form);
    RunMessageLoop();
  });
  // The progress window goes first: it was made last.
  progress_form.reset();
  main_form.reset();
  return exit_code;
}

int Application::RunGuarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& error) {
    ShowException(error.what());
  } catch (...) {
    ShowException(std::string());
  }
  return 0;
}

void Application::ShowException(const std::string& message) {
  const Win32CodePage code_page;
  HWND owner = GetActiveWindow();
  if (!owner && MainForm1) owner = MainForm1->Handle();
  MessageBoxA(owner, WithClosingPeriod(message, code_page).c_str(), kApplicationTitle,
              MB_ICONERROR | MB_OK);
}

void Application::Minimize() {
  if (MainForm1) ShowWindow(MainForm1->Handle(), SW_MINIMIZE);
}

void Trace(const std::string& text) { OutputDebugStringA(("Tunesafe: " + text).c_str()); }

}  // namespace tunesafe
