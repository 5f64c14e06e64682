#pragma once
// An INI file opened for one use: read with a default, write, then commit atomically.
// Sections and keys are case-insensitive; values are plain text after "key=".
#include <memory>
#include <string>

namespace veltrane {

class IniFile {
 public:
  // A missing, unreadable or malformed file reads as empty.
  explicit IniFile(std::string path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  std::string Read(const std::string& section, const std::string& key, const std::string& def) const;
  void Write(const std::string& section, const std::string& key, const std::string& value);
  // Writes the file when something was written; false when it could not be saved.
  bool Commit();
  const std::string& Path() const { return path_; }

 private:
  struct Impl;
  std::string path_;
  std::unique_ptr<Impl> impl_;
  bool dirty_ = false;
};

}  // namespace veltrane
