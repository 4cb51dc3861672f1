#include "tests/itunes/standin/standin_config.h"

#include <cwchar>

namespace itunes_standin {
namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

long NumberFromEnvironment(const wchar_t* name) {
  const std::wstring text = Environment(name);
  return text.empty() ? 0 : std::wcstol(text.c_str(), nullptr, 10);
}

// The folder of this DLL, with a trailing backslash.
std::wstring ModuleFolder() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ModuleFolder), &module);
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

Failure FailureFromEnvironment() {
  const std::wstring name = Environment(L"ITUNES_STANDIN_FAIL");
  if (name == L"create") return Failure::kCreate;
  if (name == L"stopping") return Failure::kStopping;
  if (name == L"hang") return Failure::kHang;
  if (name == L"addfile") return Failure::kAddFile;
  if (name == L"nostatus") return Failure::kNoStatus;
  if (name == L"notracks") return Failure::kNoTracks;
  if (name == L"quit") return Failure::kQuit;
  return Failure::kNone;
}

StandInConfig ReadConfig() {
  StandInConfig config;
  config.library_dir = Environment(L"ITUNES_STANDIN_LIBRARY");
  if (config.library_dir.empty()) config.library_dir = ModuleFolder() + L"library";
  config.log_path = Environment(L"ITUNES_STANDIN_LOG");
  if (config.log_path.empty()) config.log_path = ModuleFolder() + L"itunes_standin.log";
  config.delay_ms = static_cast<DWORD>(NumberFromEnvironment(L"ITUNES_STANDIN_DELAY_MS"));
  config.busy_polls = NumberFromEnvironment(L"ITUNES_STANDIN_BUSY_POLLS");
  config.reject_calls = NumberFromEnvironment(L"ITUNES_STANDIN_REJECT_CALLS");
  config.failure = FailureFromEnvironment();
  return config;
}

}  // namespace

const StandInConfig& Config() {
  static const StandInConfig config = ReadConfig();
  return config;
}

}  // namespace itunes_standin
