// The compact JSON writer.
#include "json.h"

#include <cmath>
#include <cstdio>

namespace vantrel::cli {

std::string JsonQuote(std::string_view text) {
  std::string out = "\"";
  for (unsigned char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  out += '"';
  return out;
}

void Json::Separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (need_comma_) out_ += ", ";
}

Json& Json::Open(char bracket) {
  Separate();
  out_ += bracket;
  need_comma_ = false;
  return *this;
}

Json& Json::Close(char bracket) {
  out_ += bracket;
  need_comma_ = true;
  return *this;
}

Json& Json::Key(std::string_view key) {
  Separate();
  out_ += JsonQuote(key);
  out_ += ": ";
  after_key_ = true;
  return *this;
}

Json& Json::Element(std::string_view text) {
  Separate();
  out_ += text;
  need_comma_ = true;
  return *this;
}

Json& Json::Value(std::string_view text) { return Element(JsonQuote(text)); }
Json& Json::Value(long long number) { return Element(std::to_string(number)); }
Json& Json::Value(unsigned long long number) { return Element(std::to_string(number)); }
Json& Json::Value(bool flag) { return Element(flag ? "true" : "false"); }

Json& Json::Value(double number) {
  if (!std::isfinite(number)) return Element("null");
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", number);
  return Element(buf);
}

Json& Json::Newline() {
  if (need_comma_) {
    out_ += ",\n  ";
    need_comma_ = false;
  } else {
    out_ += "\n  ";
  }
  return *this;
}

}  // namespace vantrel::cli
