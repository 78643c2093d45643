#pragma once

// Resource ids shared by C++ and the resource scripts (so plain preprocessor only).
#define QUILLMERE_PRODUCT_ICON 101
