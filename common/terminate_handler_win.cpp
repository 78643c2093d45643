// Replaces libstdc++'s default terminate handler. Its only extra is printing the demangled type
// of the escaping exception to stderr, which neither the add-in nor the control panel has, and
// it links in the whole demangler and printf (about 60 KB of every shipped file).
#include <cstdlib>

namespace __gnu_cxx {  // NOLINT(bugprone-reserved-identifier): the name libstdc++ looks for

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }  // NOLINT(bugprone-reserved-identifier)

}  // namespace __gnu_cxx
