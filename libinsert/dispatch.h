// Late-bound calls on an automation object: members are looked up by name at run time
// (IDispatch::GetIDsOfNames) and called through IDispatch::Invoke.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <chrono>

#include "libinsert/com_handles.h"

namespace libinsert {

// Reads the property `name` into `result`.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, Variant* result);

// Calls the method `name` with one argument; its return value goes into `result`.
HRESULT CallMethod(IDispatch* object, const wchar_t* name, const VARIANT& argument,
                   Variant* result);

// A busy iTunes is asked again every 100 ms for at most 60 s.
constexpr DWORD kBusyRetryPauseMs = 100;
constexpr std::chrono::seconds kBusyRetryLimit{60};

// True for the answers of a server that is busy (a modal dialog is open in iTunes, or it is
// still starting): the call was not carried out and may be made again.
bool IsCallRejected(HRESULT result);

// True when the server has gone (it quit or crashed) or kept rejecting calls.
bool IsConnectionLost(HRESULT result);

}  // namespace libinsert
