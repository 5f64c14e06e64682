#include "foundation/ini_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

#define SI_NO_CONVERSION  // UTF-8 text in, UTF-8 text out
#include <SimpleIni.h>

#include "foundation/text_file.h"

namespace veltrane {

struct IniFile::Impl {
  CSimpleIniA ini{true, false, false};  // UTF-8, single keys, no multi-line values
  // The file found at the path when it could not be read whole (device, inode): it is kept as
  // "<name>.bad" before anything is written over it.
  bool unreadable = false;
  dev_t device = 0;
  ino_t inode = 0;
};

namespace {
// Lines longer than this are not settings but damage; they are dropped on reading.
constexpr size_t kMaxLine = 4096;

struct CleanText {
  std::string text;
  bool dropped = false;
};

// One pass over the text: each line is looked at once, whatever the file's size.
CleanText DropDamagedLines(const std::string& text) {
  CleanText out;
  out.text.reserve(text.size());
  size_t start = 0;
  while (start < text.size()) {
    const char* line = text.data() + start;
    const void* nl = std::memchr(line, '\n', text.size() - start);
    const size_t end = nl ? static_cast<size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
    const size_t length = end - start;
    if (length <= kMaxLine && !std::memchr(line, '\0', length))
      out.text.append(line, length).push_back('\n');
    else
      out.dropped = true;
    start = end + 1;
  }
  return out;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

std::string StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return "missing";
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
         std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + ":" +
         std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec);
}
}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
  impl_->ini.SetSpaces(false);
  stamp_ = StampOf(path_);  // before reading: a change while reading shows at the next look
  struct stat found {};
  if (::stat(path_.c_str(), &found) != 0 || !S_ISREG(found.st_mode)) return;
  bool readWhole = false;
  if (const auto text = ReadTextFile(path_)) {
    const CleanText clean = DropDamagedLines(*text);
    if (impl_->ini.LoadData(clean.text.data(), clean.text.size()) < 0) {
      impl_->ini.Reset();
    } else {
      CSimpleIniA::TNamesDepend sections;
      impl_->ini.GetAllSections(sections);
      readWhole = !clean.dropped && (!sections.empty() || IsBlank(clean.text));
    }
  }
  if (!readWhole) {
    impl_->unreadable = true;
    impl_->device = found.st_dev;
    impl_->inode = found.st_ino;
  }
}

IniFile::~IniFile() = default;

std::string IniFile::Read(const std::string& section, const std::string& key, const std::string& def) const {
  const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return v ? std::string(v) : def;
}

void IniFile::Write(const std::string& section, const std::string& key, const std::string& value) {
  std::string v = value;  // a line break would cut the file's line in two
  for (char& c : v)
    if (c == '\n' || c == '\r') c = ' ';
  impl_->ini.SetValue(section.c_str(), key.c_str(), v.c_str());
  dirty_ = true;
}

bool IniFile::KeepUnreadableFile() {
  if (!impl_->unreadable) return true;
  struct stat now {};
  // Someone else has replaced it meanwhile: that file was read by them, not lost by us.
  const bool same = ::stat(path_.c_str(), &now) == 0 && now.st_dev == impl_->device && now.st_ino == impl_->inode;
  if (same && std::rename(path_.c_str(), (path_ + ".bad").c_str()) != 0) return false;
  if (same) keptCopy_ = path_ + ".bad";
  impl_->unreadable = false;
  return true;
}

bool IniFile::Commit() {
  keptCopy_.clear();
  if (!dirty_) return true;
  std::string data;
  if (impl_->ini.Save(data) < 0) return false;
  if (!KeepUnreadableFile()) return false;
  if (!WriteFileAtomically(path_, data)) return false;
  stamp_ = StampOf(path_);
  dirty_ = false;
  return true;
}

bool IniFile::MatchesDisk() const { return stamp_ == StampOf(path_); }

std::shared_ptr<IniFile> SharedIniFile(const std::string& path) {
  static std::mutex guard;
  static std::map<std::string, std::shared_ptr<IniFile>> files;
  const std::lock_guard<std::mutex> lock(guard);
  auto& file = files[path];
  if (!file || !file->MatchesDisk()) file = std::make_shared<IniFile>(path);
  if (files.size() > 16) {  // folders of finished runs (tests start many)
    std::erase_if(files, [&](const auto& entry) { return entry.first != path; });
  }
  return file;
}

}  // namespace veltrane
