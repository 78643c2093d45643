// ribbon-xml: prints the Classic tab's customUI document exactly as the add-in hands it to
// PowerPoint, for settings given on the command line or read from the user's store.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "addin/assembly_error.h"
#include "addin/host_application.h"
#include "addin/ribbon_assembler.h"
#include "common/file_settings_store.h"
#include "common/memory_settings_store.h"

namespace {

constexpr std::string_view kUsage =
    "usage: ribbon-xml [--host NAME] [--host-version V] [--ui-language LCID] [KEY=VALUE ...]\n"
    "       ribbon-xml [--host NAME] [--host-version V] [--ui-language LCID] --store\n"
    "Prints the customUI document for a store holding exactly the given values\n"
    "(or, with --store, the user's own settings). NAME defaults to\n"
    "\"Microsoft Office PowerPoint\"; V is the host's Version (\"12.0\" 2007 to\n"
    "\"16.0\" 2016 and later), by default none, which gives the 2007 document.\n"
    "LCID is the host's user-interface language id, decimal or 0x hexadecimal\n"
    "(1031 or 0x0407: German); by default none, which gives the English document.\n";

// A language id as Windows writes it: decimal, or hexadecimal after "0x". Nothing else.
std::optional<std::uint32_t> ParseLanguageId(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int Usage(std::string_view problem) {
  std::cerr << "ribbon-xml: " << problem << '\n' << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string hostName = "Microsoft Office PowerPoint";
  std::optional<std::string> hostVersion;
  std::optional<std::uint32_t> uiLanguage;
  bool useStore = false;
  quillmere::MemorySettingsStore given;
  bool anyGiven = false;

  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--host") {
      if (++i == argc) return Usage("--host needs a name");
      hostName = argv[i];
    } else if (argument == "--host-version") {
      if (++i == argc) return Usage("--host-version needs a version");
      hostVersion = argv[i];
    } else if (argument == "--ui-language") {
      if (++i == argc) return Usage("--ui-language needs a language id");
      uiLanguage = ParseLanguageId(argv[i]);
      if (!uiLanguage) return Usage("\"" + std::string(argv[i]) + "\" is not a language id");
    } else if (argument == "--store") {
      useStore = true;
    } else if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (auto equals = argument.find('='); equals != std::string_view::npos && equals > 0) {
      given.Write(argument.substr(0, equals), argument.substr(equals + 1));
      anyGiven = true;
    } else {
      return Usage("unexpected argument \"" + std::string(argument) + "\"");
    }
  }
  if (useStore && anyGiven) return Usage("--store takes no KEY=VALUE arguments");

  try {
    quillmere::FixedHost host(hostName, hostVersion, uiLanguage);
    quillmere::RibbonAssembler assembler;
    // The user's own settings, with no policy: this machine has no Group Policy.
    const auto store = useStore ? std::optional(quillmere::FileSettingsStore::ForCurrentUser()) : std::nullopt;
    const quillmere::SettingsStore& source = store ? *store : static_cast<const quillmere::SettingsStore&>(given);
    const std::string_view document = assembler.GetRibbonXML(&host, quillmere::SettingsSnapshot(source)).markup;
    // A short write (a full disk, a closed pipe) must not pass for a printed document. An empty
    // document has no data pointer, which fwrite must not be given.
    const bool written =
        document.empty() || std::fwrite(document.data(), 1, document.size(), stdout) == document.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
  } catch (const quillmere::AssemblyError& error) {
    std::cerr << "ribbon-xml: " << error.what() << '\n';
    return 1;
  }
}
