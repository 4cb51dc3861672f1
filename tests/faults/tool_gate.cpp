// A libinsert.exe whose faults a test switches on and off by files beside it while the program
// keeps running (the stand-in's environment is fixed when the program starts). A switch file
// holds a text; it applies to a start whose command line holds that text (an empty file
// applies to every start):
//   itunes_down.txt  append the command line to itunes_down.log beside this program and end
//                    at once with exit code 3, as a tool that finds no iTunes does
//   crash_on.txt     run the stand-in told to crash (LIBINSERT_CRASH=1)
//   hang_on.txt      run the stand-in told never to end (LIBINSERT_HANG=1); ending that
//                    stand-in (libinsert_standin.exe) ends this program with its exit code
// Otherwise it runs the stand-in import tool libinsert_standin.exe beside it with the very
// same command line and start-up information, and ends with the stand-in's exit code.
#include <windows.h>

#include <string>

namespace {

std::string ProgramFolder() {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
  std::string path(buffer, length);
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file's content, or false when there is no such file.
bool ReadWhole(const std::string& path, std::string& content) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[1024];
  DWORD read = 0;
  content.clear();
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  CloseHandle(file);
  while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
    content.pop_back();
  }
  return true;
}

bool SwitchedOn(const std::string& switch_file, const std::string& command_line) {
  std::string text;
  return ReadWhole(switch_file, text) && command_line.find(text) != std::string::npos;
}

void AppendLine(const std::string& path, const std::string& line) {
  const HANDLE file =
      CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

constexpr int kExitNoITunes = 3;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string folder = ProgramFolder();
  std::string command_line = GetCommandLineA();
  if (SwitchedOn(folder + "itunes_down.txt", command_line)) {
    AppendLine(folder + "itunes_down.log", command_line + "\n");
    return kExitNoITunes;
  }
  if (SwitchedOn(folder + "crash_on.txt", command_line)) {
    SetEnvironmentVariableA("LIBINSERT_CRASH", "1");
  }
  if (SwitchedOn(folder + "hang_on.txt", command_line)) {
    SetEnvironmentVariableA("LIBINSERT_HANG", "1");
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  PROCESS_INFORMATION process{};
  const std::string standin = folder + "libinsert_standin.exe";
  if (!CreateProcessA(standin.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return 2;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exit_code);
}
