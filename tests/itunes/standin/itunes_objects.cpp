#include "tests/itunes/standin/itunes_objects.h"

#include <windows.h>

#include <iterator>
#include <string>
#include <utility>

#include "tests/itunes/standin/standin_config.h"
#include "tests/itunes/standin/standin_log.h"

namespace itunes_standin {
namespace {

class TrackCollection final : public DispatchObject {
 public:
  explicit TrackCollection(long count)
      : DispatchObject(kMembers, std::size(kMembers)), count_(count) {}

 protected:
  HRESULT Call(DISPID, DISPPARAMS*, VARIANT* result, EXCEPINFO*) override {
    LogEvent("Count", std::to_wstring(count_));
    result->vt = VT_I4;
    result->lVal = count_;
    return S_OK;
  }

 private:
  static constexpr Member kMembers[] = {{L"Count", 1, true}};
  long count_;
};

// The add finishes at the first InProgress read after the configured delay and number of busy
// reads; only then is the file copied into the library, so a client that stops asking early
// finds nothing added.
class OperationStatus final : public DispatchObject {
 public:
  explicit OperationStatus(std::wstring source)
      : DispatchObject(kMembers, std::size(kMembers)),
        source_(std::move(source)),
        started_(GetTickCount64()) {}

 protected:
  HRESULT Call(DISPID id, DISPPARAMS*, VARIANT* result, EXCEPINFO*) override {
    if (Config().failure == Failure::kQuit) {
      LogEvent("disconnected");
      return RPC_E_DISCONNECTED;
    }
    if (id == kInProgress) {
      const bool in_progress = !finished_ && !MayFinish();
      if (in_progress) {
        ++busy_reads_;
      } else if (!finished_) {
        Finish();
      }
      LogEvent("InProgress", in_progress ? L"1" : L"0");
      result->vt = VT_BOOL;
      result->boolVal = in_progress ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    }
    LogEvent("Tracks");
    ReturnObject(new TrackCollection(tracks_added_), result);
    return S_OK;
  }

 private:
  static constexpr DISPID kInProgress = 1;
  static constexpr Member kMembers[] = {{L"InProgress", kInProgress, true}, {L"Tracks", 2, true}};

  bool MayFinish() const {
    return GetTickCount64() - started_ >= Config().delay_ms && busy_reads_ >= Config().busy_polls;
  }

  void Finish() {
    finished_ = true;
    if (Config().failure == Failure::kNoTracks) return;
    CreateDirectoryW(Config().library_dir.c_str(), nullptr);
    const std::wstring copy =
        Config().library_dir + L"\\" + source_.substr(source_.find_last_of(L"\\/") + 1);
    if (CopyFileW(source_.c_str(), copy.c_str(), FALSE)) {
      tracks_added_ = 1;
      LogEvent("added", copy);
    }
  }

  std::wstring source_;
  ULONGLONG started_;
  long busy_reads_ = 0;
  bool finished_ = false;
  long tracks_added_ = 0;
};

class LibraryPlaylist final : public DispatchObject {
 public:
  LibraryPlaylist() : DispatchObject(kMembers, std::size(kMembers)) {}

 protected:
  HRESULT Call(DISPID, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception) override {
    if (parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    if (parameters->rgvarg[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    const BSTR path = parameters->rgvarg[0].bstrVal;
    const std::wstring source(path, SysStringLen(path));
    LogEvent("AddFile", source);
    switch (Config().failure) {
      case Failure::kAddFile:
        if (exception != nullptr) {
          *exception = EXCEPINFO();
          exception->bstrDescription = SysAllocString(L"The file could not be added.");
          exception->scode = E_FAIL;
        }
        return DISP_E_EXCEPTION;
      case Failure::kNoStatus:
        return S_OK;
      default:
        ReturnObject(new OperationStatus(source), result);
        return S_OK;
    }
  }

 private:
  static constexpr Member kMembers[] = {{L"AddFile", 1, false}};
};

class Application final : public DispatchObject {
 public:
  Application() : DispatchObject(kMembers, std::size(kMembers)) {}

 protected:
  HRESULT Call(DISPID, DISPPARAMS*, VARIANT* result, EXCEPINFO*) override {
    LogEvent("LibraryPlaylist");
    ReturnObject(new LibraryPlaylist(), result);
    return S_OK;
  }

 private:
  static constexpr Member kMembers[] = {{L"LibraryPlaylist", 1, true}};
};

}  // namespace

DispatchObject* NewApplication() { return new Application(); }

}  // namespace itunes_standin
