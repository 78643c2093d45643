#include "common/skin.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/program_files.h"

namespace quillmere {
namespace {

// A window that only records what the skin does to it.
class RecordingWindow final : public SkinnableWindow {
 public:
  explicit RecordingWindow(std::vector<ControlKind> kinds) : kinds_(std::move(kinds)), colors_(kinds_.size()) {}

  void SetBackColor(OleColor color) override { back = color; }
  std::size_t ControlCount() const override { return kinds_.size(); }
  ControlKind KindOfControl(std::size_t index) const override { return kinds_.at(index); }
  void SetControlBackColor(std::size_t index, OleColor color) override { colors_.at(index) = color; }

  std::optional<OleColor> back;
  const std::vector<std::optional<OleColor>>& colors() const { return colors_; }

 private:
  std::vector<ControlKind> kinds_;
  std::vector<std::optional<OleColor>> colors_;
};

const std::vector<ControlKind> kEveryKind = {
    ControlKind::Label,      ControlKind::CheckBox, ControlKind::OptionButton, ControlKind::Frame,
    ControlKind::PushButton, ControlKind::Picture,  ControlKind::Line,         ControlKind::TabControl,
    ControlKind::List,       ControlKind::Edit,     ControlKind::Other,
};

TEST(ApplySkinRulesTest, WithoutTheSkinFileNothingIsTouched) {
  RecordingWindow window(kEveryKind);
  EXPECT_FALSE(ApplySkinRules(window, false));
  EXPECT_FALSE(window.back.has_value());
  for (const auto& color : window.colors()) EXPECT_FALSE(color.has_value());
}

TEST(ApplySkinRulesTest, PlainControlsTakeButtonFaceAndTheRestKeepTheirs) {
  RecordingWindow window(kEveryKind);
  EXPECT_TRUE(ApplySkinRules(window, true));
  EXPECT_EQ(window.back, std::optional<OleColor>(0x8000000Fu));
  const std::vector<std::optional<OleColor>> expected = {
      0x8000000Fu,  0x8000000Fu,  0x8000000Fu,  0x8000000Fu,  std::nullopt, std::nullopt,
      std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
  };
  EXPECT_EQ(window.colors(), expected);
}

struct FolderCase {
  const wchar_t* path;
  const wchar_t* folder;
  friend void PrintTo(const FolderCase& c, std::ostream* os) {
    for (const wchar_t* p = c.path; *p; ++p) *os << (*p < 128 ? static_cast<char>(*p) : '?');
  }
};

class ParentFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(ParentFolderTest, DropsTheFileNameAndTheSeparator) {
  EXPECT_EQ(ParentFolder(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ParentFolderTest,
    testing::Values(FolderCase{L"C:\\Program Files\\Quillmere\\Tessivar.dll", L"C:\\Program Files\\Quillmere"},
                    FolderCase{L"C:\\Tessivar.dll", L"C:"},
                    FolderCase{L"\\\\server\\share\\Q\\Quillmere.exe", L"\\\\server\\share\\Q"},
                    FolderCase{L"\\\\?\\C:\\Very\\Long\\Path\\Tessivar.dll", L"\\\\?\\C:\\Very\\Long\\Path"},
                    FolderCase{L"C:\\Users\\\u00c5sa \u6771\u4eac\\Tessivar.dll", L"C:\\Users\\\u00c5sa \u6771\u4eac"},
                    FolderCase{L"Tessivar.dll", L""}));

TEST(ProgramFilesTest, OptionalFilesLieBesideTheProgram) {
  EXPECT_EQ(SkinFilePath(L"C:\\\u00c5 B"), L"C:\\\u00c5 B\\x\\o.cjs");
  EXPECT_EQ(HandCursorPath(L"C:\\\u00c5 B"), L"C:\\\u00c5 B\\HAND-M.CUR");
}

}  // namespace
}  // namespace quillmere
