#include "common/program_files.h"

namespace quillmere {

std::wstring ParentFolder(std::wstring_view filePath) {
  const auto separator = filePath.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos) return {};
  return std::wstring(filePath.substr(0, separator));
}

std::wstring HandCursorPath(std::wstring_view programFolder) { return std::wstring(programFolder) + L"\\HAND-M.CUR"; }

}  // namespace quillmere
