#include "common/window_helpers_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <memory>

#include "common/program_files.h"
#include "common/registry_win.h"
#include "common/window_metrics.h"

namespace quillmere {

HMODULE CodeModule() noexcept {
  HMODULE module = nullptr;
  // Any address inside this module names it; the reference count is left alone.
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CodeModule), &module);
  return module;
}

std::wstring ModuleFilePath(HMODULE module) {
  // Long paths do not fit MAX_PATH; grow until the name is not cut off.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() { return ParentFolder(ModuleFilePath(CodeModule())); }

namespace {

std::wstring FolderFrom(UINT(WINAPI* folderOf)(LPWSTR, UINT)) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = folderOf(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length);
}

}  // namespace

std::wstring SystemFolder() { return FolderFrom(&::GetSystemDirectoryW); }

std::wstring WindowsFolder() { return FolderFrom(&::GetSystemWindowsDirectoryW); }

namespace {

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

// The shell is loaded when a link is first opened, not with the module: loading it with
// Tessivar.dll would more than double the add-in's share of PowerPoint's start-up. It is bound by
// hand rather than through a linker-made delay-import library: one linker drops such a library's
// thunks and leaves an empty import slot, a crash at the first click, where a failed lookup here
// is only a link that does not open. The library stays loaded, so the address stays valid.
ShellExecuteExFunction ShellExecuteExFromSystem() {
  static const ShellExecuteExFunction function = [] {
    // shell32.dll and every library it needs come from the system folder only, never from the
    // current folder or the folder of the process's program. A Windows without the search flags
    // (before 8, and 7 or Vista without update KB2533623) gets shell32.dll by its full path, but
    // looks for the libraries it needs the usual way, the program's folder first.
    const bool searchFlags = ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
    if (searchFlags) {
      return SystemFunction<ShellExecuteExFunction>(
          ::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "ShellExecuteExW");
    }
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return ShellExecuteExFunction{};
    const HMODULE shell = ::LoadLibraryW((folder + L"\\shell32.dll").c_str());
    return SystemFunction<ShellExecuteExFunction>(shell, "ShellExecuteExW");
  }();
  return function;
}

struct ShellLaunch {
  ShellExecuteExFunction execute;
  HWND owner;
  std::wstring target;
  std::wstring folder;
  DWORD mask;
};

void Launch(const ShellLaunch& launch) noexcept {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = launch.mask;
  execute.hwnd = launch.owner;
  execute.lpFile = launch.target.c_str();
  execute.lpDirectory = launch.folder.empty() ? nullptr : launch.folder.c_str();
  execute.nShow = SW_SHOWNORMAL;
  launch.execute(&execute);
}

// The waiting launch runs on a thread of its own, so a shell that never finishes cannot hold
// the caller beyond its time. The thread owns the launch and frees it.
DWORD WINAPI LaunchThread(void* parameter) {
  std::unique_ptr<ShellLaunch> launch(static_cast<ShellLaunch*>(parameter));
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  Launch(*launch);
  if (SUCCEEDED(com)) ::CoUninitialize();
  return 0;
}

}  // namespace

void ShellOpen(HWND owner, const std::wstring& target, DWORD waitMilliseconds) noexcept {
  try {
    ShellOpen(owner, target, ProgramFolder(), waitMilliseconds);
  } catch (...) {
    // Opening is a courtesy: nothing is reported, whatever went wrong.
  }
}

void ShellOpen(HWND owner, const std::wstring& target, const std::wstring& workingFolder,
               DWORD waitMilliseconds) noexcept {
  try {
    const ShellExecuteExFunction shellExecuteEx = ShellExecuteExFromSystem();
    if (shellExecuteEx == nullptr) return;
    // No error boxes and no "open with" prompt: a target that cannot be opened is simply not.
    auto launch =
        std::make_unique<ShellLaunch>(ShellLaunch{shellExecuteEx, owner, target, workingFolder, SEE_MASK_FLAG_NO_UI});
    if (waitMilliseconds == 0) {
      Launch(*launch);
      return;
    }
    launch->mask |= SEE_MASK_NOASYNC;
    const UniqueKernelHandle thread(::CreateThread(nullptr, 0, &LaunchThread, launch.get(), 0, nullptr));
    if (!thread) return;
    static_cast<void>(launch.release());  // the thread owns it now
    WaitWithMessages(thread.get(), waitMilliseconds);
  } catch (...) {
    // Opening is a courtesy: nothing is reported, whatever went wrong.
  }
}

DWORD WaitWithMessages(HANDLE handle, DWORD milliseconds) noexcept {
  const DWORD start = ::GetTickCount();
  for (;;) {
    const DWORD elapsed = ::GetTickCount() - start;
    const DWORD left = elapsed >= milliseconds ? 0 : milliseconds - elapsed;
    const DWORD result = ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_ALLINPUT);
    if (result != WAIT_OBJECT_0 + 1) return result;
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The caller's own loop ends on it; wait out the rest without handling messages.
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return ::WaitForSingleObject(handle, left);
      }
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
}

void CenterOnScreen(HWND window) noexcept {
  RECT frame{};
  if (!::GetWindowRect(window, &frame)) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& screen = monitor.rcMonitor;
  const PixelPoint origin =
      CenteredOrigin({screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top},
                     frame.right - frame.left, frame.bottom - frame.top);
  ::SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FileExists(const std::wstring& path) noexcept {
  // No "insert a disk" boxes for a path on an empty drive, but only on this thread: inside a
  // host the process-wide error mode belongs to the host. Windows before 7 has no per-thread
  // mode; there the mode stays as it is (the paths asked for lie beside our own file, on a
  // drive that is there).
  using SetThreadErrorModeFunction = BOOL(WINAPI*)(DWORD, LPDWORD);
  static const auto setThreadErrorMode =
      SystemFunction<SetThreadErrorModeFunction>(::GetModuleHandleW(L"kernel32.dll"), "SetThreadErrorMode");
  DWORD oldMode = 0;
  const bool quiet =
      setThreadErrorMode && setThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  const bool found = !path.empty() && ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
                     (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  if (quiet) setThreadErrorMode(oldMode, nullptr);
  return found;
}

UniqueHKey CreateRegistryKey(const std::wstring& subKey, HKEY root) noexcept {
  try {
    return RegistryKey::Create(root, subKey, KEY_ALL_ACCESS).Release();
  } catch (...) {
    return {};
  }
}

}  // namespace quillmere
