#include <gtest/gtest.h>

#include <string>

#include "addin/uninstall_message.h"

namespace quillmere {
namespace {

TEST(UninstallMessageTest, IsOneInstructionABlankLineAndTheStartMenuPath) {
  const std::wstring message = UninstallMessage();
  const auto goTo = message.find(L"go to");
  const auto start = message.find(L"Start");
  ASSERT_NE(goTo, std::wstring::npos);
  ASSERT_NE(start, std::wstring::npos);
  EXPECT_EQ(message.substr(goTo + 5, start - goTo - 5), L"\r\r");
  EXPECT_EQ(message.find(L'\n'), std::wstring::npos);
  EXPECT_TRUE(message.starts_with(L"To uninstall, close PowerPoint and then go to"));
  EXPECT_TRUE(message.ends_with(L"Start > Program Files > Quillmere > Uninstall Quillmere"));
}

}  // namespace
}  // namespace quillmere
