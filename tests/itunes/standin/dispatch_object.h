// The common part of the stand-in's automation objects: reference counting, the live-object
// count that shows whether a client released everything, and name lookup for late binding.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <atomic>

namespace itunes_standin {

// Objects of this DLL that are still alive, class factories included.
long LiveObjects();

// Counts itself among the live objects for its lifetime.
class LiveObject {
 public:
  LiveObject();
  ~LiveObject();
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
};

struct Member {
  const wchar_t* name;
  DISPID id;
  bool is_property;  // else a method
};

class DispatchObject : public IDispatch, private LiveObject {
 public:
  DispatchObject(const Member* members, size_t member_count);
  virtual ~DispatchObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT name_count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT*) override;

 protected:
  // Carries out member `id`, already checked to exist and to be called the right way.
  virtual HRESULT Call(DISPID id, DISPPARAMS* parameters, VARIANT* result,
                       EXCEPINFO* exception) = 0;

 private:
  const Member* FindMember(DISPID id) const;

  const Member* members_;
  size_t member_count_;
  std::atomic<ULONG> references_{1};
};

// Puts a new object into `result`, which then holds the only reference.
void ReturnObject(DispatchObject* object, VARIANT* result);

}  // namespace itunes_standin
