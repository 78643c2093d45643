#pragma once

// Stable ids of the settings window's controls, for the window itself, tests and
// accessibility tools.

namespace quillmere::control_id {

inline constexpr wchar_t kSettingsWindowClass[] = L"QuillmereSettingsWindow";

inline constexpr int kOkButton = 1;      // IDOK, so Enter presses it
inline constexpr int kCancelButton = 2;  // IDCANCEL, so Esc presses it
inline constexpr int kTabs = 100;
inline constexpr int kPowerPointFrame = 101;
inline constexpr int kAboutFrame = 102;
inline constexpr int kTitleLabel = 110;
inline constexpr int kVersionLabel = 111;
inline constexpr int kWebsiteCaption = 112;
inline constexpr int kWebsiteLink = 113;
// Check box i has the id kFirstBox + i.
inline constexpr int kFirstBox = 1000;

}  // namespace quillmere::control_id
