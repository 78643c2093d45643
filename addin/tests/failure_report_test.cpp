#include "addin/failure_report.h"

#include <gtest/gtest.h>

#include <set>

namespace quillmere {
namespace {

using Reason = AssemblyError::Reason;

TEST(FailureReportTest, EveryReasonIsItsOwnFailedStatus) {
  std::set<std::int32_t> statuses;
  for (Reason reason :
       {Reason::NoHost, Reason::HostFailed, Reason::NotANumber, Reason::StoreFailed, Reason::Overflow}) {
    const std::int32_t status = StatusFor(AssemblyError(reason, "why", "Left", "abc"));
    EXPECT_LT(status, 0) << "a failure must be a failed HRESULT";
    statuses.insert(status);
  }
  EXPECT_EQ(statuses.size(), 5u) << "the caller tells the reasons apart by status";
}

TEST(FailureReportTest, PassesOnTheHostsOwnFailureOnly) {
  const auto hostFailure = [](long status) {
    return StatusFor(AssemblyError(Reason::HostFailed, "no Name", {}, {}, status));
  };
  EXPECT_EQ(hostFailure(static_cast<std::int32_t>(0x80020006)), static_cast<std::int32_t>(0x80020006));
  // A success code from the host, or none, is no failure to pass on.
  EXPECT_EQ(hostFailure(1), status::kFail);
  EXPECT_EQ(StatusFor(AssemblyError(Reason::HostFailed, "no Name")), status::kFail);
}

}  // namespace
}  // namespace quillmere
