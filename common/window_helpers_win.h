#pragma once

// Small Win32 helpers both deliverables share. All take wide text, so a program folder with
// any characters works, and none of them reports failure by message or exception unless
// stated.

#include <windows.h>

#include <string>

#include "common/unique_handle_win.h"

namespace quillmere {

// The module that holds this code: the add-in library inside PowerPoint, the program itself in
// the control panel. Never the process's executable unless that is where the code lives.
HMODULE CodeModule() noexcept;

// The full path of a module's file; empty when it cannot be read.
std::wstring ModuleFilePath(HMODULE module);

// The folder of CodeModule()'s file, without a trailing separator.
std::wstring ProgramFolder();

// The Windows system folder, without a trailing separator; empty when it cannot be read.
std::wstring SystemFolder();
// The machine's Windows folder, never a user's own copy of it (as terminal servers give some
// programs); empty when it cannot be read.
std::wstring WindowsFolder();

// Starts the default action for a web address, document or program name, with the program
// folder as working directory. Whether anything started is not reported.
//
// The shell may finish a launch in the background after the call returns; a program that ends
// right after the call would end that launch too. Such a caller passes waitMilliseconds: the call
// then returns once the launch is complete, or when that time has passed, handling the calling
// thread's messages while it waits.
void ShellOpen(HWND owner, const std::wstring& target, DWORD waitMilliseconds = 0) noexcept;

// The same with the working directory given: the shell looks a bare program name up there first.
void ShellOpen(HWND owner, const std::wstring& target, const std::wstring& workingFolder,
               DWORD waitMilliseconds) noexcept;

// Waits until the handle is signalled or the time has passed, and meanwhile handles this
// thread's messages, so its windows keep painting and answering. Returns what
// WaitForSingleObject would.
DWORD WaitWithMessages(HANDLE handle, DWORD milliseconds) noexcept;

// A function of a system DLL that not every supported Windows version has; null where the
// module or the function is missing. The module must stay loaded while the pointer is used.
template <class Function>
Function SystemFunction(HMODULE module, const char* name) noexcept {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// Moves the window so it stands in the middle of the screen it is on; its size stays.
void CenterOnScreen(HWND window) noexcept;

// True for an existing file (not a folder); every error reads as "no file".
bool FileExists(const std::wstring& path) noexcept;

// Creates the key or opens it when it exists, with full access. Empty on failure.
UniqueHKey CreateRegistryKey(const std::wstring& subKey, HKEY root) noexcept;

}  // namespace quillmere
