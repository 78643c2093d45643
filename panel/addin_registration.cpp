#include "panel/addin_registration.h"

namespace quillmere {
namespace {

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += name;
  return path;
}

}  // namespace

std::wstring AddInLibraryPath(std::wstring_view programFolder) { return JoinPath(programFolder, kAddInLibraryName); }

std::wstring RegistrationProgramPath(std::wstring_view systemFolder) { return JoinPath(systemFolder, L"regsvr32.exe"); }

std::wstring RegistrationCommandLine(Registration action, std::wstring_view libraryPath) {
  // Inside quotes a backslash before the closing quote would escape it.
  if (libraryPath.empty() || libraryPath.find(L'"') != std::wstring_view::npos || libraryPath.back() == L'\\') {
    return {};
  }
  std::wstring command = action == Registration::Register ? L"regsvr32 /s " : L"regsvr32 /u /s ";
  command += L'"';
  command += libraryPath;
  command += L'"';
  return command;
}

}  // namespace quillmere
