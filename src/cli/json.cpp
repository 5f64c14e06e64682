#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace veltrane::cli {
namespace {

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char ch : s) {
    const unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

}  // namespace

Json Json::Object() { Json j; j.kind_ = Kind::Object; return j; }
Json Json::Array() { Json j; j.kind_ = Kind::Array; return j; }
Json Json::Null() { return Json(); }

Json Json::Number(double v) {
  Json j;
  if (std::isfinite(v)) {
    j.kind_ = Kind::Number;
    j.number_ = v == 0.0 ? 0.0 : v;  // no "-0"
  }
  return j;
}

Json Json::String(std::string v) { Json j; j.kind_ = Kind::String; j.text_ = std::move(v); return j; }
Json Json::Bool(bool v) { Json j; j.kind_ = Kind::Bool; j.flag_ = v; return j; }

Json& Json::Set(const std::string& key, Json value) {
  for (auto& m : members_)
    if (m.first == key) {
      m.second = std::move(value);
      return *this;
    }
  members_.emplace_back(key, std::move(value));
  return *this;
}

Json& Json::Push(Json value) {
  items_.push_back(std::move(value));
  return *this;
}

std::string Json::Dump() const {
  switch (kind_) {
    case Kind::Null: return "null";
    case Kind::Bool: return flag_ ? "true" : "false";
    case Kind::String: return Quote(text_);
    case Kind::Number: {
      char buf[32];
      const auto r = std::to_chars(buf, buf + sizeof buf, number_);
      return std::string(buf, r.ptr);
    }
    case Kind::Object: {
      std::string out = "{";
      for (size_t i = 0; i < members_.size(); ++i) {
        if (i) out += ", ";
        out += Quote(members_[i].first) + ": " + members_[i].second.Dump();
      }
      return out + "}";
    }
    case Kind::Array: {
      std::string out = "[";
      for (size_t i = 0; i < items_.size(); ++i) {
        if (i) out += ", ";
        out += items_[i].Dump();
      }
      return out + "]";
    }
  }
  return "null";
}

}  // namespace veltrane::cli
