#include "addin/failure_report.h"

namespace quillmere {

FailureReport ReportFor(const AssemblyError& error) {
  switch (error.GetReason()) {
    case AssemblyError::Reason::NoHost:
      // Asked for markup before the connection event: a call out of order.
      return {status::kUnexpected, error.what()};
    case AssemblyError::Reason::HostFailed:
      // The host's own failure (no Name member, say) is the most telling code to hand back.
      return {error.HostStatus() < 0 ? static_cast<std::int32_t>(error.HostStatus()) : status::kFail, error.what()};
    case AssemblyError::Reason::NotANumber: return {status::kTypeMismatch, error.what()};
    case AssemblyError::Reason::StoreFailed: return {status::kCannotRead, error.what()};
    case AssemblyError::Reason::Overflow: return {status::kOverflow, error.what()};
  }
  return {status::kFail, error.what()};
}

}  // namespace quillmere
