#pragma once

#include <oaidl.h>

namespace quillmere {

// Flips DocumentMap of the host's active window: reads it, then writes its negation to the
// active window fetched again. Throws WindowsError, having changed nothing, when there is
// no active window or it has no such property.
void ToggleDocumentMap(IDispatch* application);

}  // namespace quillmere
