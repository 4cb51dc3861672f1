#include "libinsert/dispatch.h"

#include <windows.h>

#include <chrono>
#include <string>

namespace libinsert {
namespace {

// Frees the texts a failing member may leave in its exception information.
class ExceptionInfo {
 public:
  ExceptionInfo() : info_() {}
  ~ExceptionInfo() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
  }
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;

  EXCEPINFO* Put() { return &info_; }
  // The error the member raised; some servers leave it to be filled in on request.
  HRESULT Error() {
    if (info_.pfnDeferredFillIn != nullptr) info_.pfnDeferredFillIn(&info_);
    if (FAILED(info_.scode)) return info_.scode;
    return E_FAIL;
  }

 private:
  EXCEPINFO info_;
};

HRESULT InvokeOnce(IDispatch* object, const wchar_t* name, WORD flags, DISPPARAMS* parameters,
                   Variant* result) {
  std::wstring member_name(name);
  LPOLESTR names[] = {member_name.data()};
  DISPID member = DISPID_UNKNOWN;
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) return hr;
  ExceptionInfo exception;
  UINT bad_argument = 0;
  hr = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, parameters, result->Put(),
                      exception.Put(), &bad_argument);
  return hr == DISP_E_EXCEPTION ? exception.Error() : hr;
}

HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, DISPPARAMS* parameters,
               Variant* result) {
  if (object == nullptr) return E_POINTER;
  const auto give_up = std::chrono::steady_clock::now() + kBusyRetryLimit;
  for (;;) {
    const HRESULT hr = InvokeOnce(object, name, flags, parameters, result);
    if (!IsCallRejected(hr) || std::chrono::steady_clock::now() >= give_up) return hr;
    Sleep(kBusyRetryPauseMs);
  }
}

}  // namespace

bool IsCallRejected(HRESULT result) {
  return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER;
}

bool IsConnectionLost(HRESULT result) {
  return IsCallRejected(result) || result == RPC_E_DISCONNECTED ||
         result == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) ||
         result == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED);
}

HRESULT GetProperty(IDispatch* object, const wchar_t* name, Variant* result) {
  DISPPARAMS no_arguments = {nullptr, nullptr, 0, 0};
  return Invoke(object, name, DISPATCH_PROPERTYGET, &no_arguments, result);
}

HRESULT CallMethod(IDispatch* object, const wchar_t* name, const VARIANT& argument,
                   Variant* result) {
  VARIANT arguments[] = {argument};
  DISPPARAMS parameters = {arguments, nullptr, 1, 0};
  return Invoke(object, name, DISPATCH_METHOD, &parameters, result);
}

}  // namespace libinsert
