// Names of ranks, suits and card picture files.
#include "table/card_names.h"

#include <array>

#include "table/card.h"

namespace vantrel {
namespace {

constexpr std::array<std::string_view, 14> kRankNames = {"A", "2", "3",  "4", "5", "6", "7",
                                                         "8", "9", "10", "J", "Q", "K", "BLANK"};
constexpr std::array<std::string_view, 5> kSuitLetters = {"S", "C", "D", "H", ""};

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string InCardsFolder(std::string_view name) {
  std::string path(kCardsFolder);
  path += kSeparator;
  path += name;
  path += ".BMP";
  return path;
}

}  // namespace

std::string_view RankName(int number) {
  return number >= 1 && number <= 14 ? kRankNames[static_cast<std::size_t>(number - 1)] : "?";
}

std::string_view SuitLetter(int suit) {
  return suit >= 1 && suit <= 5 ? kSuitLetters[static_cast<std::size_t>(suit - 1)] : "?";
}

std::string CardFileName(int picture) {
  if (picture == kBackPicture) return InCardsFolder("BACK");
  std::string name(RankName(picture % 13 + 1));
  name += SuitLetter(picture / 13 + 1);
  return InCardsFolder(name);
}

std::string OutlineFileName() { return InCardsFolder("OUTLINE"); }

}  // namespace vantrel
