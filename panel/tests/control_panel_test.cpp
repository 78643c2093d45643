#include "panel/control_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "addin/host_application.h"
#include "addin/ribbon_assembler.h"
#include "common/memory_settings_store.h"
#include "common/program_bitness.h"
#include "panel/error_message.h"

namespace quillmere {
namespace {

// A store that logs every read and write and fails for the keys it is told to.
class RecordingStore : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view key) const override {
    log.push_back("read " + std::string(key));
    return values.Read(key);
  }
  void Write(std::string_view key, std::string_view value) override {
    log.push_back("write " + std::string(key) + "=" + std::string(value));
    if (failingWrites.count(std::string(key))) throw SettingsStoreError("Access denied");
    values.Write(key, value);
  }

  MemorySettingsStore values;
  std::set<std::string> failingWrites;
  mutable std::vector<std::string> log;
};

class FakeWindow : public PanelWindow {
 public:
  void ApplySkin() override { Do("skin"); }
  void SetTitle(std::string_view title) override { Do("title " + std::string(title)); }
  void SetProductIcon() override { Do("icon"); }
  void SetTitleLabel(std::string_view text) override { Do("lblTitle " + std::string(text)); }
  void SetVersionLabel(std::string_view text) override { Do("lblVersion " + std::string(text)); }
  void CenterOnScreen() override { Do("centre"); }
  bool HandCursorFileExists() override {
    Do("hand?");
    return handFileExists;
  }
  void LoadHandCursor() override { Do("hand"); }
  void ShowBox(int index, bool checked) override { shown[index] = checked; }
  void LockBox(int index, PolicyLock why) override {
    Do("lock " + std::to_string(index));
    locked[index] = true;
    unreadable[index] = why == PolicyLock::Unreadable;
  }
  void ShowError(std::string_view title, std::string_view message) override {
    errors.push_back(std::string(title) + "|" + std::string(message));
  }
  void ShowNotice(std::string_view message) override { Do("notice " + std::string(message)); }
  void StartPowerPoint() override { Do("POWERPNT"); }
  void Close() override { Do("close"); }

  // Throws for the named action, as a failing platform call would.
  void Do(const std::string& action) {
    log.push_back(action);
    if (action == failing) throw std::runtime_error(action + " failed");
  }

  std::string failing;
  bool handFileExists = false;
  BoxStates shown{};
  BoxStates locked{};
  BoxStates unreadable{};
  std::vector<std::string> log;
  std::vector<std::string> errors;
};

// Fails as the real installer does when regsvr32 cannot load the library.
class FakeInstaller : public AddInInstaller {
 public:
  explicit FakeInstaller(std::vector<std::string>& log) : log_(log) {}
  void Install() override {
    log_.push_back("install");
    if (fail) throw StepFailure(R"(Registering "C:\Q\Tessivar.dll" failed (regsvr32 exit code 3))");
  }
  void Uninstall() override {
    log_.push_back("uninstall");
    if (fail) throw StepFailure(R"(Unregistering "C:\Q\Tessivar.dll" failed (regsvr32 exit code 3))");
  }
  bool fail = false;

 private:
  std::vector<std::string>& log_;
};

class ControlPanelTest : public testing::Test {
 protected:
  ControlPanelTest() : installer(window.log), panel(store, window, installer) {}

  void Store(std::map<std::string, std::string> values) {
    for (const auto& [key, value] : values) store.values.Write(key, value);
  }
  std::vector<int> CheckedBoxes() const { return CheckedBoxesOf(panel); }
  static std::vector<int> CheckedBoxesOf(const ControlPanel& shown) {
    std::vector<int> checked;
    for (int i = 0; i < kBoxCount; ++i) {
      if (shown.Boxes().IsChecked(i)) checked.push_back(i);
    }
    return checked;
  }

  RecordingStore store;
  FakeWindow window;
  FakeInstaller installer;
  ControlPanel panel;
};

struct RestoreCase {
  const char* name;
  std::map<std::string, std::string> stored;
  std::vector<int> checked;
};

void PrintTo(const RestoreCase& c, std::ostream* out) { *out << c.name; }

class RestoreTest : public ControlPanelTest, public testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, BoxesEndAsTheRulesLeaveThem) {
  Store(GetParam().stored);
  panel.Initialize();
  EXPECT_EQ(CheckedBoxes(), GetParam().checked);
  EXPECT_EQ(window.shown, panel.Boxes().States()) << "the window mirrors every change";
  EXPECT_EQ(window.errors, std::vector<std::string>{});
}

const std::map<std::string, std::string> kNothingOn = {{"Classic", "0"}, {"Left", "0"}, {"All", "0"}};

std::map<std::string, std::string> NothingOnAnd(std::string key, std::string value) {
  auto stored = kNothingOn;
  stored[key] = value;
  return stored;
}

INSTANTIATE_TEST_SUITE_P(
    Stored, RestoreTest,
    testing::Values(
        RestoreCase{"EmptyStore", {}, {0, 1, 2}},
        RestoreCase{"ClassicOnlyClearsTheDefaultsAgain", {{"Classic", "1"}, {"Left", "0"}, {"All", "0"}}, {0}},
        RestoreCase{"NothingOn", kNothingOn, {}},
        RestoreCase{"InsertChecksMasterAndClassicEvenWhenClassicIsOff", NothingOnAnd("Insert", "1"), {0, 4, 11}},
        RestoreCase{"HomeChecksClassicButNotTheMaster", NothingOnAnd("Home", "1"), {0, 3}},
        RestoreCase{"HomeAfterDefaultsClearsLeft", {{"Home", "1"}}, {0, 2, 3}},
        RestoreCase{"LeftAloneChecksClassic", NothingOnAnd("Left", "1"), {0, 1}},
        RestoreCase{"MasterSwitchAloneChecksNoTabBox", {{"Hide built-in Tabs", "1"}}, {0, 1, 2}},
        RestoreCase{"AllNineTabs",
                    {{"Home", "1"},
                     {"Insert", "1"},
                     {"Design", "1"},
                     {"Animations", "1"},
                     {"View", "1"},
                     {"Review", "1"},
                     {"Slide Show", "1"},
                     {"Developer", "1"},
                     {"Format", "1"}},
                    {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        RestoreCase{"FormatIsReadLast", NothingOnAnd("format", "1"), {0, 11, 12}},
        RestoreCase{"KeysMatchInAnyLetterCase",
                    {{"CLASSIC", "0"}, {"left", "0"}, {"aLL", "0"}, {"slide show", "1"}},
                    {0, 9, 11}},
        // Values other than 0 and 1 mean what they mean to the add-in.
        RestoreCase{"ClassicTwoIsOn", {{"Classic", "2"}, {"Left", "0"}, {"All", "0"}}, {0}},
        RestoreCase{"ClassicMinusOneIsOn", {{"Classic", "-1"}, {"Left", "0"}, {"All", "0"}}, {0}},
        RestoreCase{"LeftTwoIsOff", {{"Left", "2"}}, {0, 2}}, RestoreCase{"AllMinusOneIsOff", {{"All", "-1"}}, {0, 1}},
        RestoreCase{"TabTwoIsOff", NothingOnAnd("Design", "2"), {}},
        RestoreCase{"NumberFormsOfOne",
                    {{"Classic", " 1 "}, {"Left", "1.0"}, {"All", "1e0"}, {"Review", "+1"}},
                    {0, 1, 2, 8, 11}},
        RestoreCase{"TabNearOneIsOffAsForTheAddIn", NothingOnAnd("View", "1.4"), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlPanelTest, InitializeRunsItsStepsAndWritesNothing) {
  panel.Initialize();
  EXPECT_EQ(window.log, (std::vector<std::string>{"skin", "title Quillmere", "icon", "lblVersion Version:   7.0",
                                                  "lblTitle Quillmere"}));
  EXPECT_TRUE(std::none_of(store.log.begin(), store.log.end(),
                           [](const std::string& entry) { return entry.starts_with("write"); }));
}

struct BadValueCase {
  const char* key;
  const char* value;
  int step;
  const char* description;
};

void PrintTo(const BadValueCase& c, std::ostream* out) { *out << c.key << "=" << c.value; }

class BadValueTest : public ControlPanelTest, public testing::WithParamInterface<BadValueCase> {};

TEST_P(BadValueTest, IsReportedWithItsStepAndSetUpGoesOn) {
  const auto& c = GetParam();
  Store({{c.key, c.value}, {"Developer", "1"}});
  panel.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_EQ(window.errors[0], "Application Error|" + ErrorMessageText(c.description, "Form_Initialize", c.step));
  // Later keys were still restored.
  EXPECT_TRUE(panel.Boxes().IsChecked(10));
  EXPECT_TRUE(panel.Boxes().IsChecked(11));
}

INSTANTIATE_TEST_SUITE_P(
    Stored, BadValueTest,
    testing::Values(
        BadValueCase{"Classic", "yes", 106, R"(Type mismatch: "Classic" holds "yes", which is not a number)"},
        BadValueCase{"Left", "", 108, R"(Type mismatch: "Left" holds "", which is not a number)"},
        BadValueCase{"All", "1x", 110, R"(Type mismatch: "All" holds "1x", which is not a number)"},
        BadValueCase{"Home", "on", 116, R"(Type mismatch: "Home" holds "on", which is not a number)"},
        BadValueCase{"Format", "70000", 116, R"(Overflow: "Format" holds "70000", beyond the range of a box state)"}),
    [](const auto& info) { return std::string(info.param.key); });

TEST_F(ControlPanelTest, ANumberBeyondADoubleIsReportedForATabKey) {
  // Scanned as 1 (its exponent is clamped), yet 10^900000 as a double: too large either way.
  const std::string huge = "0." + std::string(99999, '0') + "1e1000000";
  Store({{"Home", huge}});
  panel.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_EQ(window.errors[0].rfind("Application Error|Overflow: \"Home\" holds \"0.000", 0), 0u) << window.errors[0];
  EXPECT_FALSE(panel.Boxes().IsChecked(kHomeBox));
}

TEST_F(ControlPanelTest, BadValueLeavesTheBoxAsItWas) {
  Store({{"Left", "abc"}});
  panel.Initialize();
  // "Classic" checked Left through its rule; the bad value does not clear it.
  EXPECT_EQ(CheckedBoxes(), (std::vector<int>{0, 1, 2}));
}

TEST_F(ControlPanelTest, FailingInitializeStepsAreReportedAndTheRestRuns) {
  window.failing = "skin";
  panel.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_NE(window.errors[0].find("skin failed\r\nin Morrowick2016/06/15.Form1.Form_Initialize at line 100\r\r"),
            std::string::npos);
  EXPECT_EQ(CheckedBoxes(), (std::vector<int>{0, 1, 2}));
}

TEST_F(ControlPanelTest, LoadCentresAndLoadsTheHandOnlyWhenItsFileExists) {
  panel.Load();
  EXPECT_EQ(window.log, (std::vector<std::string>{"title Quillmere", "centre", "hand?"}));
  window.log.clear();
  window.handFileExists = true;
  window.failing = "centre";
  panel.Load();
  EXPECT_EQ(window.log, (std::vector<std::string>{"title Quillmere", "centre", "hand?", "hand"}));
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_NE(window.errors[0].find("Form1.Form_Load at line 102"), std::string::npos);
}

TEST_F(ControlPanelTest, OkWritesEveryKeyInBoxOrderThenInstallsAndStartsPowerPoint) {
  Store({{"Classic", "2"}, {"Left", "-1"}, {"Hide built-in Tabs", "1"}, {"Review", "1"}});
  panel.Initialize();
  store.log.clear();
  window.log.clear();
  panel.Ok();
  EXPECT_EQ(store.log, (std::vector<std::string>{"write Classic=1", "write Left=0", "write All=1", "write Home=0",
                                                 "write Insert=0", "write Design=0", "write Animations=0",
                                                 "write View=0", "write Review=1", "write Slide Show=0",
                                                 "write Developer=0", "write Hide built-in Tabs=1", "write Format=0"}));
  EXPECT_EQ(window.log, (std::vector<std::string>{"install", "POWERPNT", "close"}));
  EXPECT_EQ(window.errors, std::vector<std::string>{});
}

TEST_F(ControlPanelTest, ClearingClassicThenOkUninstallsAndStillStartsPowerPoint) {
  Store({{"Insert", "1"}});
  panel.Initialize();
  panel.ClickBox(kClassicBox);
  EXPECT_EQ(CheckedBoxes(), std::vector<int>{});
  store.log.clear();
  window.log.clear();
  panel.Ok();
  ASSERT_EQ(store.log.size(), static_cast<std::size_t>(kSettingCount));
  for (const auto& entry : store.log) EXPECT_EQ(entry.back(), '0') << entry;
  EXPECT_EQ(window.log, (std::vector<std::string>{"uninstall", "POWERPNT", "close"}));
}

TEST_F(ControlPanelTest, FailedWriteIsReportedAndTheRestOfOkStillRuns) {
  store.failingWrites = {"Design", "Classic"};
  installer.fail = true;
  panel.Initialize();
  window.log.clear();
  panel.Ok();
  ASSERT_EQ(window.errors.size(), 3u);
  EXPECT_NE(window.errors[0].find("Access denied\r\nin Morrowick2016/06/15.Form1.PushButton22_Click at line 104"),
            std::string::npos);
  EXPECT_NE(window.errors[1].find("PushButton22_Click at line 112"), std::string::npos);
  EXPECT_NE(window.errors[2].find(R"(Registering "C:\Q\Tessivar.dll" failed (regsvr32 exit code 3))"
                                  "\r\nin Morrowick2016/06/15.Form1.PushButton22_Click at line 116"),
            std::string::npos);
  EXPECT_EQ(store.values.Read("Format"), "0");
  EXPECT_EQ(store.values.Read("Design"), std::nullopt);
  EXPECT_EQ(window.log, (std::vector<std::string>{"install", "POWERPNT", "close"}));
}

TEST_F(ControlPanelTest, CancelClosesWithoutWriting) {
  panel.Initialize();
  panel.ClickBox(kHideTabsBox);
  store.log.clear();
  window.log.clear();
  panel.Cancel();
  EXPECT_EQ(store.log, std::vector<std::string>{});
  EXPECT_EQ(window.log, std::vector<std::string>{"close"});
}

// An installer that sees a PowerPoint of the given bitness and logs what it mends.
class MendingInstaller : public FakeInstaller {
 public:
  explicit MendingInstaller(std::vector<std::string>& log) : FakeInstaller(log), log(log) {}
  std::optional<ModuleBitness> PowerPointBitness() override {
    if (bitnessFails) throw std::runtime_error("unreadable");
    return powerPoint;
  }
  void RemoveDisabledItems() override {
    log.push_back("enable");
    if (enableFails) throw StepFailure("Removing a disabled item failed (error 5)");
  }
  void RemoveUnloadableEntry(ModuleBitness bitness) override {
    log.push_back(bitness == ModuleBitness::Bits32 ? "drop entry for 32" : "drop entry for 64");
  }

  std::optional<ModuleBitness> powerPoint;
  bool bitnessFails = false;
  bool enableFails = false;
  std::vector<std::string>& log;
};

constexpr ModuleBitness kOtherBuild =
    kThisBuild == ModuleBitness::Bits64 ? ModuleBitness::Bits32 : ModuleBitness::Bits64;

struct PowerPointCase {
  const char* name;
  std::optional<ModuleBitness> powerPoint;
  bool bitnessFails;
  std::vector<std::string> steps;
};

void PrintTo(const PowerPointCase& c, std::ostream* out) { *out << c.name; }

class OkForPowerPointTest : public testing::TestWithParam<PowerPointCase> {};

TEST_P(OkForPowerPointTest, RegistersOnlyWhatPowerPointCanLoadAndReEnablesTheAddIn) {
  RecordingStore store;
  FakeWindow window;
  MendingInstaller installer(window.log);
  installer.powerPoint = GetParam().powerPoint;
  installer.bitnessFails = GetParam().bitnessFails;
  ControlPanel panel(store, window, installer);
  panel.Initialize();
  window.log.clear();
  panel.Ok();
  EXPECT_EQ(window.log, GetParam().steps);
  EXPECT_EQ(store.values.Read("Classic"), "1") << "settings are saved either way";
  EXPECT_EQ(window.errors, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    PowerPoints, OkForPowerPointTest,
    testing::Values(PowerPointCase{"SameBitness", kThisBuild, false, {"install", "enable", "POWERPNT", "close"}},
                    PowerPointCase{"NotFound", std::nullopt, false, {"install", "enable", "POWERPNT", "close"}},
                    PowerPointCase{"Unreadable", std::nullopt, true, {"install", "enable", "POWERPNT", "close"}},
                    PowerPointCase{
                        "OtherBitness",
                        kOtherBuild,
                        false,
                        {kOtherBuild == ModuleBitness::Bits32 ? "drop entry for 32" : "drop entry for 64",
                         "notice " + WrongBuildMessage(kOtherBuild, kThisBuild), "enable", "POWERPNT", "close"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlPanelTest, FailingToReEnableIsReportedAndOkGoesOn) {
  MendingInstaller mending(window.log);
  mending.enableFails = true;
  ControlPanel withMending(store, window, mending);
  withMending.Initialize();
  window.log.clear();
  withMending.Ok();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_NE(window.errors[0].find("Removing a disabled item failed (error 5)\r\nin Morrowick2016/06/15.Form1."
                                  "PushButton22_Click at line 126"),
            std::string::npos);
  EXPECT_EQ(window.log, (std::vector<std::string>{"install", "enable", "POWERPNT", "close"}));
}

TEST_F(ControlPanelTest, ClearedClassicReEnablesNothing) {
  MendingInstaller mending(window.log);
  mending.powerPoint = kOtherBuild;
  ControlPanel withMending(store, window, mending);
  withMending.Initialize();
  withMending.ClickBox(kClassicBox);
  window.log.clear();
  withMending.Ok();
  EXPECT_EQ(window.log, (std::vector<std::string>{"uninstall", "POWERPNT", "close"}));
}

// Settings an administrator enforces, in the machine's policy.
class LockedBoxesTest : public ControlPanelTest {
 protected:
  void Enforce(std::map<std::string, std::string> values) {
    for (const auto& [key, value] : values) machine.Write(key, value);
  }
  std::vector<int> LockedBoxes() const {
    std::vector<int> locked;
    for (int i = 0; i < kBoxCount; ++i) {
      if (window.locked[i]) locked.push_back(i);
      EXPECT_EQ(window.locked[i], policyPanel.Boxes().IsLocked(i)) << i;
    }
    return locked;
  }

  MemorySettingsStore machine;
  ControlPanel policyPanel{store, window, installer, {{"HKLM\\Policies", &machine}}};
};

TEST_F(LockedBoxesTest, ShowThePolicyAndOkKeepsTheUsersOwnValues) {
  Enforce({{"Home", "1"}, {"Hide built-in Tabs", "1"}});
  Store({{"Home", "0"}, {"Insert", "1"}});
  policyPanel.Initialize();
  EXPECT_EQ(LockedBoxes(), (std::vector<int>{kHomeBox, kHideTabsBox}));
  // Home's rule would clear Left; it does not run for a locked box.
  EXPECT_EQ(CheckedBoxesOf(policyPanel), (std::vector<int>{0, 1, 2, kHomeBox, 4, kHideTabsBox}));
  // A locked box ignores clicks, and clearing Classic leaves the locked boxes as they are.
  policyPanel.ClickBox(kHideTabsBox);
  policyPanel.ClickBox(kClassicBox);
  EXPECT_EQ(CheckedBoxesOf(policyPanel), (std::vector<int>{kHomeBox, kHideTabsBox}));
  store.log.clear();
  policyPanel.Ok();
  for (const auto& entry : store.log) {
    EXPECT_EQ(entry.find("write Home="), std::string::npos);
    EXPECT_EQ(entry.find("write Hide built-in Tabs="), std::string::npos);
  }
  EXPECT_EQ(store.log.size(), static_cast<std::size_t>(kSettingCount - 2));
  EXPECT_EQ(store.values.Read("Home"), "0");
  EXPECT_EQ(window.errors, std::vector<std::string>{});
}

TEST_F(LockedBoxesTest, ALockedClassicDecidesInstalling) {
  // 65536 (a REG_DWORD) is on for the add-in, beyond a box state: the policy is read the add-in's way.
  for (const char* classic : {"0", "1", "65536"}) {
    window.log.clear();
    Enforce({{"Classic", classic}});
    Store({{"Classic", classic[0] == '0' ? "1" : "0"}});
    ControlPanel panel(store, window, installer, {{"HKLM", &machine}});
    panel.Initialize();
    panel.Ok();
    EXPECT_EQ(window.log.back(), "close");
    EXPECT_EQ(window.log.at(window.log.size() - 3), classic[0] == '0' ? "uninstall" : "install") << classic;
  }
}

TEST_F(LockedBoxesTest, BadPolicyValueNamesThePolicyAndStaysLocked) {
  Enforce({{"Left", "yes"}});
  policyPanel.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_EQ(window.errors[0].rfind(
                R"(Application Error|Type mismatch: policy "Left" in HKLM\Policies holds "yes", which is not a number)"
                "\r\nin Morrowick2016/06/15.Form1.Form_Initialize at line 108",
                0),
            0u)
      << window.errors[0];
  EXPECT_EQ(LockedBoxes(), std::vector<int>{kLeftBox});
  EXPECT_EQ(CheckedBoxesOf(policyPanel), (std::vector<int>{0, 2}));
}

// A policy holds these keys (all of them for "*"), but they cannot be read.
class UnreadablePolicy final : public SettingsStore {
 public:
  explicit UnreadablePolicy(std::string key) : key_(std::move(key)) {}
  std::optional<std::string> Read(std::string_view key) const override {
    if (key_ == "*" || KeysEqual(key, key_)) throw SettingsStoreError("registry type 11, not text");
    return std::nullopt;
  }
  void Write(std::string_view, std::string_view) override {}

 private:
  std::string key_;
};

TEST_F(LockedBoxesTest, UnreadablePolicyLocksItsBoxClearIsReportedOnceAndIsNeverWritten) {
  struct Case {
    const char* key;
    std::string message;
    std::vector<int> locked;
  };
  std::vector<int> allBoxes;
  for (int i = 0; i < kBoxCount; ++i) allBoxes.push_back(i);
  for (const Case& c : {
           Case{"Classic", R"(policy "Classic" in HKLM\Policies: registry type 11, not text)", {kClassicBox}},
           Case{"*", R"(the policies in HKLM\Policies cannot be read: registry type 11, not text)", allBoxes},
       }) {
    SCOPED_TRACE(c.key);
    RecordingStore own;
    own.values.Write("Classic", "1");
    UnreadablePolicy policy(c.key);
    FakeWindow shown;
    FakeInstaller installs(shown.log);
    ControlPanel panel(own, shown, installs, {{"HKLM\\Policies", &policy}});
    panel.Initialize();
    ASSERT_EQ(shown.errors.size(), 1u);
    EXPECT_EQ(shown.errors[0], "Application Error|" + ErrorMessageText(c.message, "Form_Initialize", 106));
    for (int box : c.locked) {
      EXPECT_TRUE(shown.locked[box] && shown.unreadable[box]) << box;
      EXPECT_FALSE(panel.Boxes().IsChecked(box)) << box;
    }
    own.log.clear();
    panel.Ok();
    for (const auto& entry : own.log) EXPECT_EQ(entry.find("write Classic="), std::string::npos) << entry;
    EXPECT_EQ(own.log.size(), static_cast<std::size_t>(kSettingCount) - c.locked.size());
  }
}

TEST_F(LockedBoxesTest, ALockedBoxKeepsThePolicyWhenTheWindowCannotLockIt) {
  Enforce({{"Home", "1"}, {"Hide built-in Tabs", "1"}});
  window.failing = "lock " + std::to_string(kHomeBox);
  policyPanel.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_TRUE(policyPanel.Boxes().IsChecked(kHomeBox));
  EXPECT_TRUE(window.shown[kHomeBox]);
}

TEST_F(LockedBoxesTest, TabsThePolicyHidesKeepTheAddInInstalledWithClassicClear) {
  Enforce({{"Home", "1"}, {"Hide built-in Tabs", "1"}});
  policyPanel.Initialize();
  policyPanel.ClickBox(kClassicBox);
  window.log.clear();
  policyPanel.Ok();
  EXPECT_EQ(window.log, (std::vector<std::string>{"install", "POWERPNT", "close"}));
}

// The document the add-in builds from the store.
std::string Document(const SettingsStore& store) {
  FixedHost host;
  RibbonAssembler assembler;
  return std::string(assembler.GetRibbonXML(&host, SettingsSnapshot(store)).markup);
}

// Every box state that clicks can reach from an empty store, each with the clicks that reach it.
std::map<BoxStates, std::vector<int>> ReachableStates() {
  MemorySettingsStore empty;
  FakeWindow window;
  FakeInstaller installer(window.log);
  ControlPanel start(empty, window, installer);
  start.Initialize();
  std::map<BoxStates, std::vector<int>> reached = {{start.Boxes().States(), {}}};
  std::vector<BoxStates> pending = {start.Boxes().States()};
  while (!pending.empty()) {
    const BoxStates states = pending.back();
    pending.pop_back();
    for (int box = 0; box < kBoxCount; ++box) {
      BoxRules rules(states);
      rules.Toggle(box);
      if (reached.count(rules.States())) continue;
      auto clicks = reached[states];
      clicks.push_back(box);
      reached.emplace(rules.States(), clicks);
      pending.push_back(rules.States());
    }
  }
  return reached;
}

std::string Shown(const BoxStates& states) {
  std::string text;
  for (bool checked : states) text += checked ? '1' : '0';
  return text;
}

TEST(RoundTripTest, OpeningAndPressingOkNeverChangesWhatTheAddInDoes) {
  for (const auto& [states, clicks] : ReachableStates()) {
    MemorySettingsStore store;
    FakeWindow window;
    FakeInstaller installer(window.log);
    ControlPanel saved(store, window, installer);
    saved.Initialize();
    for (int box : clicks) saved.ClickBox(box);
    ASSERT_EQ(saved.Boxes().States(), states);
    saved.Ok();
    const std::string before = Document(store);

    ControlPanel reopened(store, window, installer);
    reopened.Initialize();
    reopened.Ok();
    // The documents are long; name the boxes instead.
    EXPECT_TRUE(Document(store) == before)
        << "boxes " << Shown(states) << " reopened as " << Shown(reopened.Boxes().States());
    EXPECT_EQ(window.errors, std::vector<std::string>{});
  }
}

TEST_F(ControlPanelTest, AnotherLanguageTitlesItsMessagesAndVersionInIt) {
  ControlPanel spanish(store, window, installer, {}, UiLanguage::Spanish);
  Store({{"Left", "abc"}});
  spanish.Initialize();
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_TRUE(window.errors[0].starts_with("Error de la aplicación|")) << window.errors[0];
  EXPECT_NE(window.errors[0].find(" en la línea 108"), std::string::npos) << window.errors[0];
  const auto version = std::find_if(window.log.begin(), window.log.end(),
                                    [](const std::string& action) { return action.starts_with("lblVersion "); });
  ASSERT_NE(version, window.log.end());
  EXPECT_TRUE(version->starts_with("lblVersion Versión:   ")) << *version;
}

TEST(ErrorMessageTest, SpeaksThePanelsLanguageButKeepsTheDescriptionAndPlace) {
  EXPECT_EQ(ErrorMessageText("File not found", "Form_Load", 106, UiLanguage::German),
            "File not found\r\nin Morrowick2016/06/15.Form1.Form_Load in Zeile 106\r\r"
            "Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an support@varnholt.example");
}

TEST(ErrorMessageTest, JoinsDescriptionLocationAndSupportAddress) {
  EXPECT_EQ(ErrorMessageText("File not found", "Form_Load", 106),
            "File not found\r\nin Morrowick2016/06/15.Form1.Form_Load at line 106\r\r"
            "Please email screenshot of this message to support@varnholt.example");
}

}  // namespace
}  // namespace quillmere
