#include "addin/uninstall_message.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmere {
namespace {

TEST(UninstallMessageTest, IsOneInstructionABlankLineAndTheStartMenuPath) {
  EXPECT_EQ(UninstallMessageText(UiLanguage::English),
            "To uninstall, close PowerPoint and then go to\r\rStart > Program Files > Quillmere > Uninstall Quillmere");
}

}  // namespace
}  // namespace quillmere
