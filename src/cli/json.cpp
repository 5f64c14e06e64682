#include "cli/json.h"

#include <cmath>

namespace veltrane::cli {
namespace {

using nlohmann::ordered_json;

// Text that is not UTF-8 (a file name, an argument) is printed with replacement characters
// rather than failing the whole answer.
std::string Scalar(const ordered_json& v) {
  return v.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

void Write(const ordered_json& v, std::string& out) {
  if (v.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& [key, member] : v.items()) {
      if (!first) out += ", ";
      first = false;
      out += Scalar(ordered_json(key)) + ": ";
      Write(member, out);
    }
    out += '}';
  } else if (v.is_array()) {
    out += '[';
    for (size_t i = 0; i < v.size(); ++i) {
      if (i) out += ", ";
      Write(v[i], out);
    }
    out += ']';
  } else {
    out += Scalar(v);
  }
}

}  // namespace

Json Json::Object() { return Json(ordered_json::object()); }
Json Json::Array() { return Json(ordered_json::array()); }
Json Json::Null() { return Json(nullptr); }

Json Json::Number(double v) {
  if (!std::isfinite(v)) return Null();
  // Whole numbers print without a decimal point ("2451545", "0", never "-0").
  if (v == std::trunc(v) && std::fabs(v) < 9007199254740992.0) return Json(static_cast<std::int64_t>(v));
  return Json(v);
}

Json Json::String(std::string v) { return Json(std::move(v)); }
Json Json::Bool(bool v) { return Json(v); }

Json& Json::Set(const std::string& key, Json value) {
  value_[key] = std::move(value.value_);
  return *this;
}

Json& Json::Push(Json value) {
  value_.push_back(std::move(value.value_));
  return *this;
}

std::string Json::Dump() const {
  std::string out;
  Write(value_, out);
  return out;
}

}  // namespace veltrane::cli
