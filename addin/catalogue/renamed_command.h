#pragma once

#include <span>
#include <string_view>

namespace quillmere::catalogue {

// A catalogue command that later PowerPoint versions publish under another name, or not at all.
struct RenamedCommand {
  std::string_view catalogueId;  // the idMso as the catalogue writes it for PowerPoint 2007 and 2010
  std::string_view laterId;      // what PowerPoint 2013 and later call it; empty: they have no such command
};

// The commands whose names changed with PowerPoint 2013 (version 15.0), one row each.
std::span<const RenamedCommand> RenamedSince2013();

}  // namespace quillmere::catalogue
