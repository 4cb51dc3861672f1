// Late-bound calls on an automation object: members are looked up by name at run time
// (IDispatch::GetIDsOfNames) and called through IDispatch::Invoke.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include "libinsert/com_handles.h"

namespace libinsert {

// Reads the property `name` into `result`.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, Variant* result);

// Calls the method `name` with one argument; its return value goes into `result`.
HRESULT CallMethod(IDispatch* object, const wchar_t* name, const VARIANT& argument,
                   Variant* result);

// True for the answers of a server that is busy (a modal dialog is open in iTunes, or it is
// still starting): the call was not carried out and may be made again.
bool IsCallRejected(HRESULT result);

}  // namespace libinsert
