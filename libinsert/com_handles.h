// Owners for the COM resources the tool holds: interface pointers, BSTRs, VARIANTs and the
// apartment of the calling thread. Each releases what it owns exactly once.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace libinsert {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-parameters: releases the current pointer and hands out the slot.
  Interface** Put() {
    Reset();
    return &pointer_;
  }
  void Reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

class Bstr {
 public:
  explicit Bstr(const wchar_t* text) : bstr_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(bstr_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return bstr_; }

 private:
  BSTR bstr_;
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  const VARIANT& Get() const { return value_; }
  // For in-parameters of APIs that take a non-const pointer but do not change the value.
  VARIANT* Address() { return &value_; }
  // For out-parameters: clears the current value and hands out the slot.
  VARIANT* Put() {
    VariantClear(&value_);
    return &value_;
  }
  // Moves an object reference out; empty when the value holds no object.
  ComPtr<IDispatch> TakeDispatch() {
    ComPtr<IDispatch> object;
    if (value_.vt == VT_DISPATCH) {
      object = ComPtr<IDispatch>(std::exchange(value_.pdispVal, nullptr));
      value_.vt = VT_EMPTY;
    } else if (value_.vt == VT_UNKNOWN && value_.punkVal != nullptr) {
      value_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.Put()));
    }
    VariantClear(&value_);
    return object;
  }

 private:
  VARIANT value_;
};

// Enters a single-threaded apartment for the life of the object.
class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool Entered() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace libinsert
