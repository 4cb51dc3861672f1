// The stand-in iTunes as an in-process automation server: the class factory and the DLL's
// entry points. Loading and unloading are logged, the unload with the number of objects still
// alive, which must be 0 when the client released everything.
#include <windows.h>

#include <string>

#include "tests/itunes/standin/dispatch_object.h"
#include "tests/itunes/standin/itunes_objects.h"
#include "tests/itunes/standin/standin_config.h"
#include "tests/itunes/standin/standin_log.h"

namespace itunes_standin {
namespace {

std::atomic<long> server_locks{0};
std::atomic<long> starts_refused{0};

class ClassFactory final : public IClassFactory, private LiveObject {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    switch (Config().failure) {
      case Failure::kCreate:
        LogEvent("create-refused");
        return CO_E_SERVER_EXEC_FAILURE;
      case Failure::kStopping:
        if (starts_refused++ == 0) {
          LogEvent("create-stopping");
          return CO_E_SERVER_STOPPING;
        }
        break;
      case Failure::kHang:
        // An iTunes that never finishes starting: the client must give up on its own.
        LogEvent("create-hang");
        Sleep(INFINITE);
        return E_UNEXPECTED;
      default:
        break;
    }
    DispatchObject* application = NewApplication();
    const HRESULT hr = application->QueryInterface(iid, object);
    application->Release();
    LogEvent("create");
    return hr;
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    server_locks += lock ? 1 : -1;
    return S_OK;
  }

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace
}  // namespace itunes_standin

using itunes_standin::LogEvent;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    LogEvent("load");
  } else if (reason == DLL_PROCESS_DETACH) {
    LogEvent("unload", std::to_wstring(itunes_standin::LiveObjects()));
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID, REFIID iid, void** object) {
  auto* factory = new itunes_standin::ClassFactory();
  const HRESULT hr = factory->QueryInterface(iid, object);
  factory->Release();
  return hr;
}

STDAPI DllCanUnloadNow() {
  return itunes_standin::LiveObjects() == 0 && itunes_standin::server_locks == 0 ? S_OK : S_FALSE;
}
