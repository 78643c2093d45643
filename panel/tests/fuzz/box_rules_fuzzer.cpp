// Restores the settings window from arbitrary stored values, then clicks boxes in any order.
//
// Input: lines "KEY=TEXT" are the stored values, up to a line "clicks:"; every byte after it
// clicks one box ('0' to '9' and 'a' to 'c' are boxes 0 to 12, any other byte its value
// modulo the number of boxes). The boxes must follow a second, plain reading of the rules change
// for change, keep the rules' lasting promises after every click, and show in the window what they hold.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/memory_settings_store.h"
#include "common/settings_snapshot.h"
#include "panel/box_rules.h"
#include "panel/control_panel.h"
#include "panel/error_message.h"
#include "panel/stored_box_state.h"

namespace quillmere {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "box rules fuzzer: %s\n", what);
  std::abort();
}

// A nested rule never needs to go deeper than this: every change moves a box toward a state
// the rules settle on.
constexpr int kDeepestNesting = 16;

constexpr std::size_t kMostClicks = 512;

struct Change {
  int index;
  bool checked;
  bool operator==(const Change&) const = default;
};

// The box rules written out plainly, one branch per rule: which boxes a box checks or clears,
// in which order, when it is checked or cleared. BoxRules must make the same changes.
class ReferenceBoxes {
 public:
  void Set(int index, bool checked) {
    if (boxes_[index] == checked) return;
    if (++depth_ > kDeepestNesting) Fail("the rules nest without end");
    boxes_[index] = checked;
    changes.push_back({index, checked});
    if (checked) {
      WhenChecked(index);
    } else {
      WhenCleared(index);
    }
    --depth_;
  }

  const BoxStates& States() const { return boxes_; }
  std::vector<Change> changes;

 private:
  static constexpr int kTabBoxes[] = {3, 4, 5, 6, 7, 8, 9, 10, 12};

  int CheckedCount(std::initializer_list<int> boxes) const {
    int count = 0;
    for (int box : boxes) count += boxes_[box] ? 1 : 0;
    return count;
  }
  int CheckedTabBoxes() const {
    int count = 0;
    for (int box : kTabBoxes) count += boxes_[box] ? 1 : 0;
    return count;
  }

  void WhenChecked(int index) {
    switch (index) {
      case 0:
        if (CheckedCount({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) == 0) {
          Set(1, true);
          Set(2, true);
        }
        return;
      case 1:
        Set(3, false);
        Set(0, true);
        return;
      case 2: Set(0, true); return;
      case 3:
        Set(1, false);
        Set(0, true);
        return;
      case 11:
        if (CheckedTabBoxes() == 0) {
          for (int box : kTabBoxes) Set(box, true);
          Set(1, false);
        }
        return;
      default:
        Set(11, true);
        Set(0, true);
        return;
    }
  }

  void WhenCleared(int index) {
    if (index == 0) {
      for (int box = 1; box <= 12; ++box) Set(box, false);
    } else if (index == 11) {
      for (int box : kTabBoxes) Set(box, false);
    }
  }

  BoxStates boxes_{};
  int depth_ = 0;
};

// What lasts between clicks, whatever was clicked or restored.
void CheckPromises(const BoxStates& boxes) {
  bool anyOther = false;
  for (int box = 1; box < kBoxCount; ++box) anyOther = anyOther || boxes[box];
  if (anyOther && !boxes[kClassicBox]) Fail("a box is checked while the Classic tab is off");
  if (boxes[kLeftBox] && boxes[kHomeBox]) Fail("left of Home while Home is hidden");
  for (int box = 4; box < kBoxCount; ++box) {
    if (IsTabBox(box) && boxes[box] && !boxes[kHideTabsBox]) Fail("a tab box is checked without the master switch");
  }
}

class MirrorWindow final : public PanelWindow {
 public:
  void ApplySkin() override {}
  void SetTitle(std::string_view) override {}
  void SetProductIcon() override {}
  void SetTitleLabel(std::string_view) override {}
  void SetVersionLabel(std::string_view) override {}
  void CenterOnScreen() override {}
  bool HandCursorFileExists() override { return false; }
  void LoadHandCursor() override {}
  void ShowBox(int index, bool checked) override {
    if (shown.at(index) == checked) Fail("the window was told of a change that was none");
    shown[index] = checked;
    changes.push_back({index, checked});
  }
  void LockBox(int, PolicyLock) override {}
  void ShowError(std::string_view, std::string_view) override { ++errors; }
  void ShowNotice(std::string_view) override {}
  void StartPowerPoint() override {}
  void Close() override {}

  BoxStates shown{};
  std::vector<Change> changes;
  int errors = 0;
};

class NoInstaller final : public AddInInstaller {
 public:
  void Install() override {}
  void Uninstall() override {}
};

int ClickedBox(unsigned char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'c') return 10 + (byte - 'a');
  return byte % kBoxCount;
}

bool AnyTabBox(const BoxStates& boxes) {
  for (int box = 0; box < kBoxCount; ++box) {
    if (IsTabBox(box) && boxes[box]) return true;
  }
  return false;
}

// Restores as the window does at start: every box by index but the master switch, which comes
// last and is only checked when a tab box is.
void Restore(ReferenceBoxes& reference, const SettingsStore& store) {
  const SettingsSnapshot settings(store);
  for (int index = 0; index < kBoxCount; ++index) {
    if (index == kHideTabsBox) continue;
    const Setting& setting = SettingOfBox(index);
    try {
      reference.Set(index, BoxStateFromStored(setting, settings.Applied(setting)));
    } catch (const StepFailure&) {
      // The box keeps its state; the window reports the step.
    }
  }
  if (AnyTabBox(reference.States()) && HideTabsStoredOn(settings.Applied(kHideTabs))) {
    reference.Set(kHideTabsBox, true);
  }
}

void Expect(const ReferenceBoxes& reference, const ControlPanel& panel, const MirrorWindow& window) {
  if (panel.Boxes().States() != reference.States()) Fail("the boxes differ from the rules");
  if (window.shown != reference.States()) Fail("the window shows other states than the boxes hold");
  if (window.changes != reference.changes) Fail("the changes came in another order than the rules give");
  CheckPromises(panel.Boxes().States());
}

}  // namespace
}  // namespace quillmere

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmere;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  MemorySettingsStore store;
  std::string_view clicks;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    if (line == "clicks:") {
      // Each click's check reads the whole change log: long runs of clicks add only time.
      clicks = input.substr(0, kMostClicks);
      break;
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) store.Write(line.substr(0, equals), line.substr(equals + 1));
  }

  MirrorWindow window;
  NoInstaller installer;
  ControlPanel panel(store, window, installer);
  ReferenceBoxes reference;
  panel.Initialize();
  Restore(reference, store);
  Expect(reference, panel, window);

  for (unsigned char byte : clicks) {
    const int box = ClickedBox(byte);
    panel.ClickBox(box);
    reference.Set(box, !reference.States()[static_cast<std::size_t>(box)]);
    Expect(reference, panel, window);
  }

  // What OK saves, the next start restores (box 11 excepted when no tab box is checked: it is
  // only read back alongside one).
  panel.Ok();
  MirrorWindow reopened;
  ControlPanel again(store, reopened, installer);
  again.Initialize();
  if (reopened.errors != 0) Fail("the saved settings could not be restored");
  for (int box = 0; box < kBoxCount; ++box) {
    if (box == kHideTabsBox && !AnyTabBox(panel.Boxes().States())) continue;
    if (again.Boxes().IsChecked(box) != panel.Boxes().IsChecked(box)) {
      Fail("the saved settings restore to other boxes");
    }
  }
  return 0;
}
