#include "common/program_bitness.h"

#include <cstdint>
#include <string_view>

#include "quillmere_version.h"
#include "common/texts/product_texts.h"

namespace quillmere {
namespace {

constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;

// Little-endian numbers at `at`; false when they would run past the end.
bool ReadU16(std::span<const std::byte> bytes, std::uint64_t at, std::uint16_t& value) {
  if (at > bytes.size() || bytes.size() - at < 2) return false;
  value =
      static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) | std::to_integer<unsigned>(bytes[at + 1]) << 8);
  return true;
}

bool ReadU32(std::span<const std::byte> bytes, std::uint64_t at, std::uint32_t& value) {
  std::uint16_t low = 0, high = 0;
  if (!ReadU16(bytes, at, low) || !ReadU16(bytes, at + 2, high)) return false;
  value = static_cast<std::uint32_t>(low) | static_cast<std::uint32_t>(high) << 16;
  return true;
}

std::string_view BitsText(ModuleBitness bitness) { return bitness == ModuleBitness::Bits64 ? "64" : "32"; }

void Replace(std::string& text, std::string_view placeholder, std::string_view value) {
  const auto at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
}

}  // namespace

std::optional<ModuleBitness> ProgramBitness(std::span<const std::byte> leadingBytes) {
  std::uint16_t dosMagic = 0;
  if (!ReadU16(leadingBytes, 0, dosMagic) || dosMagic != 0x5A4D) return std::nullopt;  // "MZ"
  std::uint32_t header = 0, signature = 0;
  if (!ReadU32(leadingBytes, 0x3C, header) || !ReadU32(leadingBytes, header, signature) ||
      signature != 0x00004550) {  // "PE\0\0"
    return std::nullopt;
  }
  std::uint16_t machine = 0, optionalSize = 0, magic = 0;
  const std::uint64_t fileHeader = std::uint64_t{header} + 4;
  if (!ReadU16(leadingBytes, fileHeader, machine) || !ReadU16(leadingBytes, fileHeader + 16, optionalSize) ||
      optionalSize < 2 || !ReadU16(leadingBytes, fileHeader + 20, magic)) {
    return std::nullopt;
  }
  if (machine == kMachineI386 && magic == kMagicPe32) return ModuleBitness::Bits32;
  if (machine == kMachineAmd64 && magic == kMagicPe32Plus) return ModuleBitness::Bits64;
  return std::nullopt;
}

std::string PackageFileName(ModuleBitness bitness) {
  return std::string("Quillmere-") + QUILLMERE_VERSION_TEXT + (bitness == ModuleBitness::Bits64 ? "-x64" : "-x86") +
         ".msi";
}

std::string WrongBuildMessage(ModuleBitness powerPoint, ModuleBitness build, UiLanguage language) {
  if (powerPoint == build) return {};
  std::string text(Text(TextId::WrongBuildNotice, language));
  Replace(text, "{powerpoint}", BitsText(powerPoint));
  Replace(text, "{build}", BitsText(build));
  Replace(text, "{package}", PackageFileName(powerPoint));
  return text;
}

}  // namespace quillmere
