// The application: the program's frame. It creates the main window and then the hidden
// progress window, shows the main window (or sends it to the taskbar when the program was
// started minimised), runs the message loop, and shows every exception that reaches it in
// one message box captioned with the application title. The program's exit code is always 0.
#pragma once

#include <functional>
#include <string>

namespace tunesafe {

class Application {
 public:
  // The whole program run, guarded as one block. Returns the exit code, 0.
  static int Run();
  // Runs `body` as the program entry's guarded block: an exception that leaves it is shown
  // with the exception display, anything else thrown as an empty message. Returns the exit
  // code, 0.
  static int RunGuarded(const std::function<void()>& body);
  // The exception display: a modal box with the stop icon and one OK button, the message
  // with its closing period.
  static void ShowException(const std::string& message);
  // Sends the program to its taskbar button.
  static void Minimize();
};

// A developer's trace line ("Tunesafe: " + text) through OutputDebugStringA; invisible unless
// a debugger or Wine's debugstr channel listens.
void Trace(const std::string& text);

// Whether a STARTUPINFO show command asks for a start without a shown, active window.
bool StartsMinimised(unsigned short show_command);

}  // namespace tunesafe
