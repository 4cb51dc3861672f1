// A stand-in for the import tool, for the tests and the demo: it adds nothing to any library.
// It appends one line to its log for every start and can be told, through the environment, to
// be slow, fail, crash, hang, or copy the file it is given.
//
// Log line (one per start, written by a single append, so lines of tools that run side by
// side never mix):
//   show=<S>|<command line>\n
// where <S> is the show state the tool was started with (the wShowWindow of its start-up
// information, 0 meaning hidden) or "none" when the starter set no show state, and
// <command line> is GetCommandLineA() byte for byte.
//
// Environment:
//   LIBINSERT_LOG              the log file; default libinsert.log beside this program
//   LIBINSERT_DELAY_MS         wait this long after logging
//   LIBINSERT_RANDOM_DELAY_MS  wait a random time from 0 to this long after logging
//   LIBINSERT_COPY_TO          copy the file named by the argument into this folder, same name
//   LIBINSERT_FAIL_MATCH       a text; when the argument contains it, exit with
//   LIBINSERT_FAIL_CODE          this code (default 1)
//   LIBINSERT_EXIT_CODE        the exit code otherwise (default 0)
//   LIBINSERT_DONE_LOG         a second log: the same line is appended there just before a
//                                normal end, so a test can tell the tool had ended
//   LIBINSERT_CRASH=1          end by an access violation after logging
//   LIBINSERT_HANG=1           never end
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Env(const char* name) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
  if (length == 0 || length >= sizeof(buffer)) return {};
  return std::string(buffer, length);
}

unsigned long EnvNumber(const char* name, unsigned long fallback) {
  const std::string text = Env(name);
  if (text.empty()) return fallback;
  // strtoll then a cast, so "-1" gives 0xFFFFFFFF like any exit code written as negative.
  return static_cast<unsigned long>(std::strtoll(text.c_str(), nullptr, 0));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The argument after the program: the text inside its double quotes, or, unquoted, the rest
// of the line without surrounding blanks (a path with blanks then still arrives whole).
std::string ArgumentOf(const std::string& line) {
  std::size_t i = 0;
  if (i < line.size() && line[i] == '"') {
    const std::size_t close = line.find('"', 1);
    i = close == std::string::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && !IsBlank(line[i])) ++i;
  }
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '"') {
    const std::size_t close = line.find('"', i + 1);
    return line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
  }
  std::size_t end = line.size();
  while (end > i && IsBlank(line[end - 1])) --end;
  return line.substr(i, end - i);
}

// The part after the last "\" or ":" that is a character of its own (not a trail byte).
std::string NameOf(const std::string& path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\' || path[i] == ':') {
      start = i + 1;
    }
  }
  return path.substr(start);
}

std::string DefaultLogPath() {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
  const std::string program(buffer, length);
  const std::string name = NameOf(program);
  return program.substr(0, program.size() - name.size()) + "libinsert.log";
}

// FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of the file at once.
void AppendLine(const std::string& path, const std::string& line) {
  const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ShowState() {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0) return "none";
  return std::to_string(startup.wShowWindow);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string command_line = GetCommandLineA();
  const std::string log = Env("LIBINSERT_LOG");
  const std::string line = "show=" + ShowState() + "|" + command_line + "\n";
  AppendLine(log.empty() ? DefaultLogPath() : log, line);

  if (Env("LIBINSERT_CRASH") == "1") {
    // The filter ends the process with the fault's code (0xC0000005) instead of starting the
    // system's debugger, which would wait for a click (Wine ignores SEM_NOGPFAULTERRORBOX).
    SetUnhandledExceptionFilter(
        [](EXCEPTION_POINTERS*) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  if (Env("LIBINSERT_HANG") == "1") {
    for (;;) Sleep(INFINITE);
  }

  DWORD delay = EnvNumber("LIBINSERT_DELAY_MS", 0);
  if (const unsigned long most = EnvNumber("LIBINSERT_RANDOM_DELAY_MS", 0); most > 0) {
    std::srand(GetTickCount() ^ GetCurrentProcessId());
    delay += static_cast<DWORD>(std::rand() % (most + 1));
  }
  if (delay > 0) Sleep(delay);

  const std::string argument = ArgumentOf(command_line);
  if (const std::string folder = Env("LIBINSERT_COPY_TO"); !folder.empty() && !argument.empty()) {
    const bool has_separator = folder.back() == '\\' || folder.back() == '/';
    const std::string target = folder + (has_separator ? "" : "\\") + NameOf(argument);
    CopyFileA(argument.c_str(), target.c_str(), FALSE);
  }

  if (const std::string done_log = Env("LIBINSERT_DONE_LOG"); !done_log.empty()) {
    AppendLine(done_log, line);
  }
  const std::string fail_match = Env("LIBINSERT_FAIL_MATCH");
  if (!fail_match.empty() && argument.find(fail_match) != std::string::npos) {
    return static_cast<int>(EnvNumber("LIBINSERT_FAIL_CODE", 1));
  }
  return static_cast<int>(EnvNumber("LIBINSERT_EXIT_CODE", 0));
}
