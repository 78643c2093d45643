#pragma once

// The registry, for every part of the product that reads or writes it. What is absent is no
// failure: opening or reading it gives nothing, deleting it succeeds. Any other failure is a
// WindowsError (common/windows_error_win.h). A handle slot that a failed call may have written to
// is never closed. Registry views (KEY_WOW64_32KEY, KEY_WOW64_64KEY) go in the access mask, as the
// system takes them. An empty value name is the key's default value.

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"

namespace quillmere {

// One value as read. A value larger than the reader's cap is not read at all: its data stays
// empty and only its type and size are known.
struct RegistryValue {
  DWORD type = REG_NONE;
  DWORD size = 0;  // bytes stored
  std::vector<BYTE> data;
  bool oversized = false;
};

// The text of a REG_SZ or REG_EXPAND_SZ value (not expanded): it ends at the first NUL or at the
// end of the data, whichever comes first, so a terminator is optional and anything after it is
// ignored. Nothing for any other type.
std::optional<std::wstring> RegistryText(const RegistryValue& value);

class RegistryKey {
 public:
  // Nothing when the key does not exist.
  static std::optional<RegistryKey> Open(HKEY parent, const std::wstring& path, REGSAM access);
  // Opens the key, creating it and whatever is missing on its way.
  static RegistryKey Create(HKEY parent, const std::wstring& path, REGSAM access);

  HKEY get() const noexcept { return key_.get(); }
  // Hands the handle over; the key is empty afterwards.
  UniqueHKey Release() noexcept { return std::move(key_); }

  // Nothing when the value does not exist. A value of more than maxBytes is refused before any
  // room is made for it (oversized).
  std::optional<RegistryValue> Read(const std::wstring& name, DWORD maxBytes) const;

  // Calls visit(name, type, data) for each value in turn, each read at the size the registry
  // reports for it (data: a std::span<const BYTE>). A value of more than maxBytes is passed over
  // unread. A failure to read one ends the walk, by exception, after the values visited so far.
  template <typename Visit>
  void ForEachValue(DWORD maxBytes, Visit&& visit) const {
    ValueCursor cursor;
    while (NextValue(maxBytes, cursor)) {
      visit(std::wstring_view(cursor.name.data(), cursor.nameLength), cursor.type,
            std::span<const BYTE>(cursor.data.data(), cursor.size));
    }
  }

  // REG_SZ, stored with its terminator.
  void WriteText(const std::wstring& name, const std::wstring& text) const;
  void WriteNumber(const std::wstring& name, DWORD number) const;
  void DeleteValue(const std::wstring& name) const;
  // The subkey must have no subkeys of its own.
  void DeleteSubkey(const std::wstring& path) const;
  // True when the key holds neither values nor subkeys.
  bool IsEmpty() const;

 private:
  // The value last read, in buffers kept from one value to the next.
  struct ValueCursor {
    DWORD index = 0;  // of the next value
    std::wstring name;
    DWORD nameLength = 0;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    DWORD size = 0;
  };
  explicit RegistryKey(HKEY key) noexcept : key_(key) {}
  // Reads the next value at most maxBytes large into the cursor; false after the last one.
  bool NextValue(DWORD maxBytes, ValueCursor& cursor) const;

  UniqueHKey key_;
};

// Deletes a key below any key, a predefined one included; the key must have no subkeys.
void DeleteRegistryKey(HKEY parent, const std::wstring& path);

}  // namespace quillmere
