#include "addin/command_names.h"

#include <charconv>

namespace quillmere {
namespace {

// PowerPoint 2013 reports itself as 15.0; every later version so far as 16.0.
constexpr int kFirstRenamingVersion = 15;

bool AllDigits(std::string_view part) {
  if (part.empty()) return false;
  for (char c : part) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<int> MajorVersion(std::string_view version) {
  const auto dot = version.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  for (std::string_view rest = version; !rest.empty();) {
    const auto end = rest.find('.');
    if (!AllDigits(rest.substr(0, end))) return std::nullopt;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
    if (rest.empty()) return std::nullopt;  // a trailing dot
  }
  int major = 0;
  const auto [end, error] = std::from_chars(version.data(), version.data() + dot, major);
  if (error != std::errc() || end != version.data() + dot) return std::nullopt;
  return major;
}

CommandNames CommandNames::ForHostVersion(std::optional<std::string_view> version) {
  if (!version) return {};
  const auto major = MajorVersion(*version);
  if (!major || *major < kFirstRenamingVersion) return {};
  return CommandNames(catalogue::RenamedSince2013());
}

}  // namespace quillmere
