#include "greatcircle/file_backup.h"

#include <cstdio>

#include "foundation/text_file.h"

namespace veltrane {

std::string BackupName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.find('.', nameStart);
  if (dot == std::string::npos) return path + ".~";
  return path.substr(0, dot) + ".~" + path.substr(dot + 1);
}

bool SaveWithBackup(const std::string& path, const std::string& text) {
  if (FileExists(path)) {
    const auto old = ReadFileBytes(path);
    if (!old || !WriteFileAtomically(BackupName(path), *old)) return false;
  }
  return WriteFileAtomically(path, text);
}

RestoreResult RestoreBackup(const std::string& path) {
  const std::string backup = BackupName(path);
  if (!FileExists(backup)) return RestoreResult::NoBackup;
  // rename() replaces the file in one step.
  return std::rename(backup.c_str(), path.c_str()) == 0 ? RestoreResult::Restored : RestoreResult::Failed;
}

}  // namespace veltrane
