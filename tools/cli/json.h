// A small writer of compact JSON for the command line's reports.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::cli {

class Json {
 public:
  Json& BeginObject() { return Open('{'); }
  Json& EndObject() { return Close('}'); }
  Json& BeginArray() { return Open('['); }
  Json& EndArray() { return Close(']'); }
  Json& Key(std::string_view key);
  Json& Value(std::string_view text);
  Json& Value(const char* text) { return Value(std::string_view(text)); }
  Json& Value(long long number);
  Json& Value(int number) { return Value(static_cast<long long>(number)); }
  Json& Value(unsigned long long number);
  Json& Value(double number);
  Json& Value(bool flag);
  // Starts a new line before the next element, so long arrays stay readable.
  Json& Newline();

  const std::string& str() const { return out_; }

 private:
  void Separate();
  Json& Open(char bracket);
  // One value as its text: after a comma where one is due.
  Json& Element(std::string_view text);
  Json& Close(char bracket);
  std::string out_;
  bool need_comma_ = false;
  bool after_key_ = false;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view text);

}  // namespace vantrel::cli
