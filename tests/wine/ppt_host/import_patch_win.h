#pragma once

// Fault injection for tests: makes one system function fail (or record its calls) inside a
// module the test cannot change, the shipped library included, by pointing that module's import
// slot for the function elsewhere. The slot is put back when the patch goes.

#include <windows.h>

namespace quillmere::test {

class ImportPatch {
 public:
  // `dll` as the module imports it ("USER32.dll"; compared without case).
  ImportPatch(HMODULE module, const char* dll, const char* function, const void* replacement);
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  ~ImportPatch();

  // False when the module does not import the function: then nothing was changed.
  bool Applied() const { return slot_ != nullptr; }
  // The function the module called before; call it from the replacement to pass a call on.
  template <typename Function>
  Function Original() const {
    return reinterpret_cast<Function>(original_);
  }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace quillmere::test
