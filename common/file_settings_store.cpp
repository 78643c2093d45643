#include "file_settings_store.h"

#include <cstdlib>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

namespace quillmere {
namespace {

using Entry = std::pair<std::string, std::string>;

std::string Escape(std::string_view text, bool isKey) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\n': escaped += "\\n"; break;
      case '\r': escaped += "\\r"; break;
      case '=': escaped += isKey ? "\\=" : "="; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// Splits one stored line at its first unescaped "=" and undoes the escapes.
std::optional<Entry> ParseLine(std::string_view line) {
  Entry entry;
  std::string* target = &entry.first;
  bool sawSeparator = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\\' && i + 1 < line.size()) {
      char next = line[++i];
      *target += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else if (c == '=' && !sawSeparator) {
      sawSeparator = true;
      target = &entry.second;
    } else {
      *target += c;
    }
  }
  if (!sawSeparator) return std::nullopt;
  return entry;
}

std::vector<Entry> Load(const std::filesystem::path& file) {
  std::vector<Entry> entries;
  std::error_code error;
  auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return entries;  // every key absent
  if (error || status.type() != std::filesystem::file_type::regular) {
    throw SettingsStoreError("cannot read the settings file " + file.string());
  }
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (in && std::getline(in, line)) {
    if (auto entry = ParseLine(line)) entries.push_back(std::move(*entry));
  }
  if (in.bad() || (!in.eof() && in.fail())) {
    throw SettingsStoreError("cannot read the settings file " + file.string());
  }
  return entries;
}

}  // namespace

FileSettingsStore::FileSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

FileSettingsStore FileSettingsStore::ForCurrentUser() {
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    config = std::filesystem::path(home) / ".config";
  } else {
    config = ".config";
  }
  return FileSettingsStore(config / std::string(kSettingsApplication) / (std::string(kSettingsSection) + ".conf"));
}

std::optional<std::string> FileSettingsStore::Read(std::string_view key) const {
  // The last line for a key wins, as after a hand edit that appended a line.
  std::optional<std::string> value;
  for (auto& [storedKey, storedValue] : Load(file_)) {
    if (KeysEqual(storedKey, key)) value = std::move(storedValue);
  }
  return value;
}

void FileSettingsStore::Write(std::string_view key, std::string_view value) {
  std::vector<Entry> entries = Load(file_);
  bool replaced = false;
  for (auto& [storedKey, storedValue] : entries) {
    if (KeysEqual(storedKey, key)) {
      storedValue.assign(value);
      replaced = true;
    }
  }
  if (!replaced) entries.emplace_back(std::string(key), std::string(value));

  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error) throw SettingsStoreError("cannot create " + file_.parent_path().string());

  // Write a sibling file and rename it over the old one, so a reader never sees half a file.
  std::filesystem::path temporary = file_;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const auto& [storedKey, storedValue] : entries) {
      out << Escape(storedKey, true) << '=' << Escape(storedValue, false) << '\n';
    }
    out.flush();
    if (!out) throw SettingsStoreError("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, file_, error);
  if (error) throw SettingsStoreError("cannot replace " + file_.string());
}

}  // namespace quillmere
