#include "common/registration_table.h"

namespace quillmere {
namespace {

constexpr auto kClasses = Join("Software\\Classes\\");
constexpr auto kProgIdKey = Join(kClasses, kConnectProgId);
constexpr auto kProgIdClassKey = Join(kProgIdKey, "\\CLSID");
constexpr auto kClassKey = Join(kClasses, "CLSID\\", kConnectClsid);
constexpr auto kServerKey = Join(kClassKey, "\\InprocServer32");
constexpr auto kClassProgIdKey = Join(kClassKey, "\\ProgID");
constexpr auto kClassTypeLibKey = Join(kClassKey, "\\TypeLib");
constexpr auto kTypeLibKey = Join(kClasses, "TypeLib\\", kHalverinLibId);
constexpr auto kTypeLibVersionKey = Join(kTypeLibKey, "\\1.0");
constexpr auto kTypeLibFlagsKey = Join(kTypeLibVersionKey, "\\FLAGS");
constexpr auto kTypeLibHelpKey = Join(kTypeLibVersionKey, "\\HELPDIR");
constexpr auto kTypeLib32Key = Join(kTypeLibVersionKey, "\\0\\win32");
constexpr auto kTypeLib64Key = Join(kTypeLibVersionKey, "\\0\\win64");
constexpr auto kInterfaceKey = Join(kClasses, "Interface\\", kConnectDispatchIid);
constexpr auto kProxyKey = Join(kInterfaceKey, "\\ProxyStubClsid");
constexpr auto kProxy32Key = Join(kInterfaceKey, "\\ProxyStubClsid32");
constexpr auto kInterfaceTypeLibKey = Join(kInterfaceKey, "\\TypeLib");
// The OLE automation marshaller, for the dual interface.
constexpr std::string_view kAutomationProxy = "{00020424-0000-0000-C000-000000000046}";

using D = RegistrationData;

constexpr std::array kCommonEntries{
    RegistrationEntry{kProgIdKey, "", D::Text, kConnectProgId, 0},
    RegistrationEntry{kProgIdClassKey, "", D::Text, kConnectClsid, 0},
    RegistrationEntry{kClassKey, "", D::Text, kConnectProgId, 0},
    RegistrationEntry{kServerKey, "", D::ModulePath, "", 0},
    RegistrationEntry{kServerKey, "ThreadingModel", D::Text, "Apartment", 0},
    RegistrationEntry{kClassProgIdKey, "", D::Text, kConnectProgId, 0},
    RegistrationEntry{kClassTypeLibKey, "", D::Text, kHalverinLibId, 0},
    RegistrationEntry{kTypeLibVersionKey, "", D::Text, "Quillmere", 0},
    RegistrationEntry{kTypeLibFlagsKey, "", D::Text, "0", 0},
    RegistrationEntry{kTypeLibHelpKey, "", D::ModuleFolder, "", 0},
    RegistrationEntry{kInterfaceKey, "", D::Text, "_Connect", 0},
    RegistrationEntry{kProxyKey, "", D::Text, kAutomationProxy, 0},
    RegistrationEntry{kProxy32Key, "", D::Text, kAutomationProxy, 0},
    RegistrationEntry{kInterfaceTypeLibKey, "", D::Text, kHalverinLibId, 0},
    RegistrationEntry{kInterfaceTypeLibKey, "Version", D::Text, "1.0", 0},
    RegistrationEntry{kAddInEntryKey, "FriendlyName", D::Text, "Quillmere", 0},
    RegistrationEntry{kAddInEntryKey, "Description", D::Text, "Add-In Project Template", 0},
    RegistrationEntry{kAddInEntryKey, "LoadBehavior", D::Number, "", 3},
};

// The common entries and the type library's path for one platform.
constexpr auto WithTypeLibPath(std::string_view platformKey) {
  std::array<RegistrationEntry, kCommonEntries.size() + 1> all{};
  for (std::size_t i = 0; i < kCommonEntries.size(); ++i) all[i] = kCommonEntries[i];
  all.back() = RegistrationEntry{platformKey, "", D::ModulePath, "", 0};
  return all;
}

constexpr auto kEntries32 = WithTypeLibPath(kTypeLib32Key);
constexpr auto kEntries64 = WithTypeLibPath(kTypeLib64Key);

constexpr std::array<std::string_view, 5> kKeys{kProgIdKey, kClassKey, kTypeLibKey, kInterfaceKey, kAddInEntryKey};

}  // namespace

std::span<const RegistrationEntry> RegistrationEntries(ModuleBitness bitness) {
  if (bitness == ModuleBitness::Bits64) return kEntries64;
  return kEntries32;
}

std::span<const std::string_view> RegistrationKeys() { return kKeys; }

}  // namespace quillmere
