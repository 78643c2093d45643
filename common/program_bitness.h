#pragma once

// PowerPoint loads only add-in libraries of its own bitness. How the product tells a program's
// bitness from its file, and what it tells the user when the installed build does not fit.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "common/texts/ui_language.h"
#include "common/registration_table.h"

namespace quillmere {

// The bitness this build's code runs as.
inline constexpr ModuleBitness kThisBuild = sizeof(void*) == 8 ? ModuleBitness::Bits64 : ModuleBitness::Bits32;

// How many leading bytes of a program file ProgramBitness needs at most: linkers put the PE
// header within the first few hundred bytes.
inline constexpr std::size_t kProgramHeaderBytes = 4096;

// The bitness of an x86 or x64 Windows program, read from its PE header (the machine type,
// cross-checked with the optional header's magic). None for anything else: other machines, a
// header that does not add up, or too few bytes. Never reads past the end.
std::optional<ModuleBitness> ProgramBitness(std::span<const std::byte> leadingBytes);

// "Quillmere-7.0.0-x86.msi": the package that carries the build of that bitness.
std::string PackageFileName(ModuleBitness bitness);

// What the user is told, in their language, when a PowerPoint of one bitness sits beside a build
// of the other; empty when they fit. The packages' refusal uses the English text.
std::string WrongBuildMessage(ModuleBitness powerPoint, ModuleBitness build, UiLanguage language = UiLanguage::English);

}  // namespace quillmere
