#include "tests/itunes/standin_registry.h"

#include <windows.h>

namespace itunes_test {
namespace {

// The same class id as in standin_clsid.sh.
constexpr wchar_t kProgIdKey[] = L"Software\\Classes\\iTunes.Application";
constexpr wchar_t kClassKey[] = L"Software\\Classes\\CLSID\\{54769272-1B86-4E2E-843B-60DE12B94009}";
constexpr wchar_t kClassId[] = L"{54769272-1B86-4E2E-843B-60DE12B94009}";

void SetText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

StandInRegistration::StandInRegistration(const std::wstring& server_path) {
  SetText(kProgIdKey, nullptr, L"iTunes stand-in");
  SetText(std::wstring(kProgIdKey) + L"\\CLSID", nullptr, kClassId);
  SetText(std::wstring(kClassKey) + L"\\ProgID", nullptr, L"iTunes.Application");
  SetText(std::wstring(kClassKey) + L"\\InprocServer32", nullptr, server_path);
  SetText(std::wstring(kClassKey) + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
}

StandInRegistration::~StandInRegistration() { RemoveStandInRegistration(); }

void RemoveStandInRegistration() {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProgIdKey);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProgIdKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kClassKey);
}

}  // namespace itunes_test
