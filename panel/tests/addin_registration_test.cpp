#include "panel/addin_registration.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(AddInRegistrationTest, LibraryLiesInTheProgramFolder) {
  EXPECT_EQ(AddInLibraryPath(L"C:\\Program Files\\Quillmere"), L"C:\\Program Files\\Quillmere\\Tessivar.dll");
  EXPECT_EQ(AddInLibraryPath(L"C:\\"), L"C:\\Tessivar.dll");
}

TEST(AddInRegistrationTest, RegistrationProgramComesFromTheSystemFolder) {
  EXPECT_EQ(RegistrationProgramPath(L"C:\\Windows\\system32"), L"C:\\Windows\\system32\\regsvr32.exe");
}

TEST(AddInRegistrationTest, CommandLinesQuoteTheLibraryPath) {
  const std::wstring library = L"C:\\Program Files\\Quillmere\\Tessivar.dll";
  EXPECT_EQ(RegistrationCommandLine(Registration::Register, library),
            L"regsvr32 /s \"C:\\Program Files\\Quillmere\\Tessivar.dll\"");
  EXPECT_EQ(RegistrationCommandLine(Registration::Unregister, library),
            L"regsvr32 /u /s \"C:\\Program Files\\Quillmere\\Tessivar.dll\"");
}

TEST(AddInRegistrationTest, RefusesPathsThatCannotBeQuotedSafely) {
  for (const wchar_t* path : {L"", L"C:\\a\" /u \"b.dll", L"C:\\folder\\"}) {
    EXPECT_EQ(RegistrationCommandLine(Registration::Register, path), L"") << path;
  }
}

}  // namespace
}  // namespace quillmere
