#include "platform/win32/win32_directory_lister.h"

#include <windows.h>

#include <cwchar>

#include "platform/win32/handle.h"

namespace tunesafe {
namespace {

// The code page in which the "A" file calls take and give names.
UINT FileApiCodePage() { return AreFileApisANSI() ? CP_ACP : CP_OEMCP; }

std::wstring ToWide(const std::string& text, UINT code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

// A name of a directory entry in the code page. Flags 0 keep the system's best-fit mapping,
// the same conversion that the "A" calls apply to the names they report (café becomes cafe).
// One call into a buffer that holds any entry name: this runs for every entry of a scan.
std::string EntryNameToNarrow(const wchar_t* name, UINT code_page, bool& ascii) {
  // Most names are plain ASCII, which every ANSI code page keeps as it is.
  ascii = true;
  std::size_t length = 0;
  for (; name[length] != L'\0'; ++length) {
    if (name[length] >= 0x80) ascii = false;
  }
  if (ascii) return std::string(name, name + length);
  char buffer[MAX_PATH * 2 + 1];
  const int size =
      WideCharToMultiByte(code_page, 0, name, -1, buffer, sizeof(buffer), nullptr, nullptr);
  return size > 0 ? std::string(buffer, static_cast<std::size_t>(size - 1)) : std::string();
}

// Whether the code page text converts back to exactly the wide name.
bool ComesBackWhole(const std::string& narrow, const wchar_t* wide, UINT code_page) {
  wchar_t buffer[MAX_PATH + 1];
  const int length = MultiByteToWideChar(code_page, 0, narrow.c_str(), -1, buffer, MAX_PATH + 1);
  return length > 0 && wcscmp(buffer, wide) == 0;
}

// Wine shows a Unix name as it is, also one that no Win32 path can hold: a wildcard or a
// character that paths reserve (a quote even ends the tool's quoted argument early), or a
// final dot or blank, which path parsing drops. Such a name opens only by its 8.3 alias. (A
// ":" opens under Wine as it is, and Wine keeps it in the alias too.)
bool IsUnusableInPath(const wchar_t* name) {
  std::size_t length = 0;
  for (; name[length] != L'\0'; ++length) {
    const wchar_t c = name[length];
    if (c < 0x20 || std::wcschr(L"\"*/<>?\\|", c) != nullptr) return true;
  }
  return length > 0 && (name[length - 1] == L'.' || name[length - 1] == L' ');
}

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

DirEntry MakeEntry(const WIN32_FIND_DATAW& data, UINT code_page) {
  DirEntry entry;
  bool ascii = true;
  bool short_ascii = true;
  entry.long_name = EntryNameToNarrow(data.cFileName, code_page, ascii);
  entry.short_name = EntryNameToNarrow(data.cAlternateFileName, code_page, short_ascii);
  entry.is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.is_reparse_point = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  // A name that does not come back whole from the code page names another file, or none.
  entry.long_name_lossy = IsUnusableInPath(data.cFileName) ||
                          (!ascii && !ComesBackWhole(entry.long_name, data.cFileName, code_page));
  return entry;
}

}  // namespace

std::string Win32DirectoryLister::FullPath(const std::string& path) {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return path;
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(length, '\0');  // too small: `length` is the size needed, the zero included
  }
}

bool Win32DirectoryLister::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The folder is enumerated with the wide calls and each name converted exactly as the "A"
// calls convert it. The "A" calls alone cannot tell that a name was changed on the way (a
// name outside the code page comes back best-fitted and no longer opens); the round trip here
// tells, and the scan can then use the 8.3 alias, which always opens.
bool Win32DirectoryLister::ListFolder(const std::string& folder, std::vector<DirEntry>& entries) {
  const UINT code_page = FileApiCodePage();
  const std::wstring pattern = ToWide(folder + "*.*", code_page);
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileW(pattern.c_str(), &data));
  if (!find) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;  // nothing in it
  }
  do {
    if (!IsDotEntry(data.cFileName)) entries.push_back(MakeEntry(data, code_page));
  } while (FindNextFileW(find.Get(), &data));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

}  // namespace tunesafe
