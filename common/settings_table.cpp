#include "common/settings_table.h"

#include "common/settings_store.h"

namespace quillmere {
namespace {

// The store compares keys without regard to case, and each box shows one setting: boxes run
// from 0 without gaps, so the window's box array and the control ids cover them all. Every box
// needs a place in the window.
constexpr bool EverySettingHasItsOwnKeyBoxAndPlace() {
  for (std::size_t i = 0; i < kSettings.size(); ++i) {
    if (kSettings[i].box < 0 || kSettings[i].box >= kSettingCount || kSettings[i].place.width <= 0) return false;
    for (std::size_t j = i + 1; j < kSettings.size(); ++j) {
      if (KeysEqual(kSettings[i].key, kSettings[j].key) || kSettings[i].box == kSettings[j].box) return false;
    }
  }
  return true;
}
static_assert(EverySettingHasItsOwnKeyBoxAndPlace(), "every setting needs its own key, its own box and a place");

}  // namespace
}  // namespace quillmere
