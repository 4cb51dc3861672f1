// libinsert.exe for the scenarios in which iTunes cannot be reached. While the file
// itunes_down.txt lies beside this program and the argument holds its text (an empty file
// matches every argument), it appends its command line to itunes_down.log beside it and ends
// at once with exit code 3, as a tool that finds no iTunes does. Otherwise it runs the
// stand-in import tool libinsert_standin.exe beside it with the very same command line and
// start-up information, and ends with the stand-in's exit code. So a test can take iTunes
// away and bring it back while the program keeps running.
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

void AppendLine(const std::string& path, const std::string& line) {
  const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
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
  std::string match;
  if (ReadWhole(folder + "itunes_down.txt", match) &&
      command_line.find(match) != std::string::npos) {
    AppendLine(folder + "itunes_down.log", command_line + "\n");
    return kExitNoITunes;
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
