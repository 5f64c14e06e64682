#include "foundation/ini_file.h"

#define SI_NO_CONVERSION  // UTF-8 text in, UTF-8 text out
#include <SimpleIni.h>

#include "foundation/text_file.h"

namespace veltrane {

struct IniFile::Impl {
  CSimpleIniA ini{true, false, false};  // UTF-8, single keys, no multi-line values
};

namespace {
// Lines longer than this are not settings but damage; they are dropped on reading.
constexpr size_t kMaxLine = 4096;

std::string DropLongLines(const std::string& text) {
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end - start <= kMaxLine && text.find('\0', start) >= end) out.append(text, start, end - start).push_back('\n');
    start = end + 1;
  }
  return out;
}
}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
  impl_->ini.SetSpaces(false);
  if (const auto text = ReadTextFile(path_)) {
    const std::string clean = DropLongLines(*text);
    if (impl_->ini.LoadData(clean.data(), clean.size()) < 0) impl_->ini.Reset();
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

bool IniFile::Commit() {
  if (!dirty_) return true;
  std::string data;
  if (impl_->ini.Save(data) < 0) return false;
  if (!WriteFileAtomically(path_, data)) return false;
  dirty_ = false;
  return true;
}

}  // namespace veltrane
