#include "addin/registration_entries.h"

#include <array>

namespace quillmere {
namespace {

#define QM_CLSID "{F014F2C8-2CE5-4C03-86A8-6DC0B6349C47}"
#define QM_LIBID "{D01D3003-E0B7-4D5A-B6B1-703ACD451372}"
#define QM_IID "{2AF5246C-DC03-45AF-A13B-42B825AC1358}"
#define QM_CLASSES "Software\\Classes\\"
#define QM_ADDIN_KEY "Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect"
// The OLE automation marshaller, for the dual interface.
#define QM_AUTOMATION_PROXY "{00020424-0000-0000-C000-000000000046}"

using D = RegistrationData;

constexpr std::array kCommonEntries{
    RegistrationEntry{QM_CLASSES "Halverin.Connect", "", D::Text, "Halverin.Connect", 0},
    RegistrationEntry{QM_CLASSES "Halverin.Connect\\CLSID", "", D::Text, QM_CLSID, 0},
    RegistrationEntry{QM_CLASSES "CLSID\\" QM_CLSID, "", D::Text, "Halverin.Connect", 0},
    RegistrationEntry{QM_CLASSES "CLSID\\" QM_CLSID "\\InprocServer32", "", D::ModulePath, "", 0},
    RegistrationEntry{QM_CLASSES "CLSID\\" QM_CLSID "\\InprocServer32", "ThreadingModel", D::Text, "Apartment", 0},
    RegistrationEntry{QM_CLASSES "CLSID\\" QM_CLSID "\\ProgID", "", D::Text, "Halverin.Connect", 0},
    RegistrationEntry{QM_CLASSES "CLSID\\" QM_CLSID "\\TypeLib", "", D::Text, QM_LIBID, 0},
    RegistrationEntry{QM_CLASSES "TypeLib\\" QM_LIBID "\\1.0", "", D::Text, "Quillmere", 0},
    RegistrationEntry{QM_CLASSES "TypeLib\\" QM_LIBID "\\1.0\\FLAGS", "", D::Text, "0", 0},
    RegistrationEntry{QM_CLASSES "TypeLib\\" QM_LIBID "\\1.0\\HELPDIR", "", D::ModuleFolder, "", 0},
    RegistrationEntry{QM_CLASSES "Interface\\" QM_IID, "", D::Text, "_Connect", 0},
    RegistrationEntry{QM_CLASSES "Interface\\" QM_IID "\\ProxyStubClsid", "", D::Text, QM_AUTOMATION_PROXY, 0},
    RegistrationEntry{QM_CLASSES "Interface\\" QM_IID "\\ProxyStubClsid32", "", D::Text, QM_AUTOMATION_PROXY, 0},
    RegistrationEntry{QM_CLASSES "Interface\\" QM_IID "\\TypeLib", "", D::Text, QM_LIBID, 0},
    RegistrationEntry{QM_CLASSES "Interface\\" QM_IID "\\TypeLib", "Version", D::Text, "1.0", 0},
    RegistrationEntry{QM_ADDIN_KEY, "FriendlyName", D::Text, "Quillmere", 0},
    RegistrationEntry{QM_ADDIN_KEY, "Description", D::Text, "Add-In Project Template", 0},
    RegistrationEntry{QM_ADDIN_KEY, "LoadBehavior", D::Number, "", 3},
};

// The common entries and the type library's path for one platform.
constexpr auto WithTypeLibPath(std::string_view platformKey) {
  std::array<RegistrationEntry, kCommonEntries.size() + 1> all{};
  for (std::size_t i = 0; i < kCommonEntries.size(); ++i) all[i] = kCommonEntries[i];
  all.back() = RegistrationEntry{platformKey, "", D::ModulePath, "", 0};
  return all;
}

constexpr auto kEntries32 = WithTypeLibPath(QM_CLASSES "TypeLib\\" QM_LIBID "\\1.0\\0\\win32");
constexpr auto kEntries64 = WithTypeLibPath(QM_CLASSES "TypeLib\\" QM_LIBID "\\1.0\\0\\win64");

constexpr std::array<std::string_view, 5> kKeys{
    QM_CLASSES "Halverin.Connect",
    QM_CLASSES "CLSID\\" QM_CLSID,
    QM_CLASSES "TypeLib\\" QM_LIBID,
    QM_CLASSES "Interface\\" QM_IID,
    QM_ADDIN_KEY,
};

static_assert(kConnectClsid == QM_CLSID && kHalverinLibId == QM_LIBID && kConnectDispatchIid == QM_IID);

}  // namespace

std::span<const RegistrationEntry> RegistrationEntries(ModuleBitness bitness) {
  if (bitness == ModuleBitness::Bits64) return kEntries64;
  return kEntries32;
}

std::span<const std::string_view> RegistrationKeys() { return kKeys; }

}  // namespace quillmere
