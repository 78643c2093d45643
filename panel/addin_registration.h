#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// The add-in library lies beside the control panel program.
inline constexpr std::wstring_view kAddInLibraryName = L"Tessivar.dll";

enum class Registration { Register, Unregister };

// The add-in library's full path: the program folder (with or without a trailing separator)
// followed by the library's name.
std::wstring AddInLibraryPath(std::wstring_view programFolder);

// The registration program, always the one in the Windows system folder, so that a file of the
// same name in the current or the program folder is never run.
std::wstring RegistrationProgramPath(std::wstring_view systemFolder);

// "regsvr32 /s "<library>"" or "regsvr32 /u /s "<library>"". Empty when the path cannot be
// quoted safely (a double quote in it would end the argument early).
std::wstring RegistrationCommandLine(Registration action, std::wstring_view libraryPath);

}  // namespace quillmere
