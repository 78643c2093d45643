#pragma once

// Properties of automation objects reached by name, as the host's object model is reached.

#include <windows.h>
#include <oaidl.h>

#include "common/unique_handle_win.h"

namespace quillmere {

// Reads the property into `value`; the object's HRESULT when it has none or the call fails.
HRESULT TryGetProperty(IDispatch* object, const wchar_t* name, UniqueVariant& value) noexcept;

// Reads a property that takes one argument (an indexed property, or a method used as one).
HRESULT TryGetIndexedProperty(IDispatch* object, const wchar_t* name, VARIANT argument, UniqueVariant& value) noexcept;

// Reads the property; throws WindowsError with the object's HRESULT when it has none or the call
// fails.
UniqueVariant GetProperty(IDispatch* object, const wchar_t* name);

// Reads a property that holds an object; throws when it is missing or holds nothing.
IDispatch* GetObjectProperty(IDispatch* object, const wchar_t* name, UniqueVariant& holder);

void PutProperty(IDispatch* object, const wchar_t* name, VARIANT value);

}  // namespace quillmere
