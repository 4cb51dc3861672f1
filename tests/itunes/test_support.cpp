#include "tests/itunes/test_support.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace itunes_test {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::string WindowsPathOfUnixPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string LibinsertExe() { return WindowsPathOfUnixPath(LIBINSERT_EXE); }

std::wstring StandInDll() { return WideFromUtf8(WindowsPathOfUnixPath(STANDIN_DLL)); }

std::wstring WideFromUtf8(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

void WriteFileBytes(const std::string& ansi_path, const std::string& bytes) {
  std::ofstream(ansi_path, std::ios::binary) << bytes;
}

std::string ReadFileBytes(const std::wstring& path) {
  const Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
  std::istringstream text(ReadFileBytes(path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

ScopedEnvironment::ScopedEnvironment(std::vector<std::pair<std::wstring, std::wstring>> variables)
    : variables_(std::move(variables)) {
  for (const auto& [name, value] : variables_) SetEnvironmentVariableW(name.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  for (const auto& variable : variables_) SetEnvironmentVariableW(variable.first.c_str(), nullptr);
}

ProcessResult RunToEnd(const std::string& command_line, const std::string& current_dir) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  std::string writable(command_line);
  ProcessResult result;
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      current_dir.empty() ? nullptr : current_dir.c_str(), &startup, &process)) {
    return result;
  }
  const Handle process_handle(process.hProcess);
  const Handle thread_handle(process.hThread);
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, INFINITE);
    return result;
  }
  result.ended = true;
  GetExitCodeProcess(process.hProcess, &result.exit_code);
  return result;
}

}  // namespace itunes_test
