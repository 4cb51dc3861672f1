// Small helpers of the tests of libinsert.exe: paths of the built parts, files, the environment
// a child process inherits, and running a child to its end.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace itunes_test {

// The built libinsert.exe and stand-in DLL, as Windows paths.
std::string LibinsertExe();
std::wstring StandInDll();

// A Unix path of the build as Wine sees it: /a/b -> Z:\a\b.
std::string WindowsPathOfUnixPath(const std::string& unix_path);

std::wstring WideFromUtf8(const std::string& text);

// Whole files, by Shift-JIS or by UTF-16 name. ReadFileBytes is empty when the file is missing.
void WriteFileBytes(const std::string& ansi_path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

// The lines of a text file without their line ends; empty when the file is missing.
std::vector<std::string> ReadLines(const std::wstring& path);

// Sets environment variables of this process, which child processes inherit, and removes
// them again on destruction.
class ScopedEnvironment {
 public:
  explicit ScopedEnvironment(std::vector<std::pair<std::wstring, std::wstring>> variables);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::vector<std::pair<std::wstring, std::wstring>> variables_;
};

struct ProcessResult {
  bool ended = false;  // false: still running at the deadline, and then killed
  unsigned long exit_code = 0;
};

// Runs `command_line` (Shift-JIS) hidden, as Tunesafe.exe does, and waits for its end for at
// most 60 s. An empty `current_dir` keeps this process's current folder.
ProcessResult RunToEnd(const std::string& command_line, const std::string& current_dir = "");

}  // namespace itunes_test
