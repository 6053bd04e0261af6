#pragma once
// Small text helpers of the generator. Input and output are UTF-8 unless a name says otherwise.
#include <string>
#include <string_view>

namespace expo::demogen {

// Letters without their accents and everything else dropped or kept as ASCII: "Dřevák" ->
// "Drevak". Characters outside code page 1250 become '?'.
std::string asciiFold(std::string_view utf8);
// The first letter in lower case ("Soustruhy" -> "soustruhy"), unless the second letter is a
// capital too ("CNC" stays).
std::string lowerFirst(std::string_view utf8);
// Up to three capital initials of the words of a name: "Strojírny Lipová Hora a.s." -> "SLH".
std::string initials(std::string_view utf8);
// A host-name part made of a name's first word: "Dvořák a Hejl" -> "dvorak".
std::string slug(std::string_view utf8);
// Code page 1250 text of a UTF-8 text; throws std::invalid_argument when the text is not UTF-8
// or holds a character that the code page lacks, so no text reaches the disc mangled.
std::string toDisc(std::string_view utf8);

}  // namespace expo::demogen
