#pragma once

// The settings window's controls stand in frames inside the tab control, so the test programs
// look for a control among all of a window's descendants, not only its children.

#include <windows.h>

namespace quillmere::test {

struct ControlSearch {
  int id;
  HWND found;
};

inline BOOL CALLBACK MatchControlId(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ControlSearch*>(context);
  if (::GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

// The first descendant of `window` with the control id, or null.
inline HWND FindControl(HWND window, int id) {
  ControlSearch search{id, nullptr};
  ::EnumChildWindows(window, &MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace quillmere::test
