// ppt-host: a PowerPoint stand-in for tests. Loads PowerPoint add-ins the way PowerPoint does
// (every entry of its AddIns keys with LoadBehavior 3, created by ProgID),
// connects each to an application object of its own, asks for the ribbon document, and can click
// ribbon callbacks by name through IDispatch. Results go to files: Wine pipes are slow.

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "common/registration_table.h"
#include "common/unique_handle_win.h"
#include "common/utf16_text.h"
#include "host_objects_win.h"

using Microsoft::WRL::ComPtr;
using quillmere::test::HostApplicationObject;
using quillmere::test::HostWindow;
using quillmere::test::RibbonControl;

namespace {

constexpr wchar_t kUsage[] =
    L"usage: ppt-host [OPTION...] OUTPUT\n"
    L"Writes the ribbon documents of the loaded add-ins to OUTPUT (UTF-8).\n"
    L"  --name TEXT          the application's Name (default \"Microsoft Office PowerPoint\")\n"
    L"  --no-name            the application has no Name member\n"
    L"  --version TEXT       the application's Version (default \"12.0\", PowerPoint 2007)\n"
    L"  --no-version         the application has no Version member\n"
    L"  --version-fails      reading Version fails (E_FAIL)\n"
    L"  --ui-language LCID   LanguageSettings.LanguageID(2) answers LCID (decimal or 0x hex);\n"
    L"                       without it the application has no LanguageSettings member\n"
    L"  --language-fails     LanguageSettings.LanguageID fails (E_FAIL, raised)\n"
    L"  --no-window          ActiveWindow fails (no presentation open)\n"
    L"  --document-map 0|1   the active window's DocumentMap at start (default 0)\n"
    L"  --unconnected        skip the connection event\n"
    L"  --connect-twice      connect to a first application object, then to the real one\n"
    L"  --click NAME         after loading, call the ribbon callback NAME (repeatable)\n"
    L"  --pump SECONDS       between clicks, run the message loop as PowerPoint does until the\n"
    L"                       add-in's windows are closed or SECONDS pass (repeatable)\n"
    L"  --disconnect         between clicks, send the disconnection event (host shutdown)\n"
    L"  --release            between clicks, let go of the add-ins\n"
    L"  --uninitialize       between clicks, end COM on this thread, as PowerPoint does at exit\n"
    L"  --null-control       clicks pass a null IRibbonControl\n"
    L"  --repeat N           load, connect and ask N times, unloading between (timings)\n"
    L"  --preload DLL        load a system DLL first, as PowerPoint has it loaded (repeatable)\n"
    L"  --report FILE        write what happened, one key=value line each\n"
    L"Exit: 0 all calls succeeded, 1 a call failed, 2 bad usage, 3 no add-in to load.\n";

constexpr auto kAddInsKey = quillmere::Widened(quillmere::kPowerPointAddInList);

bool comInitialized = false;

struct Options {
  std::vector<std::wstring> preload;
  std::optional<std::wstring> name = L"Microsoft Office PowerPoint";
  quillmere::test::HostVersion version;
  quillmere::test::HostLanguage language;
  bool window = true;
  bool documentMap = false;
  bool connect = true;
  bool connectTwice = false;
  // In order: click a callback, pump messages for some seconds, or one of the lifetime events.
  struct Step {
    enum class Kind { Click, Pump, Release, Disconnect, Uninitialize } kind;
    std::wstring click;
    int pumpSeconds = 0;
  };
  std::vector<Step> steps;
  bool nullControl = false;
  int repeat = 1;
  std::wstring output;
  std::wstring report;
};

std::optional<Options> ParseOptions(int argc, wchar_t** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::wstring_view argument = argv[i];
    auto next = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (argument == L"--name") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.name = value;
    } else if (argument == L"--no-name") {
      options.name.reset();
    } else if (argument == L"--version") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.version.text = value;
    } else if (argument == L"--no-version") {
      options.version.text.reset();
    } else if (argument == L"--version-fails") {
      options.version.fails = true;
    } else if (argument == L"--ui-language") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      wchar_t* end = nullptr;
      const unsigned long lcid = std::wcstoul(value, &end, 0);
      if (end == value || *end != L'\0') return std::nullopt;
      options.language.ui = static_cast<LCID>(lcid);
    } else if (argument == L"--language-fails") {
      options.language.fails = true;
    } else if (argument == L"--no-window") {
      options.window = false;
    } else if (argument == L"--document-map") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.documentMap = std::wstring_view(value) == L"1";
    } else if (argument == L"--unconnected") {
      options.connect = false;
    } else if (argument == L"--connect-twice") {
      options.connectTwice = true;
    } else if (argument == L"--click") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.steps.push_back({Options::Step::Kind::Click, value});
    } else if (argument == L"--pump") {
      const wchar_t* value = next();
      if (value == nullptr || _wtoi(value) < 1) return std::nullopt;
      options.steps.push_back({Options::Step::Kind::Pump, L"", _wtoi(value)});
    } else if (argument == L"--release") {
      options.steps.push_back({Options::Step::Kind::Release, L""});
    } else if (argument == L"--disconnect") {
      options.steps.push_back({Options::Step::Kind::Disconnect, L""});
    } else if (argument == L"--uninitialize") {
      options.steps.push_back({Options::Step::Kind::Uninitialize, L""});
    } else if (argument == L"--null-control") {
      options.nullControl = true;
    } else if (argument == L"--repeat") {
      const wchar_t* value = next();
      if (value == nullptr || (options.repeat = _wtoi(value)) < 1) return std::nullopt;
    } else if (argument == L"--preload") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.preload.emplace_back(value);
    } else if (argument == L"--report") {
      const wchar_t* value = next();
      if (value == nullptr) return std::nullopt;
      options.report = value;
    } else if (argument.starts_with(L"--") || !options.output.empty()) {
      return std::nullopt;
    } else {
      options.output = argument;
    }
  }
  if (options.output.empty()) return std::nullopt;
  return options;
}

using quillmere::WideToUtf8;

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

class Report {
 public:
  void Add(const std::string& key, const std::string& value) { lines_ += key + "=" + value + "\n"; }
  void Add(const std::string& key, HRESULT result) {
    Add(key, Hex(result));
    if (FAILED(result)) failed_ = true;
  }
  bool Failed() const { return failed_; }
  bool WriteTo(const std::wstring& path) const {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(lines_.data(), 1, lines_.size(), file) == lines_.size();
    return std::fclose(file) == 0 && written;
  }

 private:
  std::string lines_;
  bool failed_ = false;
};

// The ProgIDs PowerPoint would load at start-up: LoadBehavior 3 in the user's add-in list, then
// in the machine's (an all-users installation), each ProgID once.
std::vector<std::wstring> AddInsToLoad() {
  std::vector<std::wstring> progIds;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    quillmere::UniqueHKey addIns;
    if (::RegOpenKeyExW(root, kAddInsKey.c_str(), 0, KEY_READ, addIns.put()) != ERROR_SUCCESS) continue;
    for (DWORD index = 0;; ++index) {
      wchar_t name[256];
      DWORD length = ARRAYSIZE(name);
      if (::RegEnumKeyExW(addIns.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        break;
      }
      DWORD behaviour = 0;
      DWORD size = sizeof behaviour;
      const bool load = ::RegGetValueW(addIns.get(), name, L"LoadBehavior", RRF_RT_REG_DWORD, nullptr, &behaviour,
                                       &size) == ERROR_SUCCESS &&
                        behaviour == 3;
      const bool seen = std::any_of(progIds.begin(), progIds.end(), [&](const std::wstring& known) {
        return ::CompareStringOrdinal(known.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
      });
      if (load && !seen) progIds.emplace_back(name);
    }
  }
  return progIds;
}

std::string ErrorDescription() {
  ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, &info) != S_OK || !info) return {};
  BSTR description = nullptr;
  if (FAILED(info->GetDescription(&description)) || description == nullptr) return {};
  std::string text = WideToUtf8(std::wstring_view(description, ::SysStringLen(description)));
  ::SysFreeString(description);
  return text;
}

// Clicks a callback as PowerPoint does: IDispatch of the ribbon interface, the name resolved
// with GetIDsOfNames, one VT_DISPATCH argument, the IRibbonControl.
HRESULT Click(IUnknown* addIn, const std::wstring& callback, bool nullControl) {
  ComPtr<IRibbonExtensibility> ribbon;
  HRESULT result = addIn->QueryInterface(IID_PPV_ARGS(&ribbon));
  if (FAILED(result)) return result;
  ComPtr<IDispatch> dispatch;
  result = ribbon.As(&dispatch);
  if (FAILED(result)) return result;
  LPOLESTR names[] = {const_cast<LPOLESTR>(callback.c_str())};
  DISPID id = DISPID_UNKNOWN;
  result = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result)) return result;
  RibbonControl control(L"ppt-host-" + callback);
  VARIANT argument;
  ::VariantInit(&argument);
  argument.vt = VT_DISPATCH;
  argument.pdispVal =
      nullControl ? nullptr : static_cast<IDispatch*>(static_cast<quillmere::test::NamedDispatch*>(&control));
  DISPPARAMS arguments{&argument, nullptr, 1, 0};
  VARIANT returned;
  ::VariantInit(&returned);
  EXCEPINFO exception{};
  result =
      dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &arguments, &returned, &exception, nullptr);
  if (result == DISP_E_EXCEPTION && exception.scode != 0) result = exception.scode;
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);
  ::VariantClear(&returned);
  return result;
}

HRESULT Disconnect(IUnknown* addIn) {
  ComPtr<IDTExtensibility2> connection;
  HRESULT result = addIn->QueryInterface(IID_PPV_ARGS(&connection));
  if (FAILED(result)) return result;
  SAFEARRAY* custom = ::SafeArrayCreateVector(VT_VARIANT, 0, 0);
  result = connection->OnDisconnection(0, &custom);  // ext_dm_HostShutdown
  ::SafeArrayDestroy(custom);
  return result;
}

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool ThreadHasVisibleWindow() {
  bool visible = false;
  ::EnumThreadWindows(::GetCurrentThreadId(), &NoteVisibleWindow, reinterpret_cast<LPARAM>(&visible));
  return visible;
}

// The hot spot of the pointer shape this thread shows, "x,y" ("none" without one).
std::string CursorHotSpot() {
  ICONINFO info{};
  HCURSOR cursor = ::GetCursor();
  if (cursor == nullptr || !::GetIconInfo(cursor, &info)) return "none";
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  return std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot);
}

// PowerPoint's own loop: no IsDialogMessage for windows it does not know. Returns "closed" once
// no window of this thread is visible, "timeout" when the time is up first. Notes each pointer
// shape the add-in's windows set on the way (by hot spot) in `pointers`.
std::string PumpMessages(int seconds, std::string& pointers) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  std::string last;
  for (;;) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
      const std::string shape = CursorHotSpot();
      if (shape != last) pointers += (pointers.empty() ? "" : " ") + shape;
      last = shape;
    }
    if (!ThreadHasVisibleWindow()) return "closed";
    if (::GetTickCount64() >= end) return "timeout";
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

struct Loaded {
  std::wstring progId;
  ComPtr<IUnknown> addIn;
};

// Microseconds of each phase of one start-up, from CoCreateInstance to the returned document.
struct Timings {
  std::vector<double> total, create, connect, ask;
};

double Microseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now;
}

// One start-up: create, connect and ask every add-in. Appends the documents to `documents`.
std::vector<Loaded> LoadAll(const std::vector<std::wstring>& progIds, const Options& options, IDispatch* application,
                            Report& report, std::string& documents, Timings& timings) {
  std::vector<Loaded> loaded;
  for (const std::wstring& progId : progIds) {
    const std::string key = WideToUtf8(progId);
    CLSID clsid;
    HRESULT result = ::CLSIDFromProgID(progId.c_str(), &clsid);
    if (FAILED(result)) {
      report.Add(key + ".progid", result);
      continue;
    }
    const LARGE_INTEGER start = Now();
    Loaded addIn{progId, nullptr};
    result = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&addIn.addIn));
    const LARGE_INTEGER created = Now();
    report.Add("create", result);
    if (FAILED(result)) continue;

    if (options.connect) {
      ComPtr<IDTExtensibility2> connection;
      result = addIn.addIn.As(&connection);
      if (SUCCEEDED(result)) {
        SAFEARRAY* custom = ::SafeArrayCreateVector(VT_VARIANT, 0, 0);
        if (options.connectTwice) {
          HostApplicationObject first(L"Microsoft Office PowerPoint", nullptr);
          result = connection->OnConnection(&first, 1, nullptr, &custom);
          if (SUCCEEDED(result)) result = connection->OnConnection(application, 1, nullptr, &custom);
          report.Add("first_application_references", std::to_string(first.ForeignReferences()));
        } else {
          result = connection->OnConnection(application, 1, nullptr, &custom);
        }
        ::SafeArrayDestroy(custom);
      }
      report.Add("connect", result);
    }

    const LARGE_INTEGER connected = Now();
    ComPtr<IRibbonExtensibility> ribbon;
    result = addIn.addIn.As(&ribbon);
    BSTR document = nullptr;
    if (SUCCEEDED(result))
      result = ribbon->GetCustomUI(const_cast<BSTR>(L"Microsoft.PowerPoint.Presentation"), &document);
    const LARGE_INTEGER end = Now();
    report.Add("getcustomui", result);
    if (FAILED(result)) {
      report.Add("error", ErrorDescription());
      report.Add("text_returned", document != nullptr ? "1" : "0");
    } else {
      timings.total.push_back(Microseconds(start, end));
      timings.create.push_back(Microseconds(start, created));
      timings.connect.push_back(Microseconds(created, connected));
      timings.ask.push_back(Microseconds(connected, end));
    }
    if (document != nullptr) {
      documents += WideToUtf8(std::wstring_view(document, ::SysStringLen(document)));
      ::SysFreeString(document);
    }
    loaded.push_back(std::move(addIn));
  }
  return loaded;
}

long Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return static_cast<long>(values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2);
}

bool WriteFile(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

int Run(const Options& options) {
  Report report;
  for (const std::wstring& library : options.preload) {
    if (::LoadLibraryW(library.c_str()) == nullptr)
      report.Add("preload." + WideToUtf8(library), HRESULT_FROM_WIN32(::GetLastError()));
  }
  const std::vector<std::wstring> progIds = AddInsToLoad();
  for (const std::wstring& progId : progIds) report.Add("addin", WideToUtf8(progId));

  HostWindow window(options.documentMap);
  HostApplicationObject application(options.name, options.window ? &window : nullptr, options.version,
                                    options.language);
  std::string documents;
  Timings timings;

  for (int round = 1; round <= options.repeat; ++round) {
    std::string roundDocuments;
    std::vector<Loaded> loaded = LoadAll(progIds, options, &application, report, roundDocuments, timings);
    if (round == 1) {
      documents = std::move(roundDocuments);
      for (const Options::Step& step : options.steps) {
        switch (step.kind) {
          case Options::Step::Kind::Release:
            loaded.clear();
            ::CoFreeUnusedLibrariesEx(0, 0);
            report.Add("loaded_after_step_release", ::GetModuleHandleW(L"Tessivar.dll") != nullptr ? "1" : "0");
            break;
          case Options::Step::Kind::Pump: {
            std::string pointers;
            report.Add("pump", PumpMessages(step.pumpSeconds, pointers));
            report.Add("pointers", pointers);
            break;
          }
          case Options::Step::Kind::Disconnect:
            for (const Loaded& addIn : loaded) report.Add("disconnect", Disconnect(addIn.addIn.Get()));
            break;
          case Options::Step::Kind::Uninitialize:
            // COM may unload every library now, whatever DllCanUnloadNow says. A posted message
            // makes the next pump run any hook that is still installed.
            loaded.clear();
            ::CoUninitialize();
            comInitialized = false;
            ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
            report.Add("loaded_after_uninitialize", ::GetModuleHandleW(L"Tessivar.dll") != nullptr ? "1" : "0");
            break;
          case Options::Step::Kind::Click:
            for (const Loaded& addIn : loaded) {
              report.Add("click." + WideToUtf8(step.click), Click(addIn.addIn.Get(), step.click, options.nullControl));
            }
            break;
        }
      }
    }
    loaded.clear();
    // As PowerPoint does after releasing add-ins: libraries that agree are unloaded.
    ::CoFreeUnusedLibrariesEx(0, 0);
  }

  report.Add("about_windows", std::to_string(quillmere::test::AboutWindowCount()));
  report.Add("documentmap", window.DocumentMap() ? "1" : "0");
  report.Add("documentmap_writes", std::to_string(window.Writes()));
  report.Add("application_references", std::to_string(application.ForeignReferences()));
  report.Add("language_settings_references", std::to_string(application.LanguageSettingsReferences()));
  report.Add("window_references", std::to_string(window.ForeignReferences()));
  report.Add("loaded_after_release", ::GetModuleHandleW(L"Tessivar.dll") != nullptr ? "1" : "0");
  if (!timings.total.empty()) {
    std::string list;
    for (double value : timings.total) {
      if (!list.empty()) list += ' ';
      list += std::to_string(static_cast<long>(value));
    }
    report.Add("create_to_document_us", list);
    report.Add("median_us", std::to_string(Median(timings.total)));
    report.Add("median_create_us", std::to_string(Median(timings.create)));
    report.Add("median_connect_us", std::to_string(Median(timings.connect)));
    report.Add("median_getcustomui_us", std::to_string(Median(timings.ask)));
  }

  bool written = WriteFile(options.output, documents);
  if (!options.report.empty()) written = report.WriteTo(options.report) && written;
  if (!written) return 1;
  if (progIds.empty()) return 3;
  return report.Failed() ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  auto options = ParseOptions(argc, argv);
  if (!options) {
    std::fputws(kUsage, stderr);
    return 2;
  }
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  comInitialized = true;
  int status = Run(*options);
  if (comInitialized) ::CoUninitialize();
  return status;
}
