#pragma once

#include <filesystem>

#include "settings_store.h"

namespace quillmere {

// The per-user store on machines without a registry: one text file per application and
// section, "<config>/Varnholt/Quillmere.conf", one "key=value" line per setting.
// Backslash escapes keep any key or value on one line: \\ \n \r and, in keys, \=.
class FileSettingsStore final : public SettingsStore {
 public:
  explicit FileSettingsStore(std::filesystem::path file);

  // The user's store: under $XDG_CONFIG_HOME, or ~/.config when that is not set.
  static FileSettingsStore ForCurrentUser();

  std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace quillmere
