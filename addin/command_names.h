#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "addin/catalogue/renamed_command.h"

namespace quillmere {

// The names under which the host knows the catalogue's commands. PowerPoint 2007 and 2010 know
// them as the catalogue writes them; 2013 and later have renamed a few and dropped a few.
class CommandNames {
 public:
  // The catalogue's own names.
  CommandNames() = default;
  explicit CommandNames(std::span<const catalogue::RenamedCommand> renamed) : renamed_(renamed) {}

  // For the host's Version text ("12.0" 2007, "14.0" 2010, "15.0" 2013, "16.0" 2016 and later).
  // A missing Version, or text that is not a version, gets the catalogue's own names: those of
  // the version the catalogue was made for.
  static CommandNames ForHostVersion(std::optional<std::string_view> version);

  // The idMso to write for a catalogue id: the id itself, its later name, or nothing when the
  // host has no such command and the entry is left out.
  std::optional<std::string_view> For(std::string_view catalogueId) const {
    for (const catalogue::RenamedCommand& row : renamed_) {
      if (row.catalogueId != catalogueId) continue;
      if (row.laterId.empty()) return std::nullopt;
      return row.laterId;
    }
    return catalogueId;
  }

 private:
  std::span<const catalogue::RenamedCommand> renamed_;
};

// The major number of a version text of dot-separated decimal numbers ("16.0" gives 16), or
// nothing for anything else (blanks, signs, a lone number, an empty part, overflow).
std::optional<int> MajorVersion(std::string_view version);

}  // namespace quillmere
