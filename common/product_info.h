#pragma once

// What the product says about itself, in one place for the add-in and the control panel.

#include "common/joined_text.h"
#include "common/product_resources.h"

namespace quillmere {

// Each spelled once, in ASCII; Win32 calls take the wide forms below.
inline constexpr auto kProductName = Join("Quillmere");
// The vendor's web site: the link text both windows show, and the address a click opens.
inline constexpr auto kVendorWebSiteText = Join("www.varnholt.example");
inline constexpr auto kVendorWebAddress = Join("https://www.varnholt.example/");
inline constexpr auto kSupportEmail = Join("support@varnholt.example");

inline constexpr auto kProductNameWide = Widened(kProductName);
inline constexpr auto kVendorWebSiteTextWide = Widened(kVendorWebSiteText);
inline constexpr auto kVendorWebAddressWide = Widened(kVendorWebAddress);

inline constexpr int kProductIconId = QUILLMERE_PRODUCT_ICON;

}  // namespace quillmere
