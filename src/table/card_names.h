// Names of ranks and suits as the game writes them, and the card picture files named after them.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// number 1..14 (14 names an empty column); anything else gives "?".
std::string_view RankName(int number);
// suit 1..5 (5, an empty column, has the empty name); anything else gives "?".
std::string_view SuitLetter(int suit);

// The picture file of picture index 0..52 (52 is the back) or of the outline, relative to the working
// folder: "CARDS\7H.BMP" on Windows, "CARDS/7H.BMP" elsewhere.
std::string CardFileName(int picture);
std::string OutlineFileName();
// The folder that holds the pictures, relative to the working folder.
inline constexpr std::string_view kCardsFolder = "CARDS";

}  // namespace vantrel
