#pragma once

#include <windows.h>

#include <string>

namespace quillmere {

// This library's full path, as loaded.
std::wstring ThisModulePath();

// Live COM objects of this library; DllCanUnloadNow answers S_OK only at zero.
void AddObjectReference() noexcept;
void ReleaseObjectReference() noexcept;

}  // namespace quillmere
