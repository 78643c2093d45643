#include "panel/powerpoint_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere {
namespace {

TEST(PowerPointSearchTest, OnlyPathsIndependentOfTheCurrentFolderAreFull) {
  for (const wchar_t* full : {L"C:\\Office\\POWERPNT.EXE", L"d:/office", L"\\\\server\\share\\POWERPNT.EXE"}) {
    EXPECT_TRUE(IsFullPath(full)) << full;
  }
  for (const wchar_t* relative : {L"", L"POWERPNT.EXE", L".", L".\\POWERPNT.EXE", L"C:POWERPNT.EXE", L"C:",
                                  L"\\Office\\POWERPNT.EXE", L"\\\\\\share", L"1:\\x"}) {
    EXPECT_FALSE(IsFullPath(relative)) << relative;
  }
}

// The system and Windows folders first, then PATH in order; nothing that would be looked up
// relative to the current folder.
TEST(PowerPointSearchTest, SearchesTheSystemFoldersThenThePathNeverTheCurrentFolder) {
  EXPECT_EQ(PowerPointCandidates(L"C:\\Windows\\system32", L"C:\\Windows",
                                 L".;C:\\Office\\;;bin;\"C:\\Program Files\\Office\";\\\\srv\\apps;C:rel"),
            (std::vector<std::wstring>{L"C:\\Windows\\system32\\POWERPNT.EXE", L"C:\\Windows\\POWERPNT.EXE",
                                       L"C:\\Office\\POWERPNT.EXE", L"C:\\Program Files\\Office\\POWERPNT.EXE",
                                       L"\\\\srv\\apps\\POWERPNT.EXE"}));
  EXPECT_EQ(PowerPointCandidates(L"", L"", L""), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace quillmere
