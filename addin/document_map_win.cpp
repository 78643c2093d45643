#include "addin/document_map_win.h"

#include "addin/late_binding_win.h"
#include "common/windows_error_win.h"

namespace quillmere {

void ToggleDocumentMap(IDispatch* application) {
  UniqueVariant window;
  UniqueVariant current = GetProperty(GetObjectProperty(application, L"ActiveWindow", window), L"DocumentMap");
  // A truth value, whatever type the host answers with: negating an integer bit by bit would
  // turn 1 into -2, which is still true.
  UniqueVariant truth;
  CheckHResult(::VariantChangeType(truth.get(), current.get(), 0, VT_BOOL), "reading DocumentMap as a truth value");

  VARIANT flipped;
  ::VariantInit(&flipped);
  flipped.vt = VT_BOOL;
  flipped.boolVal = (*truth).boolVal ? VARIANT_FALSE : VARIANT_TRUE;
  UniqueVariant windowAgain;
  PutProperty(GetObjectProperty(application, L"ActiveWindow", windowAgain), L"DocumentMap", flipped);
}

}  // namespace quillmere
