#include "foundation/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace veltrane {
namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const auto size = fs::file_size(path, ec);
  if (ec || size > maxBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  if (bytes->rfind("\xEF\xBB\xBF", 0) == 0) bytes->erase(0, 3);
  if (!IsValidUtf8(*bytes)) return Windows1252ToUtf8(*bytes);
  return bytes;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  const auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  std::vector<std::string> lines;
  std::string cur;
  for (char c : *text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) {
    if (cur.back() == '\r') cur.pop_back();
    lines.push_back(cur);
  }
  return lines;
}

namespace {

// Where a write to this path lands: through symbolic links to their final target, so that a
// link the user made keeps pointing at the file that holds the data.
fs::path WriteTarget(const std::string& path) {
  fs::path p(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) break;
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return p;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void SyncFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The bytes in a new file beside the target, on disk, with the old file's permissions (or the
// user's default for a new file); its name, or nothing when it could not be written whole.
std::optional<std::string> WriteTemporary(const fs::path& target, const std::string& bytes) {
  static std::atomic<unsigned> counter{0};
  std::string tmp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tmp = target.string() + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return std::nullopt;
  }
  if (fd < 0) return std::nullopt;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok) {
    ::unlink(tmp.c_str());
    return std::nullopt;
  }
  return tmp;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const fs::path target = WriteTarget(path);
  const auto tmp = WriteTemporary(target, bytes);
  if (!tmp) return false;
  if (::rename(tmp->c_str(), target.c_str()) != 0) {
    ::unlink(tmp->c_str());
    return false;
  }
  SyncFolder(target);
  return true;
}

InstallResult InstallMissingFile(const std::string& source, const std::string& target) {
  const fs::path to = WriteTarget(target);
  std::error_code ec;
  if (fs::exists(to, ec) || fs::is_symlink(target, ec)) return InstallResult::Present;
  const auto bytes = ReadFileBytes(source);
  if (!bytes) return InstallResult::Failed;
  const auto tmp = WriteTemporary(to, *bytes);
  if (!tmp) return InstallResult::Failed;
  // link() refuses an existing name, so a file the user made meanwhile is never replaced.
  InstallResult result = InstallResult::Installed;
  if (::link(tmp->c_str(), to.c_str()) != 0) {
    const bool taken = errno == EEXIST || fs::exists(to, ec);
    // A file system without hard links gets the plain rename.
    if (taken || ::rename(tmp->c_str(), to.c_str()) != 0) result = taken ? InstallResult::Present : InstallResult::Failed;
  }
  // The new name is left for the system to write out: lost in a crash, the file is simply
  // installed again at the next start, and a first start waits on one disk flush less per file.
  ::unlink(tmp->c_str());
  return result;
}

bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = 0;
    if (c < 0x80)
      n = 0;
    else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
      n = 1;
    else if ((c & 0xF0) == 0xE0)
      n = 2;
    else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
      n = 3;
    else
      return false;
    for (size_t k = 1; k <= n; ++k) {
      if (i + k >= s.size()) return false;
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n + 1;
  }
  return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
  // 0x80..0x9F differ from Latin-1; undefined codes map to U+FFFD.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const unsigned cp = (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : c;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace veltrane
