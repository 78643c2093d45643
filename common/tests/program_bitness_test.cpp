#include "common/program_bitness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "quillmere_version.h"

namespace quillmere {
namespace {

// The leading bytes of a program: DOS header, PE signature at `header`, machine, optional
// header size and magic; `size` cuts the bytes off.
struct Header {
  std::uint32_t header = 0x80;
  std::uint16_t machine = 0x014C;
  std::uint16_t optionalSize = 0xE0;
  std::uint16_t magic = 0x10B;
  std::size_t size = 0x200;
  bool dosMagic = true;
  bool signature = true;
};

std::vector<std::byte> Bytes(const Header& h) {
  std::vector<std::byte> bytes(0x200);
  const auto put = [&](std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (at + i < bytes.size()) bytes[at + i] = static_cast<std::byte>(value >> (8 * i));
    }
  };
  if (h.dosMagic) put(0, 0x5A4D, 2);
  put(0x3C, h.header, 4);
  if (h.signature) put(h.header, 0x4550, 4);
  put(std::size_t{h.header} + 4, h.machine, 2);
  put(std::size_t{h.header} + 20, h.optionalSize, 2);
  put(std::size_t{h.header} + 24, h.magic, 2);
  bytes.resize(h.size);
  return bytes;
}

struct BitnessCase {
  const char* name;
  Header header;
  std::optional<ModuleBitness> expected;
};

void PrintTo(const BitnessCase& c, std::ostream* out) { *out << c.name; }

class ProgramBitnessTest : public testing::TestWithParam<BitnessCase> {};

TEST_P(ProgramBitnessTest, ReadsTheHeaderOrGivesUp) {
  const auto bytes = Bytes(GetParam().header);
  EXPECT_EQ(ProgramBitness(bytes), GetParam().expected);
}

constexpr auto k32 = ModuleBitness::Bits32;
constexpr auto k64 = ModuleBitness::Bits64;

INSTANTIATE_TEST_SUITE_P(
    Headers, ProgramBitnessTest,
    testing::Values(BitnessCase{"X86", {}, k32},
                    BitnessCase{"X64", {.machine = 0x8664, .optionalSize = 0xF0, .magic = 0x20B}, k64},
                    BitnessCase{"HeaderAtTheVeryEnd", {.header = 0x1E6, .size = 0x200}, k32},
                    BitnessCase{"Arm64", {.machine = 0xAA64, .magic = 0x20B}, std::nullopt},
                    BitnessCase{"X86MachineWithPe32PlusMagic", {.magic = 0x20B}, std::nullopt},
                    BitnessCase{"NoOptionalHeader", {.optionalSize = 0}, std::nullopt},
                    BitnessCase{"NotMz", {.dosMagic = false}, std::nullopt},
                    BitnessCase{"NoPeSignature", {.signature = false}, std::nullopt},
                    BitnessCase{"HeaderOffsetPastTheEnd", {.header = 0x1F0}, std::nullopt},
                    BitnessCase{"HeaderOffsetNearFourGigabytes", {.header = 0xFFFFFFFE}, std::nullopt},
                    BitnessCase{"CutBeforeTheMagic", {.size = 0x80 + 25}, std::nullopt},
                    BitnessCase{"CutInsideTheDosHeader", {.size = 0x3E}, std::nullopt},
                    BitnessCase{"Empty", {.size = 0}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WrongBuildMessageTest, NamesPowerPointsBitnessAndThePackageThatFits) {
  const std::string version = QUILLMERE_VERSION_TEXT;
  EXPECT_EQ(WrongBuildMessage(k32, k64),
            "Your PowerPoint is 32-bit; this Quillmere is the 64-bit build. Install Quillmere-" + version +
                "-x86.msi instead.");
  EXPECT_EQ(WrongBuildMessage(k64, k32),
            "Your PowerPoint is 64-bit; this Quillmere is the 32-bit build. Install Quillmere-" + version +
                "-x64.msi instead.");
  EXPECT_EQ(WrongBuildMessage(k32, k32), "");
  EXPECT_EQ(WrongBuildMessage(k64, k64), "");
}

TEST(WrongBuildMessageTest, EveryLanguageFillsEverySlot) {
  for (std::size_t index = 0; index < kUiLanguageCount; ++index) {
    const auto language = static_cast<UiLanguage>(index);
    const std::string text = WrongBuildMessage(k64, k32, language);
    EXPECT_EQ(text.find('{'), std::string::npos) << text;
    EXPECT_NE(text.find("64"), std::string::npos) << text;
    EXPECT_NE(text.find("32"), std::string::npos) << text;
    EXPECT_NE(text.find(PackageFileName(k64)), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace quillmere
