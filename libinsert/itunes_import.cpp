#include "libinsert/itunes_import.h"

#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "libinsert/com_handles.h"
#include "libinsert/dispatch.h"
#include "libinsert/exit_codes.h"

namespace libinsert {
namespace {

// iTunes runs in its own process with its own current folder, so a relative path is made full
// here. Empty when the path names no file.
std::string FullPathOfFile(const std::string& path) {
  if (path.empty()) return {};
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return {};
  const DWORD attributes = GetFileAttributesA(full);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {};
  }
  return std::string(full, length);
}

std::wstring WideFromAnsi(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// What the importing thread tells the waiting one: iTunes answered, and the final result.
class ImportProgress {
 public:
  void MarkReached() {
    std::lock_guard<std::mutex> lock(mutex_);
    reached_ = true;
    changed_.notify_all();
  }
  void Finish(int result) {
    std::lock_guard<std::mutex> lock(mutex_);
    result_ = result;
    finished_ = true;
    changed_.notify_all();
  }
  // False when iTunes neither answered nor failed within `limit`.
  bool WaitReached(std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return reached_ || finished_; });
  }
  int Result() {
    std::lock_guard<std::mutex> lock(mutex_);
    return result_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool reached_ = false;
  bool finished_ = false;
  int result_ = kExitNoITunes;
};

// Reads the property `name` converted to `type`.
HRESULT ReadAs(IDispatch* object, const wchar_t* name, VARTYPE type, Variant* value) {
  Variant answer;
  const HRESULT hr = GetProperty(object, name, &answer);
  if (FAILED(hr)) return hr;
  return VariantChangeType(value->Put(), answer.Address(), 0, type);
}

// Creating the application object starts iTunes when it is not running. An iTunes that is
// still closing, or busy, refuses for a moment; it is asked again until `give_up`.
ComPtr<IDispatch> ConnectToITunes(std::chrono::steady_clock::time_point give_up) {
  ComPtr<IDispatch> application;
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"iTunes.Application", &clsid))) return application;
  for (;;) {
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                                        IID_IDispatch, reinterpret_cast<void**>(application.Put()));
    if (SUCCEEDED(hr)) return application;
    application.Reset();
    const bool refused_for_now = hr == CO_E_SERVER_STOPPING || IsCallRejected(hr);
    if (!refused_for_now || std::chrono::steady_clock::now() >= give_up) return application;
    Sleep(kBusyRetryPauseMs);
  }
}

// A call that failed after iTunes had answered: a lost connection (iTunes quit, or kept
// rejecting calls) means iTunes cannot be reached; any other error is iTunes failing the file.
int ExitCodeOfFailedCall(HRESULT result) {
  return IsConnectionLost(result) ? kExitNoITunes : kExitImportFailed;
}

// iTunes adds files in the background: AddFile hands back an operation status that reports
// InProgress until the add has finished; its Tracks then hold what was added.
int AddAndWait(IDispatch* playlist, const std::string& path,
               std::chrono::milliseconds poll_interval) {
  const std::wstring wide_path = WideFromAnsi(path);
  Bstr path_text(wide_path.c_str());
  VARIANT argument;  // borrows the text; path_text frees it
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = path_text.Get();
  Variant answer;
  HRESULT hr = CallMethod(playlist, L"AddFile", argument, &answer);
  if (FAILED(hr)) return ExitCodeOfFailedCall(hr);
  const ComPtr<IDispatch> status = answer.TakeDispatch();
  if (!status) return kExitImportFailed;

  // No time limit: copying a large movie may take long, and the backup run relies on the tool
  // ending only when the file is in the library.
  for (;;) {
    Variant in_progress;
    hr = ReadAs(status.Get(), L"InProgress", VT_BOOL, &in_progress);
    if (FAILED(hr)) return ExitCodeOfFailedCall(hr);
    if (in_progress.Get().boolVal == VARIANT_FALSE) break;
    Sleep(static_cast<DWORD>(poll_interval.count()));
  }
  Variant tracks_answer;
  hr = GetProperty(status.Get(), L"Tracks", &tracks_answer);
  if (FAILED(hr)) return ExitCodeOfFailedCall(hr);
  const ComPtr<IDispatch> tracks = tracks_answer.TakeDispatch();
  if (!tracks) return kExitImportFailed;
  Variant count;
  hr = ReadAs(tracks.Get(), L"Count", VT_I4, &count);
  if (FAILED(hr)) return ExitCodeOfFailedCall(hr);
  return count.Get().lVal > 0 ? kExitAdded : kExitImportFailed;
}

int RunImport(const std::string& path, const ImportTimings& timings, ImportProgress* progress) {
  const auto give_up = std::chrono::steady_clock::now() + timings.connect_limit;
  const ComApartment apartment;
  if (!apartment.Entered()) return kExitNoITunes;
  const ComPtr<IDispatch> application = ConnectToITunes(give_up);
  if (!application) return kExitNoITunes;
  Variant answer;
  if (FAILED(GetProperty(application.Get(), L"LibraryPlaylist", &answer))) return kExitNoITunes;
  const ComPtr<IDispatch> playlist = answer.TakeDispatch();
  if (!playlist) return kExitNoITunes;
  progress->MarkReached();
  return AddAndWait(playlist.Get(), path, timings.poll_interval);
}

}  // namespace

int ImportFile(const std::string& path, const ImportTimings& timings) {
  const std::string full_path = FullPathOfFile(path);
  if (full_path.empty()) return kExitBadArgument;

  // Starting a local server can block for minutes; the import runs on a thread of its own so
  // that this one can give up on an iTunes that does not answer. A thread given up on is left
  // behind and ends with the process.
  auto progress = std::make_shared<ImportProgress>();
  std::thread importer([progress, full_path, timings] {
    progress->Finish(RunImport(full_path, timings, progress.get()));
  });
  if (!progress->WaitReached(timings.connect_limit)) {
    importer.detach();
    return kExitNoITunes;
  }
  importer.join();
  return progress->Result();
}

}  // namespace libinsert
