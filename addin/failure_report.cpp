#include "addin/failure_report.h"

namespace quillmere {

std::int32_t StatusFor(const AssemblyError& error) noexcept {
  switch (error.GetReason()) {
    // Asked for markup before the connection event: a call out of order.
    case AssemblyError::Reason::NoHost: return status::kUnexpected;
    case AssemblyError::Reason::HostFailed:
      // The host's own failure (no Name member, say) is the most telling code to hand back.
      return error.HostStatus() < 0 ? static_cast<std::int32_t>(error.HostStatus()) : status::kFail;
    case AssemblyError::Reason::NotANumber: return status::kTypeMismatch;
    case AssemblyError::Reason::StoreFailed: return status::kCannotRead;
    case AssemblyError::Reason::Overflow: return status::kOverflow;
  }
  return status::kFail;
}

}  // namespace quillmere
