// Typed owners of Windows handles: each closes its handle with the one call that fits it.
// Builds with TUNESAFE_COUNT_HANDLES (and every build without NDEBUG) count the live owners,
// so a test can show that every handle it caused to be opened was closed again.
#pragma once

#include <windows.h>

#include <utility>

namespace tunesafe {

// The number of owners holding an open handle now; 0 when counting is not compiled in.
int LiveHandleCount();
// Whether this build counts handles (tests check this before trusting LiveHandleCount).
bool HandleCountingEnabled();

namespace handle_internal {
void NoteOpened();
void NoteClosed();
}  // namespace handle_internal

template <typename Traits>
class UniqueResource {
 public:
  using Type = typename Traits::Type;

  UniqueResource() = default;
  explicit UniqueResource(Type value) : value_(value) {
    if (IsValid()) handle_internal::NoteOpened();
  }
  ~UniqueResource() { Reset(); }

  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  // A move hands the handle over: it stays open and stays counted once.
  UniqueResource(UniqueResource&& other) noexcept : value_(other.Take()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = other.Take();
    }
    return *this;
  }

  Type Get() const { return value_; }
  bool IsValid() const { return Traits::IsValid(value_); }
  explicit operator bool() const { return IsValid(); }

  // Closes the held handle, if any, and takes `value` in its place.
  void Reset(Type value = Traits::Invalid()) {
    if (IsValid()) {
      Traits::Close(value_);
      handle_internal::NoteClosed();
    }
    value_ = value;
    if (IsValid()) handle_internal::NoteOpened();
  }

  // Gives the handle up without closing it; the caller now owns it.
  Type Release() {
    Type value = std::exchange(value_, Traits::Invalid());
    if (Traits::IsValid(value)) handle_internal::NoteClosed();
    return value;
  }

 private:
  Type Take() { return std::exchange(value_, Traits::Invalid()); }

  Type value_ = Traits::Invalid();
};

// Kernel objects (processes, threads, files): CloseHandle. Both NULL and
// INVALID_HANDLE_VALUE mean "none", since the calls that make them differ in which they use.
struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::CloseHandle(h); }
};

// Directory enumerations of FindFirstFile: FindClose.
struct FindHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::FindClose(h); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;

}  // namespace tunesafe
