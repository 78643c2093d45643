#pragma once

// One move-only owner for every Windows handle type, so that no handle can be closed twice or
// leaked on an early return. Copying is deleted: two owners of one handle would close it twice.

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace quillmere {

template <typename Handle, typename Close, Close close, Handle invalid = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != invalid; }

  // For functions that hand out a new handle through an out-parameter; frees the old one first.
  Handle* put() noexcept {
    reset();
    return &handle_;
  }

  Handle release() noexcept { return std::exchange(handle_, invalid); }

  void reset(Handle handle = invalid) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old != invalid) close(old);
  }

 private:
  Handle handle_ = invalid;
};

namespace handle_close {
inline void Key(HKEY key) noexcept { ::RegCloseKey(key); }
inline void Kernel(HANDLE handle) noexcept { ::CloseHandle(handle); }
inline void String(BSTR text) noexcept { ::SysFreeString(text); }
inline void Window(HWND window) noexcept { ::DestroyWindow(window); }
inline void Font(HFONT font) noexcept { ::DeleteObject(font); }
inline void Brush(HBRUSH brush) noexcept { ::DeleteObject(brush); }
inline void Pen(HPEN pen) noexcept { ::DeleteObject(pen); }
inline void Cursor(HCURSOR cursor) noexcept { ::DestroyCursor(cursor); }
inline void Icon(HICON icon) noexcept { ::DestroyIcon(icon); }
}  // namespace handle_close

using UniqueHKey = UniqueHandle<HKEY, decltype(&handle_close::Key), &handle_close::Key>;
using UniqueKernelHandle = UniqueHandle<HANDLE, decltype(&handle_close::Kernel), &handle_close::Kernel>;
using UniqueBstr = UniqueHandle<BSTR, decltype(&handle_close::String), &handle_close::String>;
using UniqueWindow = UniqueHandle<HWND, decltype(&handle_close::Window), &handle_close::Window>;
using UniqueFont = UniqueHandle<HFONT, decltype(&handle_close::Font), &handle_close::Font>;
using UniqueBrush = UniqueHandle<HBRUSH, decltype(&handle_close::Brush), &handle_close::Brush>;
using UniquePen = UniqueHandle<HPEN, decltype(&handle_close::Pen), &handle_close::Pen>;
using UniqueCursor = UniqueHandle<HCURSOR, decltype(&handle_close::Cursor), &handle_close::Cursor>;
using UniqueIcon = UniqueHandle<HICON, decltype(&handle_close::Icon), &handle_close::Icon>;

// A window's device context (the screen's for a null window), released to that window; it needs
// the window to release, so not a UniqueHandle.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A VARIANT that clears itself; held by value, so not a UniqueHandle. Move-only: two owners
// would clear it twice.
class UniqueVariant {
 public:
  UniqueVariant() noexcept { ::VariantInit(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }
  UniqueVariant& operator=(UniqueVariant&&) = delete;
  ~UniqueVariant() { ::VariantClear(&value_); }

  VARIANT* get() noexcept { return &value_; }
  const VARIANT& operator*() const noexcept { return value_; }

 private:
  VARIANT value_;
};

}  // namespace quillmere
