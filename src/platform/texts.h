// The texts the player reads, written here in English and put into the player's language by one hook that the
// desktop game installs. Without the hook (vantrel-cli, the tests) every text is the English one.
//
// A text is marked where it is written, with its context, so that lupdate finds it: VANTREL_TEXT for a text
// (lupdate reads it as QT_TRANSLATE_NOOP), VANTREL_PLURAL for one with a count (QT_TRANSLATE_N_NOOP; the
// English says "%n win(s)": the parenthesised ending is left out for 1 and kept for any other count).
// Texts with numbers are patterns ("Number of Moves: %1"), filled in after the translation, so that a
// translator translates the pattern, never a finished sentence. The contexts are named for what the player
// sees ("Menu", "Messages", "Cards", ...), never after a class, so renaming code leaves translations alone.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::platform {

// One text: its context and its English words (or pattern).
struct Text {
  const char* context;
  const char* english;
};

#define VANTREL_TEXT(context, english) (::vantrel::platform::Text{context, english})
#define VANTREL_PLURAL(context, english) (::vantrel::platform::Text{context, english})

// The hook: the translation of a text (for a plural, the form for `count`; -1 otherwise), or nothing where
// there is none, for which the English is used.
using Translator = std::function<std::optional<std::string>(const Text& text, int count)>;
// Installs the hook, or removes it (an empty function): called at start-up, before any text is made.
void SetTranslator(Translator translator);

// The text in the player's language, %1, %2, ... replaced by `args` (plain text, never read as a pattern).
std::string Tr(const Text& text, std::initializer_list<std::string_view> args = {});
// A text with a count: the form for `count`, its %n replaced by the count.
std::string TrPlural(const Text& text, int count);

}  // namespace vantrel::platform
