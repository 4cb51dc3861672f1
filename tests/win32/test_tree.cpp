#include "tests/win32/test_tree.h"

#include <windows.h>

#include <stdexcept>

namespace tunesafe::testing {

namespace {

// Wide calls, so that names outside the code page (made on the Linux side) go too.
void EmptyFolderW(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + name;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const DWORD attributes = data.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      DeleteFileW(path.c_str());
      continue;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) EmptyFolderW(path + L"\\");
    RemoveDirectoryW(path.c_str());
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

}  // namespace

void EmptyFolder(const std::string& folder) {
  const int size = static_cast<int>(folder.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, folder.data(), size, wide.data(), size)));
  EmptyFolderW(wide);
}

void EmptyTestDrives() {
  for (const char* root : {"Q:\\", "R:\\", "S:\\"}) EmptyFolder(root);
}

void MakeFolder(const std::string& path) {
  // Every prefix ending before a "\" (after the drive) is made in turn. Trail bytes of
  // Shift-JIS can be "\", so the lead bytes are stepped over.
  for (std::size_t i = 3; i <= path.size(); ++i) {
    if (i < path.size() && IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
      continue;
    }
    if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    throw std::runtime_error("cannot make folder " + path);
  }
}

void MakeFile(const std::string& path, const std::string& content) {
  // The folder part: up to the last "\" that is not a trail byte.
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\') {
      last = i;
    }
  }
  if (last != std::string::npos && last > 2) MakeFolder(path.substr(0, last));
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot make file " + path);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  CloseHandle(file);
  return content;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  const std::string content = ReadWholeFile(path);
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string ProgramFolder() {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
  std::string path(buffer, length);
  std::size_t last = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\') {
      last = i;
    }
  }
  return path.substr(0, last + 1);
}

}  // namespace tunesafe::testing
