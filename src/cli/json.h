#pragma once
// A small ordered JSON value for the command-line tool's output.
#include <string>
#include <utility>
#include <vector>

namespace veltrane::cli {

class Json {
 public:
  static Json Object();
  static Json Array();
  static Json Null();
  static Json Number(double v);  // a NaN or infinity is written as null
  static Json String(std::string v);
  static Json Bool(bool v);

  // Object member, kept in insertion order.
  Json& Set(const std::string& key, Json value);
  Json& Set(const std::string& key, double value) { return Set(key, Number(value)); }
  Json& Set(const std::string& key, const char* value) { return Set(key, String(value)); }
  Json& Set(const std::string& key, const std::string& value) { return Set(key, String(value)); }
  Json& Push(Json value);
  std::string Dump() const;

 private:
  enum class Kind { Null, Number, String, Bool, Object, Array };
  Kind kind_ = Kind::Null;
  double number_ = 0.0;
  std::string text_;
  bool flag_ = false;
  std::vector<std::pair<std::string, Json>> members_;
  std::vector<Json> items_;
};

}  // namespace veltrane::cli
