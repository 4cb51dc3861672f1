#include "tests/itunes/standin/standin_log.h"

#include <windows.h>

#include "tests/itunes/standin/standin_config.h"

namespace itunes_standin {
namespace {

std::string Utf8FromWide(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

void LogEvent(const char* event, const std::wstring& detail) {
  std::string line(event);
  if (!detail.empty()) line += "\t" + Utf8FromWide(detail);
  line += "\n";
  // Opened per line and appended to, so the log is complete whenever the process ends.
  const FileHandle log(CreateFileW(Config().log_path.c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  if (log.Get() == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(log.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace itunes_standin
