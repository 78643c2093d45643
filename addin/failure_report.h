#pragma once

#include <cstdint>

#include "addin/assembly_error.h"

namespace quillmere {

// The COM status codes the add-in reports, as plain numbers so the mapping is testable anywhere.
namespace status {
inline constexpr std::int32_t kUnexpected = static_cast<std::int32_t>(0x8000FFFF);    // E_UNEXPECTED
inline constexpr std::int32_t kFail = static_cast<std::int32_t>(0x80004005);          // E_FAIL
inline constexpr std::int32_t kOutOfMemory = static_cast<std::int32_t>(0x8007000E);   // E_OUTOFMEMORY
inline constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005);  // DISP_E_TYPEMISMATCH
inline constexpr std::int32_t kOverflow = static_cast<std::int32_t>(0x8002000A);      // DISP_E_OVERFLOW
inline constexpr std::int32_t kCannotRead =
    static_cast<std::int32_t>(0x800703F4);  // HRESULT_FROM_WIN32(ERROR_CANTREAD)
}  // namespace status

// The failed status the host is told when the document cannot be assembled; the error's
// description, naming the setting and its stored text, goes into the call's error information.
std::int32_t StatusFor(const AssemblyError& error) noexcept;

}  // namespace quillmere
