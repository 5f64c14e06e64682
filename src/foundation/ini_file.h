#pragma once
// An INI file opened for one use: read with a default, write, then commit atomically.
// Sections and keys are case-insensitive; values are plain text after "key=".
#include <memory>
#include <string>

namespace veltrane {

class IniFile {
 public:
  // A missing, unreadable or malformed file reads as empty (a damaged one keeps the lines that
  // read); a file that could not be read whole is kept as "<name>.bad" by the first Commit.
  explicit IniFile(std::string path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  std::string Read(const std::string& section, const std::string& key, const std::string& def) const;
  void Write(const std::string& section, const std::string& key, const std::string& value);
  // Writes the file when something was written; false when it could not be saved.
  bool Commit();
  const std::string& Path() const { return path_; }
  // The name the unreadable file was kept under by the last Commit; empty when none was kept.
  const std::string& KeptCopy() const { return keptCopy_; }
  // Whether the file on disk is still the one this object read or saved last.
  bool MatchesDisk() const;

 private:
  struct Impl;
  bool KeepUnreadableFile();
  std::string path_;
  std::string keptCopy_;
  std::string stamp_;  // identity, size and times of the file read or saved last
  std::unique_ptr<Impl> impl_;
  bool dirty_ = false;
};

// The file at a path as this process last read or saved it, shared by every use: read again
// only when the file on disk has changed since, so a large file is parsed once, not at every use.
std::shared_ptr<IniFile> SharedIniFile(const std::string& path);

}  // namespace veltrane
