// The switches' text.
#include "interaction/switches.h"

#include <array>
#include <utility>

namespace vantrel {
namespace {

constexpr std::array<std::pair<std::string_view, bool Switches::*>, 3> kNames{{
    {"KeepGame", &Switches::keep_game},
    {"TellWinnable", &Switches::tell_winnable},
    {"WinnableOnly", &Switches::winnable_only},
}};

}  // namespace

std::string SwitchesText(const Switches& switches) {
  std::string text;
  for (const auto& [name, member] : kNames) text += std::string(name) + (switches.*member ? "=1\n" : "=0\n");
  return text;
}

Switches ReadSwitches(std::string_view text) {
  Switches switches;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    for (const auto& [name, member] : kNames) {
      if (line.size() == name.size() + 2 && line.starts_with(name) && line[name.size()] == '=')
        switches.*member = line.back() == '1';
    }
  }
  return switches;
}

}  // namespace vantrel
