// Feeds arbitrary stored settings and host names to the document assembly.
//
// Input, split at line feeds: the first line is the host's Name ("\x01" alone: a host that
// cannot answer; no input at all: no host), optionally followed by a tab and the decimal id of
// the host's user-interface language. Every further line "KEY=TEXT" stores TEXT under
// KEY; a line "KEY" without "=" makes that key unreadable. Every outcome must be one the
// add-in may hand to PowerPoint: a failure naming the key, empty text, or a well-formed
// document whose ids are unique and numbered from 1 without gaps.

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "addin/assembly_error.h"
#include "addin/ribbon_assembler.h"
#include "common/memory_settings_store.h"
#include "common/setting_conversion.h"
#include "common/settings_snapshot.h"
#include "common/settings_table.h"

namespace quillmere {
namespace {

[[noreturn]] void Fail(const std::string& what, std::string_view document = {}) {
  std::fprintf(stderr, "ribbon document fuzzer: %s\n%.*s\n", what.c_str(), static_cast<int>(document.size()),
               document.data());
  std::abort();
}

void Require(bool condition, const std::string& what, std::string_view document = {}) {
  if (!condition) Fail(what, document);
}

// A store in which some keys exist but cannot be read.
class FuzzStore final : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view key) const override {
    for (const std::string& broken : unreadable_) {
      if (KeysEqual(broken, key)) throw SettingsStoreError("access denied");
    }
    return values_.Read(key);
  }
  void Write(std::string_view key, std::string_view value) override { values_.Write(key, value); }
  void MakeUnreadable(std::string_view key) { unreadable_.emplace_back(key); }

 private:
  MemorySettingsStore values_;
  std::vector<std::string> unreadable_;
};

struct Scenario {
  bool hasHost = false;
  std::optional<std::string> hostName;
  std::optional<std::uint32_t> uiLanguage;
  FuzzStore store;
};

void Parse(std::string_view input, Scenario& scenario) {
  if (input.empty()) return;
  scenario.hasHost = true;
  std::size_t end = input.find('\n');
  std::string_view first = input.substr(0, end);
  if (const auto tab = first.find('\t'); tab != std::string_view::npos) {
    std::uint32_t id = 0;
    const std::string_view digits = first.substr(tab + 1);
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (error == std::errc() && stop == digits.data() + digits.size()) scenario.uiLanguage = id;
    first = first.substr(0, tab);
  }
  if (first != "\x01") scenario.hostName = std::string(first);
  while (end != std::string_view::npos) {
    input.remove_prefix(end + 1);
    end = input.find('\n');
    std::string_view line = input.substr(0, end);
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      scenario.store.MakeUnreadable(line);
    } else {
      scenario.store.Write(line.substr(0, equals), line.substr(equals + 1));
    }
  }
}

bool IsBoxKey(std::string_view key) {
  for (const Setting& known : kSettings) {
    if (key == known.key) return true;
  }
  return false;
}

// Each kind of generated id counts 1, 2, 3 ... in document order, written without leading zeros.
class IdSequences {
 public:
  void Check(std::string_view id, std::string_view document) {
    for (auto& [prefix, suffix, last] : kinds_) {
      if (!id.starts_with(prefix) || !id.ends_with(suffix)) continue;
      std::string_view number = id.substr(prefix.size(), id.size() - prefix.size() - suffix.size());
      Require(
          !number.empty() && number.front() != '0' && number.find_first_not_of("0123456789") == std::string_view::npos,
          "generated id without a proper number: " + std::string(id), document);
      Require(std::stol(std::string(number)) == last + 1, "generated id out of sequence: " + std::string(id), document);
      ++last;
      return;
    }
  }

 private:
  struct Kind {
    std::string_view prefix;
    std::string_view suffix;
    long last;
  };
  Kind kinds_[4] = {{"btnGr00", "", 0}, {"sep00", "", 0}, {"msep00", "d", 0}, {"BR3234", "", 0}};
};

struct DocumentFacts {
  std::set<std::string> ids;
  IdSequences sequences;
  int hiddenTabs = 0;
  int menuBarGaps = 0;    // narrow spacers between the menus of the first row
  int allMenuGaps = 0;    // wide spacers in the first row, after the "All" drop-down
  int namedCommands = 0;  // host commands that carry a label or tip of ours
  bool startFromScratch = false;
  bool insertBeforeHome = false;
};

std::string Attribute(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

bool HasAttribute(xmlNode* node, const char* name) {
  return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
}

void Walk(xmlNode* node, DocumentFacts& facts, std::string_view document) {
  for (; node != nullptr; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    std::string_view name = reinterpret_cast<const char*>(node->name);
    if (HasAttribute(node, "id")) {
      std::string id = Attribute(node, "id");
      Require(facts.ids.insert(id).second, "duplicate id " + id, document);
      facts.sequences.Check(id, document);
    }
    if (name == "button" && Attribute(node, "enabled") == "false" && node->parent != nullptr &&
        Attribute(node->parent, "id") == "boxNew1") {
      std::string label = Attribute(node, "label");
      if (label == " ") ++facts.menuBarGaps;
      if (label == "  ") ++facts.allMenuGaps;
    }
    if (HasAttribute(node, "idMso") &&
        (HasAttribute(node, "label") || HasAttribute(node, "screentip") || HasAttribute(node, "supertip"))) {
      ++facts.namedCommands;
    }
    if (name == "menu") {
      Require(Attribute(node, "tag") == Attribute(node, "id"), "menu tag differs from its id", document);
    }
    if (name == "tab" && HasAttribute(node, "idMso")) {
      Require(Attribute(node, "visible") == "false", "built-in tab named but not hidden", document);
      ++facts.hiddenTabs;
    }
    if (name == "tab" && Attribute(node, "id") == "Menus") {
      facts.insertBeforeHome = Attribute(node, "insertBeforeMso") == "TabHome";
    }
    if (name == "ribbon") facts.startFromScratch = Attribute(node, "startFromScratch") == "true";
    Walk(node->children, facts, document);
  }
}

// What the checks read of a setting; an unreadable key is no number.
std::optional<std::string> StoredText(const FuzzStore& store, std::string_view key, int defaultValue) {
  try {
    return store.Read(key).value_or(std::to_string(defaultValue));
  } catch (const SettingsStoreError&) {
    return std::nullopt;
  }
}

std::optional<std::int32_t> StoredWhole(const FuzzStore& store, std::string_view key, int defaultValue) {
  auto text = StoredText(store, key, defaultValue);
  return text ? ToInt32(*text) : std::nullopt;
}

std::optional<double> StoredDouble(const FuzzStore& store, std::string_view key) {
  auto text = StoredText(store, key, 0);
  return text ? ToDouble(*text) : std::nullopt;
}

void CheckDocument(std::string_view document, const FuzzStore& store, bool translated) {
  xmlDoc* parsed = xmlReadMemory(document.data(), static_cast<int>(document.size()), "ribbon.xml", "UTF-8",
                                 XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  Require(parsed != nullptr, "document is not well-formed", document);
  xmlNode* root = xmlDocGetRootElement(parsed);
  Require(root != nullptr && std::string_view(reinterpret_cast<const char*>(root->name)) == "customUI" &&
              root->ns != nullptr &&
              std::string_view(reinterpret_cast<const char*>(root->ns->href)) == kCustomUiNamespace,
          "root is not customUI in the RibbonX namespace", document);
  DocumentFacts facts;
  Walk(root, facts, document);
  xmlFreeDoc(parsed);

  // A translated document leaves the host's commands to the host's own names.
  Require(!translated || facts.namedCommands == 0, "a host command carries our text in a translation", document);
  Require(translated || facts.namedCommands > 0, "the English document lost its command labels", document);

  // What the settings decide, checked against the settings themselves.
  Require(facts.insertBeforeHome == (StoredWhole(store, "Left", 1) == 1), "Classic tab placed wrongly", document);
  const bool all = StoredWhole(store, "All", 1) == 1;
  Require(facts.ids.contains("BR32341") && (facts.ids.count("sep001") == 1), "first menu or spacer missing", document);
  Require(all == facts.ids.contains("Alld242242"), "\"All\" copy present wrongly", document);
  Require(facts.allMenuGaps == (all ? 1 : 0), "gap after \"All\" missing or extra", document);
  Require(facts.menuBarGaps == 8, "the menu bar needs a gap between each two of its nine menus", document);
  const bool hiding = StoredWhole(store, "Hide built-in Tabs", 0) == 1;
  Require(hiding || (facts.hiddenTabs == 0 && !facts.startFromScratch), "tabs hidden while hiding is off", document);
  Require(!(facts.startFromScratch && facts.hiddenTabs > 0), "start from scratch and hidden tabs", document);
  int exactlyOne = 0;
  for (std::string_view key :
       {"Home", "Insert", "Design", "Animations", "Slide Show", "Review", "View", "Developer", "Format"}) {
    if (StoredDouble(store, key) == 1.0) ++exactlyOne;
  }
  if (hiding && !facts.startFromScratch) {
    Require(facts.hiddenTabs == exactlyOne, "hidden tabs differ from the keys that are exactly 1", document);
  }
}

void CheckFailure(const AssemblyError& error, const Scenario& scenario) {
  using Reason = AssemblyError::Reason;
  switch (error.GetReason()) {
    case Reason::NoHost: Require(!scenario.hasHost, "no-host failure with a host"); return;
    case Reason::HostFailed:
      Require(scenario.hasHost && !scenario.hostName, "host failure from a host that answered");
      return;
    case Reason::NotANumber: {
      Require(IsBoxKey(error.Key()), "failure names no setting: \"" + error.Key() + "\"");
      std::string stored = StoredText(scenario.store, error.Key(), 0).value_or("");
      Require(stored == error.StoredText(), "failure quotes other text than the stored one");
      Require(!ToInt32(stored) || !ToDouble(stored), "a number was reported as not a number: " + stored);
      return;
    }
    case Reason::StoreFailed:
      Require(IsBoxKey(error.Key()), "failure names no setting: \"" + error.Key() + "\"");
      try {
        scenario.store.Read(error.Key());
      } catch (const SettingsStoreError&) {
        return;
      }
      Fail("a readable key was reported unreadable: " + error.Key());
    case Reason::Overflow: Require(IsBoxKey(error.Key()), "overflow names no setting: \"" + error.Key() + "\""); return;
  }
  Fail("unknown failure reason");
}

// The outcome of one assembly, comparable between assemblers.
struct Outcome {
  std::optional<std::string> document;
  std::optional<AssemblyError::Reason> reason;
  std::string key;
  bool operator==(const Outcome&) const = default;
};

Outcome Assemble(RibbonAssembler& assembler, const Scenario& scenario) {
  FixedHost host(scenario.hostName, std::nullopt, scenario.uiLanguage);
  try {
    const SettingsSnapshot settings(scenario.store);
    return {std::string(assembler.GetRibbonXML(scenario.hasHost ? &host : nullptr, settings).markup), {}, {}};
  } catch (const AssemblyError& error) {
    CheckFailure(error, scenario);
    return {{}, error.GetReason(), error.Key()};
  }
}

}  // namespace
}  // namespace quillmere

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmere;
  Scenario scenario;
  Parse(std::string_view(reinterpret_cast<const char*>(data), size), scenario);

  // One long-lived assembler, as in the add-in, must answer exactly as a fresh one.
  static RibbonAssembler reused;
  RibbonAssembler fresh;
  Outcome first = Assemble(fresh, scenario);
  Outcome again = Assemble(reused, scenario);
  Require(first == again, "a reused assembler answered differently", first.document.value_or(""));

  const bool translated = scenario.uiLanguage && LanguageOfLcid(*scenario.uiLanguage) != UiLanguage::English;
  if (first.document && !first.document->empty()) CheckDocument(*first.document, scenario.store, translated);
  if (first.document && first.document->empty()) {
    const bool powerPoint = scenario.hostName && scenario.hostName->find("PowerPoint") != std::string::npos;
    Require(!powerPoint || StoredWhole(scenario.store, "Classic", 1) == 0, "empty text although the tab is wanted");
  }
  return 0;
}
