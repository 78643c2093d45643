#include "addin/failure_report.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quillmere {
namespace {

using Reason = AssemblyError::Reason;

struct ReportCase {
  const char* name;
  AssemblyError error;
  std::int32_t status;
};
void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class FailureReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(FailureReportTest, MapsToTheStatusAndKeepsTheDescription) {
  const ReportCase& c = GetParam();
  FailureReport report = ReportFor(c.error);
  EXPECT_EQ(report.status, c.status);
  EXPECT_LT(report.status, 0) << "a failure must be a failed HRESULT";
  EXPECT_EQ(report.description, c.error.what());
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FailureReportTest,
    testing::Values(
        ReportCase{"not_connected", AssemblyError(Reason::NoHost, "no host"), status::kUnexpected},
        ReportCase{"host_status_passed_on",
                   AssemblyError(Reason::HostFailed, "no Name", {}, {},
                                 static_cast<long>(static_cast<std::int32_t>(0x80020006))),
                   static_cast<std::int32_t>(0x80020006)},
        ReportCase{"host_without_status", AssemblyError(Reason::HostFailed, "no Name"), status::kFail},
        // A success code from the host is no failure to pass on.
        ReportCase{"host_success_status", AssemblyError(Reason::HostFailed, "odd", {}, {}, 1), status::kFail},
        ReportCase{"not_a_number", AssemblyError(Reason::NotANumber, "setting \"Left\" holds \"abc\"", "Left", "abc"),
                   status::kTypeMismatch},
        ReportCase{"store_failed", AssemblyError(Reason::StoreFailed, "cannot read", "Left"), status::kCannotRead},
        ReportCase{"overflow", AssemblyError(Reason::Overflow, "too big", "Home"), status::kOverflow}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillmere
