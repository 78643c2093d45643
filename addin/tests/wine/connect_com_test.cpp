// Tessivar.dll as a COM server, loaded straight from the test program's folder: the class
// factory, the Connect object's interfaces and failures, its type library, version resource
// and registration.

#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/registration_table.h"
#include "common/registry_settings_store_win.h"
#include "common/unique_handle_win.h"
#include "host_objects_win.h"
#include "import_patch_win.h"
#include "tessivar_h.h"

using Microsoft::WRL::ComPtr;

namespace quillmere {
namespace {

using test::HostApplicationObject;
using test::HostWindow;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Varnholt\\Quillmere";

std::wstring LibraryPath() {
  wchar_t path[MAX_PATH];
  DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\') + 1) + L"Tessivar.dll";
}

HMODULE Library() {
  static HMODULE library = ::LoadLibraryW(LibraryPath().c_str());
  return library;
}

template <typename Function>
Function Export(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(Library(), name)));
}

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using NoArgumentFunction = HRESULT(STDAPICALLTYPE*)();

ComPtr<IClassFactory> Factory() {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(Export<GetClassObjectFunction>("DllGetClassObject")(__uuidof(::Connect), IID_PPV_ARGS(&factory)), S_OK);
  return factory;
}

template <typename Interface>
ComPtr<Interface> NewConnect() {
  ComPtr<Interface> object;
  EXPECT_EQ(Factory()->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);
  return object;
}

HRESULT CanUnloadNow() { return Export<NoArgumentFunction>("DllCanUnloadNow")(); }

std::wstring Text(BSTR text) { return text == nullptr ? L"<null>" : std::wstring(text, ::SysStringLen(text)); }

class ComEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_NE(Library(), nullptr) << "Tessivar.dll must lie beside the test program";
  }
  void TearDown() override { ::CoUninitialize(); }
};
const auto* const environment = testing::AddGlobalTestEnvironment(new ComEnvironment);

// Every test starts from an empty settings store.
class ConnectTest : public testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
  static void Store(const char* key, const char* value) { RegistrySettingsStore().Write(key, value); }
};

TEST(ClassFactory, HandsOutOnlyConnect) {
  ComPtr<IClassFactory> factory;
  const CLSID other = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  EXPECT_EQ(Export<GetClassObjectFunction>("DllGetClassObject")(other, IID_PPV_ARGS(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);

  ComPtr<IUnknown> outer = NewConnect<IUnknown>();
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(Factory()->CreateInstance(outer.Get(), IID_PPV_ARGS(&aggregated)), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr);
}

TEST(ClassFactory, LibraryMayUnloadOnlyWithNoObjectAndNoLock) {
  ASSERT_EQ(CanUnloadNow(), S_OK);
  {
    ComPtr<IRibbonExtensibility> object = NewConnect<IRibbonExtensibility>();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
  ComPtr<IClassFactory> factory = Factory();
  factory->LockServer(TRUE);
  EXPECT_EQ(CanUnloadNow(), S_FALSE);
  factory->LockServer(FALSE);
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST(ConnectObject, AnswersForItsInterfacesWithOneIdentity) {
  ComPtr<IUnknown> object = NewConnect<IUnknown>();
  const IID supported[] = {__uuidof(IDispatch), __uuidof(_Connect), __uuidof(IRibbonExtensibility),
                           __uuidof(IDTExtensibility2), __uuidof(ISupportErrorInfo)};
  for (const IID& iid : supported) {
    ComPtr<IUnknown> facet;
    ASSERT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(facet.GetAddressOf())), S_OK);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(facet.As(&identity), S_OK);
    EXPECT_EQ(identity.Get(), object.Get());
  }
  ComPtr<IUnknown> none;
  EXPECT_EQ(object->QueryInterface(__uuidof(IRibbonControl), reinterpret_cast<void**>(none.GetAddressOf())),
            E_NOINTERFACE);
  EXPECT_EQ(object->QueryInterface(__uuidof(IClassFactory), reinterpret_cast<void**>(none.GetAddressOf())),
            E_NOINTERFACE);
}

TEST_F(ConnectTest, EveryWayToAskGivesTheSameDocument) {
  HostWindow window(false);
  HostApplicationObject application(L"Microsoft Office PowerPoint", &window);
  ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
  ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);

  ComPtr<IRibbonExtensibility> ribbon;
  ComPtr<_Connect> own;
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(connection.As(&ribbon), S_OK);
  ASSERT_EQ(connection.As(&own), S_OK);
  ASSERT_EQ(ribbon.As(&dispatch), S_OK);  // as PowerPoint reaches the callbacks

  UniqueBstr fromRibbon, fromOwn, fromXml;
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, fromRibbon.put()), S_OK);
  ASSERT_EQ(own->IRibbonExtensibility_GetCustomUI(nullptr, fromOwn.put()), S_OK);
  ASSERT_EQ(own->GetRibbonXML(fromXml.put()), S_OK);

  LPOLESTR names[] = {const_cast<LPOLESTR>(L"GetRibbonXML")};
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  DISPPARAMS none{};
  VARIANT byName;
  ::VariantInit(&byName);
  ASSERT_EQ(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &byName, nullptr, nullptr),
            S_OK);
  ASSERT_EQ(byName.vt, VT_BSTR);

  const std::wstring document = Text(fromRibbon.get());
  EXPECT_EQ(document.rfind(L"<customUI xmlns=", 0), 0u);
  EXPECT_NE(document.find(L"\u2026"), std::wstring::npos) << "the ellipsis of the catalogue's labels";
  EXPECT_EQ(Text(fromOwn.get()), document);
  EXPECT_EQ(Text(fromXml.get()), document);
  EXPECT_EQ(Text(byName.bstrVal), document);
  ::VariantClear(&byName);
}

struct EmptyCase {
  const char* name;
  const wchar_t* hostName;
  const char* classic;  // stored "Classic", or null for none
};
void PrintTo(const EmptyCase& c, std::ostream* os) { *os << c.name; }

class ConnectEmptyDocument : public ConnectTest, public testing::WithParamInterface<EmptyCase> {};

TEST_P(ConnectEmptyDocument, IsAnEmptyStringAndSuccess) {
  if (GetParam().classic != nullptr) Store("Classic", GetParam().classic);
  HostApplicationObject application(GetParam().hostName, nullptr);
  ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
  ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
  ComPtr<IRibbonExtensibility> ribbon;
  ASSERT_EQ(connection.As(&ribbon), S_OK);
  UniqueBstr document;
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, document.put()), S_OK);
  ASSERT_NE(document.get(), nullptr);
  EXPECT_EQ(::SysStringLen(document.get()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Hosts, ConnectEmptyDocument,
                         testing::Values(EmptyCase{"other_application", L"Microsoft Office Excel", nullptr},
                                         EmptyCase{"lower_case_name", L"microsoft office powerpoint", nullptr},
                                         EmptyCase{"empty_name", L"", nullptr},
                                         EmptyCase{"classic_off", L"Microsoft Office PowerPoint", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Failures: the status, no text, and error information that names what went wrong.
struct FailureCase {
  const char* name;
  bool connect;
  bool hostHasName;
  std::vector<std::pair<const char*, const char*>> stored;
  HRESULT status;
  std::vector<std::wstring> described;  // texts the error description must contain
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ConnectFailure : public ConnectTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ConnectFailure, ReportsTheStatusWithNoTextAndADescription) {
  const FailureCase& c = GetParam();
  for (const auto& [key, value] : c.stored) Store(key, value);
  HostApplicationObject application(
      c.hostHasName ? std::optional<std::wstring>(L"Microsoft Office PowerPoint") : std::nullopt, nullptr);
  ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
  if (c.connect) {
    ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
  }
  ComPtr<IRibbonExtensibility> ribbon;
  ASSERT_EQ(connection.As(&ribbon), S_OK);
  ComPtr<ISupportErrorInfo> supports;
  ASSERT_EQ(connection.As(&supports), S_OK);
  EXPECT_EQ(supports->InterfaceSupportsErrorInfo(__uuidof(IRibbonExtensibility)), S_OK);

  BSTR document = reinterpret_cast<BSTR>(1);  // must come back null
  EXPECT_EQ(ribbon->GetCustomUI(nullptr, &document), c.status);
  EXPECT_EQ(document, nullptr);

  ComPtr<IErrorInfo> info;
  ASSERT_EQ(::GetErrorInfo(0, &info), S_OK);
  UniqueBstr description, source;
  info->GetDescription(description.put());
  info->GetSource(source.put());
  EXPECT_EQ(Text(source.get()), L"Halverin.Connect");
  for (const std::wstring& text : c.described) {
    EXPECT_NE(Text(description.get()).find(text), std::wstring::npos)
        << "description \"" << testing::PrintToString(Text(description.get())) << "\" lacks "
        << testing::PrintToString(text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, ConnectFailure,
    testing::Values(
        FailureCase{"not_connected", false, true, {}, E_UNEXPECTED, {L"no host"}},
        FailureCase{"host_without_name", true, false, {}, DISP_E_UNKNOWNNAME, {L"Name"}},
        FailureCase{
            "classic_not_a_number", true, true, {{"Classic", "yes"}}, DISP_E_TYPEMISMATCH, {L"Classic", L"yes"}},
        FailureCase{"tab_not_a_number",
                    true,
                    true,
                    {{"Hide built-in Tabs", "1"}, {"Slide Show", "1,0"}},
                    DISP_E_TYPEMISMATCH,
                    {L"Slide Show", L"1,0"}},
        FailureCase{"text_beyond_ascii",
                    true,
                    true,
                    {{"Left", "\xc3\xbc\xe2\x80\xa6"}},
                    DISP_E_TYPEMISMATCH,
                    {L"Left", L"\u00fc\u2026"}},
        FailureCase{"tab_sum_overflows",
                    true,
                    true,
                    {{"Hide built-in Tabs", "1"}, {"Home", "2147483647"}, {"Insert", "1"}},
                    DISP_E_OVERFLOW,
                    {L"Insert"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConnectTest, ValueOfAnotherTypeIsAStoreFailure) {
  UniqueHKey key;
  ASSERT_EQ(
      ::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
      ERROR_SUCCESS);
  const BYTE binary[] = {'1', 0};
  ASSERT_EQ(::RegSetValueExW(key.get(), L"Left", 0, REG_BINARY, binary, sizeof binary), ERROR_SUCCESS);
  HostApplicationObject application(L"Microsoft Office PowerPoint", nullptr);
  ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
  ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
  ComPtr<_Connect> own;
  ASSERT_EQ(connection.As(&own), S_OK);
  UniqueBstr document;
  EXPECT_EQ(own->GetRibbonXML(document.put()), HRESULT_FROM_WIN32(ERROR_CANTREAD));
  EXPECT_EQ(document.get(), nullptr);
}

TEST_F(ConnectTest, KeepsOneApplicationObjectAndReleasesItWithTheObject) {
  HostApplicationObject first(L"Microsoft Office PowerPoint", nullptr);
  HostApplicationObject second(L"Microsoft Office PowerPoint", nullptr);
  {
    ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
    ASSERT_EQ(connection->OnConnection(&first, 1, nullptr, nullptr), S_OK);
    EXPECT_EQ(first.ForeignReferences(), 1);
    ASSERT_EQ(connection->OnConnection(&second, 1, nullptr, nullptr), S_OK);
    EXPECT_EQ(first.ForeignReferences(), 0) << "a second connection releases the first application";
    EXPECT_EQ(second.ForeignReferences(), 1);
    // The other connection events change nothing.
    EXPECT_EQ(connection->OnDisconnection(0, nullptr), S_OK);
    EXPECT_EQ(connection->OnStartupComplete(nullptr), S_OK);
    EXPECT_EQ(connection->OnBeginShutdown(nullptr), S_OK);
    EXPECT_EQ(second.ForeignReferences(), 1);
  }
  EXPECT_EQ(second.ForeignReferences(), 0);
}

// Error information always belongs to the latest call: a failing callback reached by name
// reports its own failure, not an earlier GetCustomUI's, and a succeeding call leaves none.
TEST_F(ConnectTest, ErrorInformationBelongsToTheLatestCall) {
  HostWindow window(false);
  HostApplicationObject application(L"Microsoft Office PowerPoint", &window);
  ComPtr<_Connect> own = NewConnect<_Connect>();
  ComPtr<IRibbonExtensibility> ribbon;
  ASSERT_EQ(own.As(&ribbon), S_OK);
  UniqueBstr document;
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, document.put()), E_UNEXPECTED);  // not connected

  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(ribbon.As(&dispatch), S_OK);
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Document0")};
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  VARIANT control;
  ::VariantInit(&control);
  control.vt = VT_DISPATCH;
  DISPPARAMS arguments{&control, nullptr, 1, 0};
  EXCEPINFO exception{};
  EXPECT_EQ(
      dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &arguments, nullptr, &exception, nullptr),
      DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, E_UNEXPECTED);
  EXPECT_EQ(Text(exception.bstrDescription).find(L"no host"), std::wstring::npos)
      << "the callback reported GetCustomUI's failure: " << testing::PrintToString(Text(exception.bstrDescription));
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);

  ComPtr<IDTExtensibility2> connection;
  ASSERT_EQ(own.As(&connection), S_OK);
  ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
  Store("Classic", "yes");
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, document.put()), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(own->Document0(nullptr), S_OK);
  ComPtr<IErrorInfo> stale;
  EXPECT_EQ(::GetErrorInfo(0, &stale), S_FALSE) << "a succeeding call left the earlier failure's error information";
}

// The host's own failure code comes back from Document0, even when the host raises it through
// an exception record; a message box that fails without an error code is still a failure.
int WINAPI FailingMessageBox(HWND, LPCWSTR, LPCWSTR, UINT) {
  ::SetLastError(0);
  return 0;
}

TEST_F(ConnectTest, CallbacksReportTheFailureThatHappened) {
  HostWindow window(false);
  window.FailDocumentMap(E_ACCESSDENIED);
  HostApplicationObject application(L"Microsoft Office PowerPoint", &window);
  ComPtr<_Connect> own = NewConnect<_Connect>();
  ComPtr<IDTExtensibility2> connection;
  ASSERT_EQ(own.As(&connection), S_OK);
  ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
  EXPECT_EQ(own->Document0(nullptr), E_ACCESSDENIED);

  test::ImportPatch patch(Library(), "USER32.dll", "MessageBoxW", reinterpret_cast<const void*>(&FailingMessageBox));
  ASSERT_TRUE(patch.Applied());
  EXPECT_TRUE(FAILED(own->Uninstall0(nullptr)));
}

// Each dual interface answers IDispatch for its own members, by the DISPIDs hosts rely on:
// Office's for IRibbonExtensibility and IDTExtensibility2, ours for _Connect's callbacks.
struct DispatchCase {
  const char* name;
  IID iid;
  std::vector<std::pair<std::wstring, DISPID>> members;
};
void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

class DualInterfaceDispatch : public ConnectTest, public testing::WithParamInterface<DispatchCase> {};

TEST_P(DualInterfaceDispatch, AnswersForItsOwnInterface) {
  const DispatchCase& c = GetParam();
  ComPtr<IUnknown> object = NewConnect<IUnknown>();
  ComPtr<IDispatch> dispatch;  // the interface's own vtable, used as IDispatch
  ASSERT_EQ(object->QueryInterface(c.iid, reinterpret_cast<void**>(dispatch.GetAddressOf())), S_OK);
  for (const auto& [name, expected] : c.members) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
    EXPECT_EQ(id, expected) << name;
  }
  for (const wchar_t* foreign : {L"ShowAbout0", L"GetCustomUI", L"OnConnection", L"NoSuchMember"}) {
    const bool own = std::any_of(c.members.begin(), c.members.end(), [&](const auto& m) { return m.first == foreign; });
    if (own) continue;
    LPOLESTR names[] = {const_cast<LPOLESTR>(foreign)};
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME) << foreign;
  }
  DISPPARAMS none{};
  EXPECT_EQ(dispatch->Invoke(99, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  // Type information, where given, describes this interface and no other.
  ComPtr<ITypeInfo> info;
  if (SUCCEEDED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) {
    TYPEATTR* type = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&type), S_OK);
    EXPECT_TRUE(IsEqualGUID(type->guid, c.iid));
    info->ReleaseTypeAttr(type);
  } else {
    UINT count = 1;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, DualInterfaceDispatch,
    testing::Values(DispatchCase{"IRibbonExtensibility", __uuidof(IRibbonExtensibility), {{L"GetCustomUI", 1}}},
                    DispatchCase{"IDTExtensibility2",
                                 __uuidof(IDTExtensibility2),
                                 {{L"OnConnection", 1},
                                  {L"OnDisconnection", 2},
                                  {L"OnAddInsUpdate", 3},
                                  {L"OnStartupComplete", 4},
                                  {L"OnBeginShutdown", 5}}},
                    DispatchCase{"Connect",
                                 __uuidof(_Connect),
                                 {{L"IRibbonExtensibility_GetCustomUI", 1},
                                  {L"GetRibbonXML", 2},
                                  {L"ShowAbout0", 3},
                                  {L"Uninstall0", 4},
                                  {L"Document0", 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Scripts may spell a member in any letter case.
TEST_F(ConnectTest, OfficeMemberNamesIgnoreLetterCase) {
  struct Spelling {
    IID iid;
    const wchar_t* name;
    DISPID id;
  };
  ComPtr<IUnknown> object = NewConnect<IUnknown>();
  for (const Spelling& spelling : {Spelling{__uuidof(IRibbonExtensibility), L"getcustomui", 1},
                                   Spelling{__uuidof(IDTExtensibility2), L"ONSTARTUPCOMPLETE", 4},
                                   Spelling{__uuidof(IDTExtensibility2), L"onDisconnection", 2}}) {
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(object->QueryInterface(spelling.iid, reinterpret_cast<void**>(dispatch.GetAddressOf())), S_OK);
    LPOLESTR names[] = {const_cast<LPOLESTR>(spelling.name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << spelling.name;
    EXPECT_EQ(id, spelling.id) << spelling.name;
  }
}

// A script connects and asks for the document by DISPID alone, through the Office interfaces.
TEST_F(ConnectTest, OfficeInterfacesWorkByDispid) {
  HostApplicationObject application(L"Microsoft Office PowerPoint", nullptr);
  ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
  VARIANT connect[4];  // reversed: custom, AddInInst, ConnectMode, Application
  for (VARIANT& argument : connect) ::VariantInit(&argument);
  connect[1].vt = VT_DISPATCH;
  connect[2].vt = VT_I4;
  connect[3].vt = VT_DISPATCH;
  connect[3].pdispVal = &application;
  DISPPARAMS connectArguments{connect, nullptr, 4, 0};
  ASSERT_EQ(connection->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &connectArguments, nullptr, nullptr,
                               nullptr),
            S_OK);
  EXPECT_EQ(application.ForeignReferences(), 1);

  ComPtr<IRibbonExtensibility> ribbon;
  ASSERT_EQ(connection.As(&ribbon), S_OK);
  UniqueBstr direct;
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, direct.put()), S_OK);
  VARIANT ribbonId;
  ::VariantInit(&ribbonId);
  ribbonId.vt = VT_BSTR;
  ribbonId.bstrVal = ::SysAllocString(L"Microsoft.PowerPoint.Presentation");
  DISPPARAMS arguments{&ribbonId, nullptr, 1, 0};
  VARIANT result;
  ::VariantInit(&result);
  ASSERT_EQ(ribbon->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &arguments, &result, nullptr, nullptr),
            S_OK);
  ASSERT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(Text(result.bstrVal), Text(direct.get()));
  ::VariantClear(&result);
  ::VariantClear(&ribbonId);
  DISPPARAMS none{};
  EXPECT_EQ(ribbon->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
            DISP_E_BADPARAMCOUNT);
}

// Allocation failures inside the library, injected one at a time at every allocation a failing
// GetCustomUI makes: each call fails cleanly; none ends the host.
std::atomic<long> allocations{0};
std::atomic<long> failAt{0};
void* (*realMalloc)(size_t) = nullptr;
void* CountingMalloc(size_t size) {
  if (++allocations == failAt) return nullptr;
  return realMalloc(size);
}

TEST_F(ConnectTest, OutOfMemoryAnywhereIsAFailedCallNotACrash) {
  test::ImportPatch patch(Library(), "msvcrt.dll", "malloc", reinterpret_cast<const void*>(&CountingMalloc));
  ASSERT_TRUE(patch.Applied());
  realMalloc = patch.Original<void* (*)(size_t)>();
  Store("Classic", "yes");
  HostApplicationObject application(L"Microsoft Office PowerPoint", nullptr);
  for (bool connected : {false, true}) {
    ComPtr<IDTExtensibility2> connection = NewConnect<IDTExtensibility2>();
    if (connected) {
      ASSERT_EQ(connection->OnConnection(&application, 0, nullptr, nullptr), S_OK);
    }
    ComPtr<IRibbonExtensibility> ribbon;
    ASSERT_EQ(connection.As(&ribbon), S_OK);
    allocations = 0;
    failAt = 0;
    UniqueBstr document;
    const HRESULT expected = ribbon->GetCustomUI(nullptr, document.put());
    ASSERT_TRUE(FAILED(expected));
    const long count = allocations;
    ASSERT_GT(count, 0);
    for (long n = 1; n <= count; ++n) {
      allocations = 0;
      failAt = n;
      const HRESULT result = ribbon->GetCustomUI(nullptr, document.put());
      failAt = 0;
      EXPECT_TRUE(result == expected || result == E_OUTOFMEMORY) << "allocation " << n << ": " << std::hex << result;
      EXPECT_EQ(document.get(), nullptr);
    }
  }
}

TEST(TypeLibrary, IsHalverinWithConnectsMethodsInSlotOrderAndNoOfficeTypes) {
  ComPtr<IDispatch> dispatch = NewConnect<IDispatch>();
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
  ComPtr<ITypeLib> library;
  UINT index = 0;
  ASSERT_EQ(info->GetContainingTypeLib(&library, &index), S_OK);

  UniqueBstr name, help;
  ASSERT_EQ(library->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(Text(name.get()), L"Halverin");
  EXPECT_EQ(Text(help.get()), L"Quillmere");
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  library->ReleaseTLibAttr(attributes);

  ComPtr<ITypeInfo> office;
  EXPECT_TRUE(FAILED(library->GetTypeInfoOfGuid(__uuidof(IRibbonExtensibility), &office)));
  EXPECT_TRUE(FAILED(library->GetTypeInfoOfGuid(__uuidof(IDTExtensibility2), &office)));
  EXPECT_TRUE(FAILED(library->GetTypeInfoOfGuid(__uuidof(IRibbonControl), &office)));

  // The dual interface's own vtable part, in slot order.
  ComPtr<ITypeInfo> own;
  ASSERT_EQ(library->GetTypeInfoOfGuid(__uuidof(_Connect), &own), S_OK);
  HREFTYPE reference = 0;
  if (SUCCEEDED(own->GetRefTypeOfImplType(-1, &reference))) {
    ComPtr<ITypeInfo> vtablePart;
    if (SUCCEEDED(own->GetRefTypeInfo(reference, &vtablePart))) own = vtablePart;
  }
  TYPEATTR* type = nullptr;
  ASSERT_EQ(own->GetTypeAttr(&type), S_OK);
  const WORD functions = type->cFuncs;
  own->ReleaseTypeAttr(type);
  const std::vector<std::wstring> expected = {L"IRibbonExtensibility_GetCustomUI", L"GetRibbonXML", L"ShowAbout0",
                                              L"Uninstall0", L"Document0"};
  std::vector<std::pair<SHORT, std::wstring>> slots;
  for (WORD i = 0; i < functions; ++i) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(own->GetFuncDesc(i, &function), S_OK);
    UniqueBstr functionName;
    own->GetDocumentation(function->memid, functionName.put(), nullptr, nullptr, nullptr);
    if (function->oVft >= static_cast<SHORT>(7 * sizeof(void*)))
      slots.emplace_back(function->oVft, Text(functionName.get()));
    own->ReleaseFuncDesc(function);
  }
  std::sort(slots.begin(), slots.end());
  std::vector<std::wstring> names;
  for (const auto& slot : slots) names.push_back(slot.second);
  EXPECT_EQ(names, expected);
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr) return L"<absent>";
  return std::wstring(static_cast<const wchar_t*>(value), length > 0 ? length - 1 : 0);
}

TEST(VersionResource, CarriesTheProductsNamesVersionAndSelfRegistration) {
  const std::wstring path = LibraryPath();
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  EXPECT_EQ(VersionString(block, L"FileVersion"), L"7.00");
  EXPECT_EQ(VersionString(block, L"ProductVersion"), L"7.00");
  EXPECT_EQ(VersionString(block, L"InternalName"), L"Tessivar");
  EXPECT_EQ(VersionString(block, L"FileDescription"), L"Quillmere");
  EXPECT_EQ(VersionString(block, L"ProductName"), L"Quillmere");
  EXPECT_NE(VersionString(block, L"OLESelfRegister"), L"<absent>");
}

}  // namespace
}  // namespace quillmere
