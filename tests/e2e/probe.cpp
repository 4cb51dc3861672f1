// A console helper of the end-to-end tests, run in the same Wine prefix as Tunesafe.exe.
// It finds the program's windows by class and prints what a test needs as key=value lines
// (texts in the ANSI code page, as the windows hold them):
//   probe main       the main window: rectangle, visibility, the two edits, the scope radios
//   probe progress   the progress window: rectangle and visibility
//   probe hint       the application's hint window: rectangle and visibility
//   probe idle       whether the main window's thread answers a sent message within 5 s
//   probe close      asks the main window to close, as the taskbar button does
//   probe restore    restores the minimised main window, as its taskbar button does
//   probe dialog     the open message box: its caption and text
//   probe dismiss    presses the message box's OK button
//   probe focus      the class and text of the main window thread's focus window
//   probe end-tools  ends every libinsert.exe of this Wine prefix (a stand-in told to hang)
//   probe trace TEXT writes TEXT with OutputDebugStringA (checks the trace channel)
//   probe memory     Tunesafe.exe's private commit now and at its peak, in bytes
#include <windows.h>
// psapi.h and tlhelp32.h need windows.h first.
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND FindTopLevel(const char* class_name) {
  return FindWindowExA(nullptr, nullptr, class_name, nullptr);
}

struct Child {
  HWND hwnd;
  RECT rect;
};

struct ChildQuery {
  const char* class_name;
  bool radios_only;
  std::vector<Child> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
  auto* query = reinterpret_cast<ChildQuery*>(param);
  char class_name[64] = {};
  GetClassNameA(hwnd, class_name, sizeof class_name);
  if (lstrcmpiA(class_name, query->class_name) != 0) return TRUE;
  if (query->radios_only) {
    const LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    if (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON) return TRUE;
  }
  Child child{hwnd, {}};
  GetWindowRect(hwnd, &child.rect);
  query->found.push_back(child);
  return TRUE;
}

// The children of `parent` (at any depth) of one class, top to bottom.
std::vector<Child> ChildrenByClass(HWND parent, const char* class_name, bool radios_only) {
  ChildQuery query{class_name, radios_only, {}};
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&query));
  std::sort(query.found.begin(), query.found.end(), [](const Child& a, const Child& b) {
    return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
  });
  return query.found;
}

std::string WindowText(HWND hwnd) {
  char text[1024] = {};
  SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void PrintWindowState(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  std::printf("found=1\nleft=%ld\ntop=%ld\nwidth=%ld\nheight=%ld\nvisible=%d\niconic=%d\n",
              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
              IsWindowVisible(hwnd) ? 1 : 0, IsIconic(hwnd) ? 1 : 0);
}

int ProbeMain() {
  HWND main_window = FindTopLevel("TMainForm1");
  if (!main_window) {
    std::printf("found=0\n");
    return 0;
  }
  PrintWindowState(main_window);
  char title[256] = {};
  GetWindowTextA(main_window, title, sizeof title);
  std::printf("title=%s\n", title);
  const auto edits = ChildrenByClass(main_window, "Edit", false);
  for (std::size_t i = 0; i < edits.size(); ++i) {
    std::printf("edit%zu=%s\n", i + 1, WindowText(edits[i].hwnd).c_str());
  }
  const auto radios = ChildrenByClass(main_window, "Button", true);
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const LRESULT state = SendMessageA(radios[i].hwnd, BM_GETCHECK, 0, 0);
    std::printf("radio%zu=%d\n", i + 1, state == BST_CHECKED ? 1 : 0);
  }
  return 0;
}

int ProbeTopLevel(const char* class_name) {
  HWND window = FindTopLevel(class_name);
  if (!window) {
    std::printf("found=0\n");
    return 0;
  }
  PrintWindowState(window);
  return 0;
}

int ProbeIdle() {
  HWND main_window = FindTopLevel("TMainForm1");
  DWORD_PTR result = 0;
  const bool answered =
      main_window && SendMessageTimeoutA(main_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
  std::printf("idle=%d\n", answered ? 1 : 0);
  return 0;
}

int ProbeClose() {
  HWND main_window = FindTopLevel("TMainForm1");
  const bool posted = main_window && PostMessageA(main_window, WM_CLOSE, 0, 0);
  std::printf("posted=%d\n", posted ? 1 : 0);
  return 0;
}

int ProbeRestore() {
  HWND main_window = FindTopLevel("TMainForm1");
  if (main_window) {
    ShowWindow(main_window, SW_RESTORE);
    SetForegroundWindow(main_window);
  }
  std::printf("restored=%d\n", main_window ? 1 : 0);
  return 0;
}

// The system's message box window class.
constexpr char kDialogClass[] = "#32770";
// The message box's text control.
constexpr int kMessageTextId = 0xFFFF;

int ProbeDialog() {
  HWND dialog = FindTopLevel(kDialogClass);
  if (!dialog || !IsWindowVisible(dialog)) {
    std::printf("found=0\n");
    return 0;
  }
  char caption[256] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  char text[1024] = {};
  GetDlgItemTextA(dialog, kMessageTextId, text, sizeof text);
  std::printf("found=1\ncaption=%s\ntext=%s\n", caption, text);
  return 0;
}

int ProbeDismiss() {
  HWND dialog = FindTopLevel(kDialogClass);
  const bool posted = dialog && PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  std::printf("posted=%d\n", posted ? 1 : 0);
  return 0;
}

int ProbeFocus() {
  HWND main_window = FindTopLevel("TMainForm1");
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!main_window || !GetGUIThreadInfo(GetWindowThreadProcessId(main_window, nullptr), &info) ||
      !info.hwndFocus) {
    std::printf("focus=0\n");
    return 0;
  }
  char class_name[64] = {};
  GetClassNameA(info.hwndFocus, class_name, sizeof class_name);
  std::printf("focus=1\nclass=%s\ntext=%s\n", class_name, WindowText(info.hwndFocus).c_str());
  return 0;
}

// The process id of the first running program with this file name, or 0.
DWORD FindProcess(const char* exe_name) {
  DWORD id = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more && !id;
       more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, exe_name) == 0) id = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return id;
}

int ProbeMemory() {
  const DWORD id = FindProcess("Tunesafe.exe");
  HANDLE process =
      id ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, id) : nullptr;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  const bool read = process && GetProcessMemoryInfo(
                                   process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                   sizeof counters);
  if (process) CloseHandle(process);
  std::printf("found=%d\n", read ? 1 : 0);
  if (!read) return 1;
  std::printf("private_bytes=%llu\npeak_private_bytes=%llu\n",
              static_cast<unsigned long long>(counters.PrivateUsage),
              static_cast<unsigned long long>(counters.PeakPagefileUsage));
  return 0;
}

int ProbeEndTools() {
  int ended = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot != INVALID_HANDLE_VALUE) {
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
      if (lstrcmpiA(entry.szExeFile, "libinsert.exe") != 0) continue;
      HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
      if (!process) continue;
      if (TerminateProcess(process, 0)) ++ended;
      CloseHandle(process);
    }
    CloseHandle(snapshot);
  }
  std::printf("ended=%d\n", ended);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "main") return ProbeMain();
  if (command == "progress") return ProbeTopLevel("TProgressForm1");
  if (command == "hint") return ProbeTopLevel("THintWindow");
  if (command == "idle") return ProbeIdle();
  if (command == "close") return ProbeClose();
  if (command == "restore") return ProbeRestore();
  if (command == "dialog") return ProbeDialog();
  if (command == "dismiss") return ProbeDismiss();
  if (command == "focus") return ProbeFocus();
  if (command == "end-tools") return ProbeEndTools();
  if (command == "memory") return ProbeMemory();
  if (command == "trace" && argc > 2) {
    OutputDebugStringA(argv[2]);
    return 0;
  }
  std::fprintf(stderr,
               "usage: probe main|progress|hint|idle|close|restore|dialog|dismiss|focus|"
               "end-tools|memory|trace TEXT\n");
  return 2;
}
