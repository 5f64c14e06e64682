#pragma once
// The tool's output value: an ordered JSON object kept by nlohmann/json, printed in the tool's
// one-line form ({"key": value, ...}), numbers in their shortest exact form, a NaN or an
// infinity as null and -0 as 0.
#include <string>

#include <nlohmann/json.hpp>

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
  explicit Json(nlohmann::ordered_json value) : value_(std::move(value)) {}
  nlohmann::ordered_json value_;
};

}  // namespace veltrane::cli
