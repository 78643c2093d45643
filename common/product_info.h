#pragma once

// What the product says about itself, in one place for the add-in and the control panel.

#include "common/product_resources.h"

namespace quillmere {

inline constexpr wchar_t kProductName[] = L"Quillmere";

// The vendor's web site: the link text both windows show, and the address a click opens.
inline constexpr wchar_t kVendorWebSiteText[] = L"www.varnholt.example";
inline constexpr wchar_t kVendorWebAddress[] = L"https://www.varnholt.example/";

inline constexpr wchar_t kSupportEmail[] = L"support@varnholt.example";

inline constexpr int kProductIconId = QUILLMERE_PRODUCT_ICON;

}  // namespace quillmere
