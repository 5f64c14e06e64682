#pragma once
// A fresh folder for one test, removed afterwards; paths end with '/'.
#include <QTemporaryDir>
#include <string>

namespace veltrane::test {

class TempFolder {
 public:
  TempFolder() { dir_.setAutoRemove(true); }
  std::string Path() const { return dir_.path().toStdString() + "/"; }
  std::string File(const std::string& name) const { return Path() + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace veltrane::test
