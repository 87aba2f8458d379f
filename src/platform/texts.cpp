// The translation hook and the filling of patterns.
#include "platform/texts.h"

#include <utility>

namespace vantrel::platform {
namespace {

Translator& Hook() {
  static Translator hook;
  return hook;
}

std::optional<std::string> Translated(const Text& text, int count) {
  if (!Hook()) return std::nullopt;
  return Hook()(text, count);
}

// "%n win(s)": the English singular leaves out the parenthesised ending, the plural keeps it.
std::string EnglishForm(std::string_view english, int count) {
  std::string form;
  bool inside = false;
  for (const char c : english) {
    if (c == '(' || c == ')') {
      inside = c == '(';
      continue;
    }
    if (!inside || count != 1) form += c;
  }
  return form;
}

// Replaces %1..%9 by the arguments and, for a plural, %n by the count, in one pass.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args,
                 std::optional<int> count) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < args.size()) {
      text += *(args.begin() + (next - '1'));
      ++i;
    } else if (pattern[i] == '%' && next == 'n' && count) {
      text += std::to_string(*count);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace

void SetTranslator(Translator translator) { Hook() = std::move(translator); }

std::string Tr(const Text& text, std::initializer_list<std::string_view> args) {
  const std::optional<std::string> translated = Translated(text, -1);
  return Fill(translated ? *translated : std::string_view(text.english), args, std::nullopt);
}

std::string TrPlural(const Text& text, int count) {
  const std::optional<std::string> translated = Translated(text, count);
  return Fill(translated ? *translated : EnglishForm(text.english, count), {}, count);
}

}  // namespace vantrel::platform
