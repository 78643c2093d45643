// A library planted beside the program under a system library's name: loading it leaves a note
// (C:\planted.txt) and fails, as a stranger's library would do its own thing instead.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  HANDLE note = ::CreateFileW(L"C:\\planted.txt", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (note != INVALID_HANDLE_VALUE) ::CloseHandle(note);
  return FALSE;
}
