#include "addin/catalogue/renamed_command.h"

// PowerPoint 2013 and later silently drop a control whose idMso they do not know. These are the
// catalogue's commands that their published control lists name differently or not at all.

namespace quillmere::catalogue {
namespace {

constexpr RenamedCommand kRenamedSince2013[] = {
    {"ViewGridlines", "ViewGridlinesPowerPoint"},
    {"OleObjectInsert", "OleObjectctInsert"},  // sic: the published name
    {"ReviewDeleteCommentMenuPowerPoint", "ReviewDeleteCommentsMenuPowerPoint"},
    {"ViewNormalViewPowerPoint", ""},
    {"FileCreateDocumentWorkspace", ""},  // document workspaces are gone
};

}  // namespace

std::span<const RenamedCommand> RenamedSince2013() { return kRenamedSince2013; }

}  // namespace quillmere::catalogue
