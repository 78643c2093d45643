#include "common/skin.h"

namespace quillmere {

bool TakesSkinColor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Frame: return true;
    default: return false;
  }
}

std::wstring SkinFilePath(std::wstring_view programFolder) { return std::wstring(programFolder) + L"\\x\\o.cjs"; }

bool ApplySkinRules(SkinnableWindow& window, bool skinFilePresent) {
  if (!skinFilePresent) return false;
  window.SetBackColor(kSkinBackColor);
  for (std::size_t index = 0; index < window.ControlCount(); ++index) {
    if (TakesSkinColor(window.KindOfControl(index))) window.SetControlBackColor(index, kSkinBackColor);
  }
  return true;
}

}  // namespace quillmere
