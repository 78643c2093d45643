#include "panel/powerpoint_search.h"

namespace quillmere {

bool IsFullPath(std::wstring_view path) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool letter =
      path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
  if (letter && path[1] == L':' && separator(path[2])) return true;
  return path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
}

std::vector<std::wstring> PowerPointCandidates(std::wstring_view systemFolder, std::wstring_view windowsFolder,
                                               std::wstring_view pathVariable) {
  std::vector<std::wstring> candidates;
  const auto add = [&](std::wstring_view folder) {
    if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
      folder = folder.substr(1, folder.size() - 2);
    if (!IsFullPath(folder)) return;
    std::wstring file(folder);
    if (file.back() != L'\\' && file.back() != L'/') file += L'\\';
    candidates.push_back(file + L"POWERPNT.EXE");
  };
  add(systemFolder);
  add(windowsFolder);
  while (!pathVariable.empty()) {
    const auto end = pathVariable.find(L';');
    add(pathVariable.substr(0, end));
    pathVariable = end == std::wstring_view::npos ? std::wstring_view{} : pathVariable.substr(end + 1);
  }
  return candidates;
}

}  // namespace quillmere
