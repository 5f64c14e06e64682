#pragma once
// The editor's "&Save" keeps the previous contents in a backup file beside the file
// (BackupName), and "C&ancel save" brings them back. Every write is atomic, so the file and
// its backup are never lost half-way.
#include <string>

namespace veltrane {

// Backup of a file: the name's first "." becomes ".~" ("Position.txt" -> "Position.~txt").
// Only the file name is looked at, never the folders.
std::string BackupName(const std::string& path);

// Copies the file (when it exists) to its backup, then writes `text` to it.
bool SaveWithBackup(const std::string& path, const std::string& text);

enum class RestoreResult { NoBackup, Restored, Failed };
// Puts the backup back in place of the file; the backup is then gone.
RestoreResult RestoreBackup(const std::string& path);

}  // namespace veltrane
