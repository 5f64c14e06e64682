#pragma once
// Reading and writing the program's files. Every write goes to a temporary file in the same
// folder that is then renamed over the old one, so a crash never leaves half a file.
#include <optional>
#include <string>
#include <vector>

namespace veltrane {

// Whole file as bytes; nothing when it cannot be read. Files larger than maxBytes are refused.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes = 64u << 20);
// Text file as UTF-8: a file that is not valid UTF-8 is read as Windows-1252. A BOM is dropped.
std::optional<std::string> ReadTextFile(const std::string& path);
// Lines of a text file without their line ends.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);
// Writes through a symbolic link to its target, keeps the old file's permissions, and has the
// new contents and the folder entry on disk before it returns true.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

enum class InstallResult { Installed, Present, Failed };
// Copies the source to the target only when the target is missing, atomically: the target
// appears whole or not at all, and a file already there is never replaced. The contents are on
// disk before the name appears; the name itself may be lost in a crash (and installed again).
InstallResult InstallMissingFile(const std::string& source, const std::string& target);

bool IsValidUtf8(const std::string& bytes);
std::string Windows1252ToUtf8(const std::string& bytes);
bool FileExists(const std::string& path);

}  // namespace veltrane
