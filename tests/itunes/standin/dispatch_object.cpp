#include "tests/itunes/standin/dispatch_object.h"

#include <cwchar>

#include "tests/itunes/standin/standin_config.h"
#include "tests/itunes/standin/standin_log.h"

namespace itunes_standin {
namespace {

std::atomic<long> live_objects{0};
std::atomic<long> calls_rejected{0};

// A busy iTunes rejects calls without carrying them out; the first calls are rejected here
// as many times as configured.
bool RejectThisCall() { return calls_rejected.fetch_add(1) < Config().reject_calls; }

}  // namespace

long LiveObjects() { return live_objects.load(); }
LiveObject::LiveObject() { ++live_objects; }
LiveObject::~LiveObject() { --live_objects; }

DispatchObject::DispatchObject(const Member* members, size_t member_count)
    : members_(members), member_count_(member_count) {}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() { return ++references_; }

ULONG DispatchObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

// Names are matched without regard to case, as automation clients expect.
HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT name_count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr || name_count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < name_count; ++i) ids[i] = DISPID_UNKNOWN;
  for (size_t i = 0; i < member_count_; ++i) {
    if (_wcsicmp(names[0], members_[i].name) == 0) {
      ids[0] = members_[i].id;
      return name_count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
  const Member* member = FindMember(id);
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (RejectThisCall()) {
    LogEvent("rejected", member->name);
    return RPC_E_CALL_REJECTED;
  }
  const WORD needed = member->is_property ? DISPATCH_PROPERTYGET : DISPATCH_METHOD;
  if ((flags & needed) == 0) return DISP_E_MEMBERNOTFOUND;
  if (parameters == nullptr) return E_INVALIDARG;
  if (result == nullptr) return E_POINTER;
  VariantInit(result);
  return Call(id, parameters, result, exception);
}

const Member* DispatchObject::FindMember(DISPID id) const {
  for (size_t i = 0; i < member_count_; ++i) {
    if (members_[i].id == id) return &members_[i];
  }
  return nullptr;
}

void ReturnObject(DispatchObject* object, VARIANT* result) {
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

}  // namespace itunes_standin
